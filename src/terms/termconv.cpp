#include "terms/termconv.h"

#include <algorithm>
#include <array>

#include "state/plot_state.h"
#include "state/quiet_ui.h"
#include "terms/bracketgroup.h"
#include "terms/diffquot.h"
#include "terms/text_replace.h"

namespace vestrano {

namespace {
struct LogicWord {
    std::string_view typed;
    std::string_view passed;
};

constexpr std::array<LogicWord, 7> kLogicWords{{{"and", "and"},
                                                {"und", "and"},
                                                {"or", "or"},
                                                {"oder", "or"},
                                                {"xor", "xor"},
                                                {"eqv", "eqv"},
                                                {"imp", "imp"}}};

// Whole UTF-8 sequences, so that no byte of another character is touched.
constexpr std::array<std::string_view, 10> kRemovedCharacters{
    "#", "~", "\"", "\xC2\xA7" /* § */, "$", "\xC2\xB4" /* ´ */, "`", "_", "\xC2\xB0" /* ° */, " "};

struct Mapping {
    std::string_view from;
    std::string_view to;
};

// "$" keeps a typed decimal comma apart from the argument separator until the end.
constexpr std::array<Mapping, 5> kBracketMap{
    {{",", "$"}, {"[", "("}, {"{", "("}, {"]", ")"}, {"}", ")"}}};

// "exp" has no bracket: it also catches names that merely begin with it.
constexpr std::array<std::string_view, 6> kArgumentListFunctions{"iif(", "wenn(", "min(",
                                                                 "max(", "log(",  "exp"};

std::string fillText(int mode) {
    return "((Sgn(Sin(dichte*" + slotName(mode, SlotText::Variable) + ")) + 1)/2)";
}

// Inside the argument list of `function` ";" separates the arguments and a comma is a decimal
// comma. Every copy of a group is rewritten at its first hit; the rewrite keeps the length, so
// the positions of later hits stay valid.
void convertArgumentLists(std::string& text, std::string_view function, Ui& ui) {
    for (std::size_t hit = text.find(function); hit != std::string::npos;
         hit = text.find(function, hit + 1)) {
        const std::string group = bracketgroup(text, hit + 1, ui);
        std::string arguments = group;
        std::replace(arguments.begin(), arguments.end(), '$', '.');
        std::replace(arguments.begin(), arguments.end(), ';', ',');
        if (arguments != group) {
            replaceAll(text, group, arguments);
        }
    }
}
} // namespace

std::string logicswap(std::string_view text, int direction) {
    std::string result(text);
    if (direction != 1 && direction != 2) {
        return result;
    }
    for (const LogicWord& word : kLogicWords) {
        const std::string spaced = " " + std::string(word.typed) + " ";
        const std::string protectedWord = ":" + std::string(word.typed) + ":";
        if (direction == 1) {
            replaceAll(result, spaced, protectedWord);
            continue;
        }
        replaceAll(result, protectedWord, " " + std::string(word.passed) + " ");
    }
    return result;
}

std::string termconv(std::string_view text, int mode, Ui& outerUi) {
    // One conversion reports a bracket error once, however many groups it affects: a modal
    // box per group would bury the user under identical messages.
    QuietUi ui(outerUi, 1);
    std::string result = logicswap(text, 1);
    for (std::string_view removed : kRemovedCharacters) {
        replaceAll(result, removed, "");
    }
    if (result.empty()) {
        return result;
    }
    result = logicswap(result, 2);
    for (const Mapping& mapping : kBracketMap) {
        replaceAll(result, mapping.from, mapping.to);
    }
    replaceAll(result, "fill", fillText(mode));
    for (std::string_view function : kArgumentListFunctions) {
        convertArgumentLists(result, function, ui);
    }
    replaceAll(result, "$", ".");
    for (int slot = 0; slot < kSlotCount; ++slot) {
        result = diffquot(result, slot, mode, ui);
    }
    // Whatever "'" is left is a derivative that cannot be drawn.
    if (result.find('\'') != std::string::npos) {
        return {};
    }
    return result;
}

} // namespace vestrano
