#include "plot/fmtnum.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vestrano {

std::string fixedText(double value, int decimals) {
    // Room for 309 integer digits, sign, point and the decimals.
    std::string text(static_cast<std::size_t>(std::max(decimals, 0)) + 320, '\0');
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                   std::chars_format::fixed, std::max(decimals, 0))
                         .ptr;
    text.resize(static_cast<std::size_t>(end - text.data()));
    return text;
}

std::string fmtnum(double value, std::string_view format) {
    if (!std::isfinite(value)) {
        return "";
    }
    const auto decimals = static_cast<int>(std::count(format.begin(), format.end(), '#'));
    std::string text = fixedText(value, decimals);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
        std::replace(text.begin(), text.end(), '.', ',');
    }
    // A tiny negative value rounds to nothing; it is no negative zero on an axis.
    if (text == "-0") {
        return "0";
    }
    return text;
}

} // namespace vestrano
