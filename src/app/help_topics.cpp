#include "app/help_topics.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vestrano {

namespace {

constexpr auto kMother = std::to_array<HelpControl>(
    {{"mn_file"}, {"mn_edit"}, {"mn_samml"}, {"mn_pmw"}, {"mn_extra"}, {"mn_win"}, {"mn_help"}});

constexpr auto kTermform =
    std::to_array<HelpControl>({{"Text1", 3}, {"Command1", 3}, {"Check1", 3}, {"Label9"}});

constexpr auto kGraphform = std::to_array<HelpControl>(
    {{"Picture1"}, {"HScroll1"}, {"VScroll1"}, {"Image1"}, {"Label1"}, {"Label2"}});

constexpr auto kPara =
    std::to_array<HelpControl>({{"Text1"}, {"Text2"}, {"HScroll1"}, {"Text3"}, {"Image1"}});

constexpr auto kTimerDialog = std::to_array<HelpControl>(
    {{"Label1"}, {"Combo1"}, {"Label2"}, {"Text1"}, {"OKButton"}, {"CancelButton"}});

constexpr auto kParameterList = std::to_array<HelpControl>({{"Command1"}, {"List1"}});

constexpr auto kInterform = std::to_array<HelpControl>({{"von", 6},
                                                        {"bis", 6},
                                                        {"Label4", 6},
                                                        {"Label5"},
                                                        {"Label1"},
                                                        {"Label2"},
                                                        {"Label3"},
                                                        {"Command1", 3},
                                                        {"Command2"},
                                                        {"Command3"},
                                                        {"Command6"}});

constexpr auto kMinicalc = std::to_array<HelpControl>(
    {{"Text1"}, {"Label1"}, {"Command1"}, {"Command3"}, {"Command2"}, {"Label2"}, {"Text2"}});

constexpr auto kSammlung = std::to_array<HelpControl>({{"List1_0"},
                                                       {"Label1"},
                                                       {"Label3"},
                                                       {"Label7"},
                                                       {"txt", 6},
                                                       {"Label2"},
                                                       {"Label4"},
                                                       {"Label5"},
                                                       {"Label6"},
                                                       {"Label8"},
                                                       {"dicke", 3},
                                                       {"labdicke", 3},
                                                       {"Label9"},
                                                       {"Command3"},
                                                       {"Command4"},
                                                       {"Command5"},
                                                       {"Command1"},
                                                       {"Command2"},
                                                       {"Check1"}});

constexpr auto kAsymptoten = std::to_array<HelpControl>({{"Label2"},
                                                         {"Text4"},
                                                         {"Command1"},
                                                         {"List1"},
                                                         {"Command4", 10},
                                                         {"Text1", 10},
                                                         {"Command5"},
                                                         {"Command3"},
                                                         {"Picture1"},
                                                         {"Label1"},
                                                         {"Text2"},
                                                         {"Command2"}});

constexpr auto kPunkte = std::to_array<HelpControl>({{"Label2"},
                                                     {"Text4"},
                                                     {"Command1"},
                                                     {"List1"},
                                                     {"Command4", 10},
                                                     {"Command5"},
                                                     {"Label3"},
                                                     {"Check1"},
                                                     {"Check2"},
                                                     {"Label1"},
                                                     {"Text2"},
                                                     {"Command2"}});

constexpr auto kWertetabelle = std::to_array<HelpControl>({{"Label1"},
                                                           {"von"},
                                                           {"Label2"},
                                                           {"bis"},
                                                           {"Label3"},
                                                           {"Schrittweite"},
                                                           {"Command1"},
                                                           {"Table1"},
                                                           {"Label4"},
                                                           {"Command3"},
                                                           {"Command2"}});
constexpr auto kKurvenpunkte = std::to_array<HelpControl>(
    {{"tab_punkte"}, {"lb_status"}, {"cmd_kopieren"}, {"cmd_schliessen"}});

constexpr auto kAnimation = std::to_array<HelpControl>({{"cb_parameter"},
                                                        {"txt_von"},
                                                        {"txt_bis"},
                                                        {"txt_bilder"},
                                                        {"txt_fps"},
                                                        {"chk_hin_und_zurueck"},
                                                        {"txt_breite"},
                                                        {"txt_hoehe"},
                                                        {"cmd_speichern"},
                                                        {"cmd_abbrechen"}});

constexpr auto kOptionsgraph = std::to_array<HelpControl>({{"Text1"},
                                                           {"Text2"},
                                                           {"Text3"},
                                                           {"Text4"},
                                                           {"Text5"},
                                                           {"Text6"},
                                                           {"Text7"},
                                                           {"Text8"},
                                                           {"Text9"},
                                                           {"Text10"},
                                                           {"Text11"},
                                                           {"Text12"},
                                                           {"Text13"},
                                                           {"Command1"},
                                                           {"Command2"},
                                                           {"Command3"}});

constexpr auto kOptionslinie = std::to_array<HelpControl>({{"Text1", 3},
                                                           {"Picture1", 3},
                                                           {"Text2", 8},
                                                           {"Text3"},
                                                           {"Check1"},
                                                           {"Command4", 3},
                                                           {"Command1"},
                                                           {"Command2"},
                                                           {"Command3"}});

constexpr auto kOptionszoom =
    std::to_array<HelpControl>({{"Text1"}, {"Text2"}, {"Command1"}, {"Command2"}});

constexpr auto kWindows = std::to_array<WindowHelp>({
    {"mother", "mother.html", kMother},
    {"termform", "termform.html", kTermform},
    {"graphform", "graphform.html", kGraphform},
    {"para", "para.html", kPara},
    {"Dialog", "timer.html", kTimerDialog},
    {"Parameter", "parameterliste.html", kParameterList},
    {"interform", "interform.html", kInterform},
    {"minicalc", "minicalc.html", kMinicalc},
    {"sammlung", "sammlung.html", kSammlung},
    {"Asymptoten", "geraden.html", kAsymptoten},
    {"Punkte", "punkte.html", kPunkte},
    {"Wertetabelle", "wertetabelle.html", kWertetabelle},
    {"Kurvenpunkte", "kurvenpunkte.html", kKurvenpunkte},
    {"Animation", "animation.html", kAnimation},
    {"optionsgraph", "optionsgraph.html", kOptionsgraph},
    {"optionslinie", "optionslinie.html", kOptionslinie},
    {"optionszoom", "optionszoom.html", kOptionszoom},
});

const WindowHelp* findWindow(const std::string& objectName) {
    const std::string name = helpWindowName(objectName);
    const auto found = std::find_if(kWindows.begin(), kWindows.end(),
                                    [&](const WindowHelp& w) { return name == w.window; });
    return found == kWindows.end() ? nullptr : &*found;
}

} // namespace

