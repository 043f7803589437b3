#pragma once

#include "engine/engine_error.h"
#include "engine/expr_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vestrano::test {

// An engine filled as the program fills it after every reset, with the variable x.
class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.ucDefineVariable("pi=2*asin(1)");
        engine.ucDefineVariable("e=exp(1)");
        engine.ucDefineFunctionDbl("log(m, n)=ln(m)/ln(n)");
        engine.ucDefineFunctionDbl("exp(m, n)=exp2(m*log2(n))");
        engine.ucDefineFunctionDbl("wurzel(m)=sqrt(m)");
        engine.ucDefineFunctionDbl("integral(m)=0");
        const char* aliases[][2] = {{"nicht", "not"},   {"wenn", "iif"},    {"arcsin", "asin"},
                                    {"arccos", "acos"}, {"arctan", "atan"}, {"sinhyp", "sinh"},
                                    {"coshyp", "cosh"}, {"tanhyp", "tanh"}, {"betrag", "abs"}};
        for (auto& [alias, name] : aliases) {
            engine.ucAlias(alias, name);
        }
        x = engine.ucDefineVariable("x");
    }

    // Value of `text` at x = xv; the error code goes to `code`.
    double eval(const std::string& text, double xv, int& code) {
        engine.ucSetVariableValueDbl(x, xv);
        double v = engine.ucEval(text);
        code = engine.ucGetError();
        return v;
    }

    // Each of `texts` evaluates to the error `code`.
    void expectCodes(ErrorCode code, std::initializer_list<std::string> texts) {
        for (const std::string& text : texts) {
            engine.ucEval(text);
            EXPECT_EQ(engine.ucGetError(), number(code)) << text;
        }
    }

    ExprEngine engine;
    int32_t x = -1;
};

// One row of a table of texts: value at x (when there is no error) or error code.
struct Case {
    const char* text;
    double x;
    double value;
    ErrorCode code = ErrorCode::None;
};

inline void PrintTo(const Case& c, std::ostream* os) {
    *os << c.text << " at x=" << c.x;
}

// A table of texts with their value or error code; the test itself lives in
// literals_operators_test.cpp, the tables are instantiated where they belong.
class CaseTable : public EngineTest, public ::testing::WithParamInterface<Case> {};

} // namespace vestrano::test
