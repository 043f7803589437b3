#include "state/general_number.h"

#include <cmath>

#include <gtest/gtest.h>

namespace vestrano {

TEST(GeneralNum, FifteenDigitsExponentOutsideTheUsualRange) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {{-0.0, "0"},
                 {2.0 / 3, "0.666666666666667"},
                 {123456789012345, "123456789012345"},
                 {1e15, "1E+15"},
                 {1.5e20, "1.5E+20"},
                 {0.0001, "0.0001"},
                 {0.00001, "1E-05"},
                 {-1e-10, "-1E-10"},
                 {INFINITY, "unendlich"}};
    for (const auto& c : cases) {
        EXPECT_EQ(generalNumber(c.value), c.expected) << c.value;
    }
}

} // namespace vestrano
