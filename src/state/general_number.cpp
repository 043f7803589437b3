#include "state/general_number.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vestrano {

std::string generalNumber(double value) {
    if (std::isnan(value)) {
        return "nicht definiert";
    }
    if (std::isinf(value)) {
        return value > 0 ? "unendlich" : "-unendlich";
    }
    if (value == 0) {
        return "0"; // also for -0
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.15G", value);
    return text;
}

std::string formatParamValue(double v) {
    std::string text = generalNumber(v);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

} // namespace vestrano
