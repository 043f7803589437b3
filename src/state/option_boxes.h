#pragma once

#include <array>
#include <string>

namespace vestrano {

// What the three option dialogs show; the windows only render it. Box texts are kept as typed
// until "Übernehmen" reads them.
struct GraphOptionBoxes {
    bool visible = false;
    // Text1 .. Text13: start x, step x, start y, step y, min x, max x, min y, max y,
    // decimals x, decimals y, number font, axis-name font, brightness.
    std::array<std::string, 13> text{};
};

constexpr int kFirstLineTypeBox = 5;

struct LineOptionBoxes {
    bool visible = false;
    std::array<std::string, 3> width{}; // Text1(0..2)
    // Text2(0..7): the counts in the order of the count parameters "anzf" .. "anzy2", then the
    // line types of the three slots.
    std::array<std::string, 8> counts{};
    std::string limit; // Text3
    // Column heads Command4(0..2) and which count boxes the mode lets the user edit.
    std::array<std::string, 3> heads{"von f", "von g", "von h"};
    std::array<bool, 5> countEnabled{true, true, true, false, false};
};

struct ZoomOptionBoxes {
    bool visible = false;
    std::string x; // Text1
    std::string y; // Text2
};

struct OptionBoxes {
    GraphOptionBoxes graph;
    LineOptionBoxes line;
    ZoomOptionBoxes zoom;
};

} // namespace vestrano
