#include "engine_fixture.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace vestrano::test {
namespace {

using enum ErrorCode;

class BlockEqualsSample : public EngineTest, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        engine.ucSetVariableValueDbl(engine.ucDefineVariable("a"), 1.5);
        engine.ucSetVariableValueDbl(engine.ucDefineVariable("b"), -2);
        engine.ucSetVariableValueDbl(engine.ucDefineVariable("c"), 0.5);
        engine.ucSetVariableValueDbl(engine.ucDefineVariable("m"), -4);
        engine.ucDefineFunctionDbl("f(x)=x^2+a");
        engine.ucDefineFunctionDbl("g(x)=f(x)*2");
    }
};

// Same bits, same codes, for more points than one block and a short last block; includes
// the points where domain errors start, infinities and NaN.
TEST_P(BlockEqualsSample, PointByPoint) {
    std::vector<double> xs;
    for (int i = 0; i <= 700; ++i) {
        xs.push_back(-3.5 + i * 0.01);
    }
    for (double special : {std::nan(""), HUGE_VAL, -HUGE_VAL, 0.0, -0.0}) {
        xs.push_back(special);
    }
    int32_t h = engine.ucParse(GetParam());
    ASSERT_EQ(engine.ucGetError(), number(None)) << GetParam();
    std::vector<double> out(xs.size());
    std::vector<int> errs(xs.size(), -1);
    engine.ucEvaluateBlock(h, x, xs, out, errs);
    EXPECT_EQ(engine.ucGetError(), number(None));
    EXPECT_EQ(engine.ucEval("x"), xs.back());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        engine.ucSetVariableValueDbl(x, xs[i]);
        double v = engine.ucEvaluate(h);
        int code = engine.ucGetError();
        ASSERT_EQ(errs[i], code) << GetParam() << " at x=" << xs[i] << "\n" << engine.dump(h);
        ASSERT_EQ(std::memcmp(&out[i], &v, sizeof v), 0)
            << GetParam() << " at x=" << xs[i] << ": " << out[i] << " vs " << v << "\n"
            << engine.dump(h);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, BlockEqualsSample,
    ::testing::Values("a*x^2+b*x+c", "sin(x)*cos(2*x)+sqrt(abs(x))", "((x^3-2*x)/(x^2+1)-m)*a",
                      "iif(x<0,-x,x)", "g(x)", "x", "a*b", "1/x", "sqrt(x)", "ln(x)+sqrt(x)",
                      "sqrt(x)+ln(x)", "x\\(x-1)", "x mod 0.7", "x^a", "m^x", "x^x", "(x-1)!",
                      "log2(x)*log10(-x)", "iif(x>0, sqrt(x), 0)", "iif(x>0, 0, sqrt(x))",
                      "iif(sqrt(x+1)>1, ln(x), 1/(x+3))", "iif(x<0, iif(x<-1, 1/(x+2), x), 2)",
                      "iif(a>0, x, 1/0)", "iif(m>0, x, sqrt(m))", "sqrt(m)+x", "x+sqrt(m)",
                      "min(x, a, -x) + max(x, 1)", "x = 0 or not x < 1 xor x >= 2",
                      "asin(x) + acos(x/4) + atanh(x)", "tan(x) + cot(x) + sec(x) + csc(x)",
                      "2*x+3 - 4*x + x*a", "-x + -(x*x) - x*x*x", "a*(x+1)+1",
                      "sgn(x)*int(x)+frac(x)+round(x)", "exp(x)*exp2(-x)", "iif(x<0, a, b)",
                      "iif(x>1, x*2, a) + iif(x<0, 1, x)",
                      "sqrt(x^2+1) + sqrt(abs(x)) + sqrt(-abs(x))", "((x^2-a)/(x-1)-b)*c",
                      "c*(x+a)", "(x-a)*b", "a+x^2", "iif(x<>x, 1, iif(x>=1, x, 2))",
                      "iif(x=0 or x>1, 1, 0)", "exp(x)+sin(x)-atan(x)*sqrt(x)"));

TEST_F(EngineTest, BlockFollowsTheTrigModeAndOtherVariablesOfTheCall) {
    int32_t a = engine.ucDefineVariable("a");
    int32_t h = engine.ucParse("sin(x)*a");
    std::vector<double> xs{90, 180}, out(2);
    std::vector<int> errs(2);
    engine.ucSetTrigMode(2);
    engine.ucSetVariableValueDbl(a, 3);
    engine.ucEvaluateBlock(h, x, xs, out, errs);
    EXPECT_EQ(out, (std::vector<double>{3, 0}));
    engine.ucSetVariableValueDbl(a, 2);
    engine.ucEvaluateBlock(h, x, xs, out, errs);
    EXPECT_EQ(out, (std::vector<double>{2, 0}));
    // the block variable need not be x
    engine.ucSetVariableValueDbl(x, 30);
    engine.ucEvaluateBlock(h, a, xs, out, errs);
    EXPECT_DOUBLE_EQ(out[0], 45);
    EXPECT_EQ(engine.ucEval("a"), 180);
}

TEST_F(EngineTest, BlockWithBadHandlesGivesCodesForEveryPoint) {
    int32_t bad = engine.ucParse("1+");
    int32_t good = engine.ucParse("x");
    std::vector<double> xs{1, 2}, out(2);
    std::vector<int> errs(2);
    engine.ucEvaluateBlock(bad, x, xs, out, errs);
    EXPECT_EQ(errs, (std::vector<int>{number(InvalidTerm), number(InvalidTerm)}));
    engine.ucEvaluateBlock(good, 999, xs, out, errs);
    EXPECT_EQ(errs, (std::vector<int>{number(InvalidTerm), number(InvalidTerm)}));
    engine.ucEvaluateBlock(-5, x, xs, out, errs);
    EXPECT_EQ(errs, (std::vector<int>{number(InvalidTerm), number(InvalidTerm)}));
    EXPECT_TRUE(std::isnan(out[0]));
    // spans of different lengths: only the common part is written
    std::vector<double> shortOut(1);
    engine.ucEvaluateBlock(good, x, xs, shortOut, errs);
    EXPECT_EQ(shortOut[0], 1);
    engine.ucEvaluateBlock(good, x, {}, out, errs);
}

} // namespace
} // namespace vestrano::test
