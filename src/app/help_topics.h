#pragma once

#include <span>
#include <string>
#include <vector>

namespace vestrano {

// A control named in the help: `name` alone, or the array name_0 .. name_{count-1}.
struct HelpControl {
    const char* name;
    int count = 0;
};

// One window of the program with its help page and the controls that page explains.
struct WindowHelp {
    const char* window; // the window's object name
    const char* page;   // file of the help pages
    std::span<const HelpControl> controls;
};

// Where the help opens: a page and an anchor in it (empty: the top of the page).
struct HelpTopic {
    std::string page;
    std::string anchor;

    bool operator==(const HelpTopic&) const = default;
};

inline constexpr const char* kHelpContentsPage = "index.html";

// The help window's buttons.
inline constexpr const char* kHelpBackCaption = "< &Zurück";
inline constexpr const char* kHelpForwardCaption = "&Vorwärts >";
inline constexpr const char* kHelpContentsCaption = "&Inhalt";
inline constexpr const char* kHelpCloseCaption = "&Schließen";

// The help window's caption for the page shown.
std::string helpWindowTitle(const std::string& pageTitle);

std::span<const WindowHelp> windowHelpTable();

// The object names of a window's controls, arrays spelled out.
std::vector<std::string> helpAnchors(const WindowHelp& window);

// "para_12" is one of the parameter windows, "para".
std::string helpWindowName(const std::string& objectName);

// The topic for the focused widget, given the object names from it up to its top-level window:
// its own control's anchor in its window's page, else the window's page, else the contents.
HelpTopic helpTopicFor(const std::vector<std::string>& focusChain);

// "page#anchor", or the page alone.
std::string helpLink(const HelpTopic& topic);

} // namespace vestrano
