#include "plot/fmtnum.h"

#include <cmath>

#include <gtest/gtest.h>

namespace vestrano {

TEST(FmtNum, GermanCommaAtMostTheAllowedDecimals) {
    const struct {
        double value;
        const char* format;
        const char* expected;
    } cases[] = {
        {2.5, "0.##", "2,5"},           {3, "0.##", "3"},          {1.234, "0.##", "1,23"},
        {-0.5, "0.##", "-0,5"},         {7, "0.##", "7"},          {-0.001, "0.##", "0"},
        {0.125, "0.##", "0,12"},        {0.135, "0.##", "0,14"},   {1.9999, "0.##", "2"},
        {-12.5, "0.", "-12"},           {2.5e-7, "0.######", "0"}, {1e7, "0.##", "10000000"},
        {0.1 + 0.2, "0.######", "0,3"}, {NAN, "0.##", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fmtnum(c.value, c.format), c.expected) << c.value << " " << c.format;
    }
}

} // namespace vestrano