std::span<const WindowHelp> windowHelpTable() {
    return kWindows;
}

std::vector<std::string> helpAnchors(const WindowHelp& window) {
    std::vector<std::string> anchors;
    for (const HelpControl& control : window.controls) {
        if (control.count == 0) {
            anchors.emplace_back(control.name);
            continue;
        }
        for (int i = 0; i < control.count; ++i) {
            anchors.push_back(std::string(control.name) + "_" + std::to_string(i));
        }
    }
    return anchors;
}

std::string helpWindowName(const std::string& objectName) {
    const auto cut = objectName.rfind('_');
    if (cut == std::string::npos || cut == 0 || cut + 1 == objectName.size()) {
        return objectName;
    }
    const bool digits =
        std::all_of(objectName.begin() + static_cast<long>(cut) + 1, objectName.end(),
                    [](unsigned char c) { return std::isdigit(c) != 0; });
    return digits ? objectName.substr(0, cut) : objectName;
}

HelpTopic helpTopicFor(const std::vector<std::string>& focusChain) {
    for (std::size_t w = 0; w < focusChain.size(); ++w) {
        const WindowHelp* window = findWindow(focusChain[w]);
        if (!window) {
            continue;
        }
        const std::vector<std::string> anchors = helpAnchors(*window);
        for (std::size_t i = 0; i < w; ++i) {
            if (std::find(anchors.begin(), anchors.end(), focusChain[i]) != anchors.end()) {
                return {window->page, focusChain[i]};
            }
        }
        return {window->page, ""};
    }
    return {kHelpContentsPage, ""};
}

std::string helpWindowTitle(const std::string& pageTitle) {
    return pageTitle.empty() ? "Vestrano-Hilfe" : "Vestrano-Hilfe: " + pageTitle;
}

std::string helpLink(const HelpTopic& topic) {
    return topic.anchor.empty() ? topic.page : topic.page + "#" + topic.anchor;
}

} // namespace vestrano
