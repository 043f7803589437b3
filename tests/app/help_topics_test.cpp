#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/help_topics.h"

namespace vestrano {

namespace {

const std::filesystem::path kHelpDir = std::filesystem::path(VESTRANO_SOURCE_DIR) / "docs/help";

std::string readPage(const std::string& page) {
    std::ifstream in(kHelpDir / page, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> matches(const std::string& html, const std::regex& pattern) {
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), pattern);
         it != std::sregex_iterator(); ++it) {
        found.push_back((*it)[1]);
    }
    return found;
}

std::vector<std::string> anchorsOf(const std::string& html) {
    return matches(html, std::regex(R"(<a name="([^"]+)\")"));
}

std::vector<std::string> helpPages() {
    std::vector<std::string> pages;
    for (const auto& entry : std::filesystem::directory_iterator(kHelpDir)) {
        if (entry.path().extension() == ".html") {
            pages.push_back(entry.path().filename().string());
        }
    }
    return pages;
}

} // namespace

TEST(HelpPages, EveryControlOfEveryWindowHasItsAnchorOnceInItsPage) {
    for (const WindowHelp& window : windowHelpTable()) {
        SCOPED_TRACE(window.window);
        ASSERT_TRUE(std::filesystem::exists(kHelpDir / window.page)) << window.page;
        const std::vector<std::string> anchors = anchorsOf(readPage(window.page));
        for (const std::string& control : helpAnchors(window)) {
            EXPECT_EQ(std::count(anchors.begin(), anchors.end(), control), 1) << control;
        }
    }
    ASSERT_TRUE(std::filesystem::exists(kHelpDir / kHelpContentsPage));
}

TEST(HelpPages, EveryLinkAndPictureLeadsSomewhere) {
    const std::regex hrefs(R"(href="([^"]+)\")");
    const std::regex pictures(R"(src="([^"]+)\")");
    for (const std::string& page : helpPages()) {
        SCOPED_TRACE(page);
        const std::string html = readPage(page);
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
        for (const std::string& link : matches(html, hrefs)) {
            const auto hash = link.find('#');
            const std::string target = hash == 0 ? page : link.substr(0, hash);
            ASSERT_TRUE(std::filesystem::exists(kHelpDir / target)) << link;
            if (hash == std::string::npos) {
                continue;
            }
            const std::vector<std::string> anchors = anchorsOf(readPage(target));
            EXPECT_NE(std::find(anchors.begin(), anchors.end(), link.substr(hash + 1)),
                      anchors.end())
                << link;
        }
        for (const std::string& picture : matches(html, pictures)) {
            EXPECT_TRUE(std::filesystem::exists(kHelpDir / picture)) << picture;
        }
    }
}

TEST(HelpPages, ContentsLeadToEveryPage) {
    const std::vector<std::string> links =
        matches(readPage(kHelpContentsPage), std::regex(R"(href="([^"#]+)[^"]*\")"));
    const std::set<std::string> linked(links.begin(), links.end());
    for (const std::string& page : helpPages()) {
        if (page != kHelpContentsPage) {
            EXPECT_TRUE(linked.count(page)) << page;
        }
    }
}

// While the collection window is open, every take-over changes the selected entry; a user who
// reads only "Aktualisieren" would not expect that.
TEST(HelpPages, TheCollectionPageSaysThatTakeOversChangeTheSelectedEntry) {
    const std::string html = readPage("sammlung.html");
    const size_t start = html.find("<li><b>Aktualisieren</b>");
    ASSERT_NE(start, std::string::npos);
    const std::string item = html.substr(start, html.find("</li>", start) - start);
    for (const char* word : {"offen", "Übernahme", "Termen", "Intervallen", "Geraden", "Punkten",
                             "gewählten Eintrag"}) {
        EXPECT_NE(item.find(word), std::string::npos) << word;
    }
}

// The focus chain as it climbs from the focused widget to its top-level window; a control is
// found in its own window, else the window's page is shown, else the contents.
TEST(HelpLookup, FindsTheControlInItsWindowElseThePageElseTheContents) {
    const struct {
        std::vector<std::string> chain;
        HelpTopic topic;
    } cases[] = {{{"Text1_1", "termform", "", "", "mother"}, {"termform.html", "Text1_1"}},
                 // The same name means another control in another window.
                 {{"HScroll1", "graphform", "", "mother"}, {"graphform.html", "HScroll1"}},
                 {{"HScroll1", "para_12", "paraform_12", "", "mother"}, {"para.html", "HScroll1"}},
                 // A widget inside a control, such as the line of a combo box.
                 {{"", "Combo1", "Dialog"}, {"timer.html", "Combo1"}},
                 {{"von_3", "", "interform", "", "mother"}, {"interform.html", "von_3"}},
                 {{"Text1", "minicalc", "mother"}, {"minicalc.html", "Text1"}},
                 // Not a control of its window: the window's page.
                 {{"Text1_7", "termform", "mother"}, {"termform.html", ""}},
                 {{"qt_scrollarea_viewport", "", "mother"}, {"mother.html", ""}},
                 // A control name outside any known window, or no focus at all: the contents.
                 {{"helpBrowser", "helpWindow"}, {"index.html", ""}},
                 {{"Text1_0"}, {"index.html", ""}},
                 {{}, {"index.html", ""}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chain.empty() ? "no focus" : c.chain[0] + " in " + c.chain.back());
        EXPECT_EQ(helpTopicFor(c.chain), c.topic);
    }
}

} // namespace vestrano
