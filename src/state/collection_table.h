#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/window_layout.h"

namespace vestrano {

// Field numbers of a collection entry; each field's lines are joined by CR LF.
enum EntryField {
    kTitle,
    kLongtext,
    kTerms,
    kParams,
    kBounds,
    kIntervals,
    kLowers,
    kLines,
    kPoints
};
constexpr int kEntryFieldCount = 9;

// One named plot of a collection.
struct CollectionEntry {
    std::array<std::string, kEntryFieldCount> fields{};
    bool isProtected = false;

    bool operator==(const CollectionEntry&) const = default;
};

constexpr int kDetailBoxes = 6; // txt(0) long text, txt(1..5) fields 2..6
constexpr const char* kNoEntryLabel = " (kein Eintrag angewählt)";

// What the collection window `sammlung` shows; the window only renders this. The boxes hold
// the texts as typed; the core counts each rewrite of them in `revision`, so the window
// re-renders them then and never under the user's typing.
struct CollectionWindow {
    bool loaded = false;   // the working copy has been read into the table
    std::string caption;   // empty until the first load
    int selected = -1;     // the list's selection
    int16_t selentry = -1; // the selection unless it is protected
    int linepos = 1;       // read position of the box reader, 1-based
    std::array<std::string, kEntryFieldCount> clip{}; // the entry last copied or cut
    std::array<std::string, kDetailBoxes> txt{};
    std::array<std::string, 3> dicke{};
    std::string label3 = kNoEntryLabel;
    bool label7 = false; // "(geschützter Eintrag!)"
    std::string label9 = "Ok.";
    uint32_t label9Color = 0xF0F0F0; // the button face
    bool extended = false;           // Check1
    bool menuVisible = false;        // the editing items of the collection menu
    int protectionNoted = -1;        // the protected entry a take-over already told about
    int revision = 0;
    // Twips within the main window's client area, the frame included.
    ChildWindow frame{{0, 0, 9600, 4400}, false, true};
};

// The entries of the current mode, in file order, and the window that shows them.
struct CollectionTable {
    std::vector<CollectionEntry> entries;
    CollectionWindow window;
    bool pending = false; // an entry was selected while `busy` was set
};

} // namespace vestrano
