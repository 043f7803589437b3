#include "params/decimal_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "state/rounding.h"

namespace vestrano {

namespace {

constexpr int kMostGridDecimals = 10;
constexpr double kExactIntegers = 9007199254740992.0; // 2^53

double powerOfTen(int k) {
    double p = 1;
    for (int i = 0; i < k; ++i) {
        p *= 10;
    }
    return p;
}

// The sum rounded to k decimals; beyond 2^53 a double has no decimals left to clean.
double ongrid(double sum, int k) {
    const double scale = powerOfTen(k);
    const double scaled = sum * scale;
    if (!(std::fabs(scaled) < kExactIntegers)) {
        return sum;
    }
    return roundEven(scaled) / scale;
}

} // namespace

int decimals(double v) {
    if (v == 0 || !std::isfinite(v)) {
        return 0;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(v));
    const std::string_view written(text);
    const std::size_t e = written.find('e');
    const std::string_view fraction = written.substr(2, e - 2);
    const std::size_t last = fraction.find_last_not_of('0');
    const int digits = last == std::string_view::npos ? 0 : static_cast<int>(last) + 1;
    return std::max(0, digits - std::atoi(text + e + 1));
}

double gridSum(double v, double d) {
    const double sum = v + d;
    const int stepDecimals = decimals(d);
    if (d == 0 || stepDecimals > kMostGridDecimals) {
        return sum;
    }
    const int valueDecimals = decimals(v);
    if (valueDecimals > kMostGridDecimals) {
        return ongrid(sum, stepDecimals);
    }
    return ongrid(sum, std::max(valueDecimals, stepDecimals));
}

double decimalSum(double a, double b) {
    const double sum = a + b;
    const int k = std::max(decimals(a), decimals(b));
    if (a == 0 || b == 0 || k > kMostGridDecimals) {
        return sum;
    }
    return ongrid(sum, k);
}

} // namespace vestrano
