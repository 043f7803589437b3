#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/window_layout.h"

namespace vestrano {

// The fields of a collection entry; each field's lines are joined by CR LF.
enum class EntryField { Title, LongText, Terms, Params, Bounds, Intervals, Lowers, Lines, Points };
constexpr int kEntryFieldCount = 9;

// The fields the plot fills, in file order.
constexpr std::array<EntryField, 7> kPlotFields{
    EntryField::Terms,  EntryField::Params, EntryField::Bounds, EntryField::Intervals,
    EntryField::Lowers, EntryField::Lines,  EntryField::Points};

// The texts of an entry's fields.
struct EntryFields {
    std::array<std::string, kEntryFieldCount> texts{};

    std::string& operator[](EntryField f) { return texts[static_cast<std::size_t>(f)]; }
    const std::string& operator[](EntryField f) const { return texts[static_cast<std::size_t>(f)]; }
    auto begin() const { return texts.begin(); }
    auto end() const { return texts.end(); }
    bool operator==(const EntryFields&) const = default;
};

// One named plot of a collection.
struct CollectionEntry {
    EntryFields fields;
    bool isProtected = false;

    bool operator==(const CollectionEntry&) const = default;
};

// The collection window's detail boxes: the long text, then the fields from the terms to the
// lower bounds.
enum class DetailBox { LongText, Terms, Params, Bounds, Intervals, Lowers };
constexpr int kDetailBoxes = 6;

// The fields the detail boxes show, in box order.
constexpr std::array<EntryField, kDetailBoxes> kBoxedFields{
    EntryField::LongText, EntryField::Terms,     EntryField::Params,
    EntryField::Bounds,   EntryField::Intervals, EntryField::Lowers};

// The box that shows field f, one of the long text to the lower bounds.
constexpr DetailBox detailBoxOf(EntryField f) {
    return static_cast<DetailBox>(static_cast<int>(f) - static_cast<int>(EntryField::LongText));
}
constexpr const char* kNoEntryLabel = " (kein Eintrag angewählt)";

// What the collection window `sammlung` shows; the window only renders this. The boxes hold
// the texts as typed; the core counts each rewrite of them in `revision`, so the window
// re-renders them then and never under the user's typing.
struct CollectionWindow {
    bool loaded = false;   // the window was accessed; the table comes with the working copy
    std::string caption;   // empty until the first load
    int selected = -1;     // the list's selection
    int16_t selentry = -1; // the selection unless it is protected
    int linepos = 1;       // read position of the box reader, 1-based
    EntryFields clip;      // the entry last copied or cut
    std::array<std::string, kDetailBoxes> txt{};
    std::string& box(DetailBox b) { return txt[static_cast<std::size_t>(b)]; }
    const std::string& box(DetailBox b) const { return txt[static_cast<std::size_t>(b)]; }
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
