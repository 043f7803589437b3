#include "engine_fixture.h"

namespace vestrano::test {
namespace {

using enum ErrorCode;

constexpr double kPi = 3.14159265358979323846;

INSTANTIATE_TEST_SUITE_P(
    Values, CaseTable,
    ::testing::Values(
        Case{"sin(pi/2)", 0, 1}, Case{"COS(0)", 0, 1}, Case{"tan(pi/4)", 0, 1},
        Case{"cot(pi/4)", 0, 1}, Case{"sec(0)", 0, 1}, Case{"csc(pi/2)", 0, 1},
        Case{"asin(1)", 0, kPi / 2}, Case{"acos(1)", 0, 0}, Case{"atan(1)", 0, kPi / 4},
        Case{"acot(0)", 0, kPi / 2}, Case{"acot(-1)", 0, 3 * kPi / 4}, Case{"asec(-1)", 0, kPi},
        Case{"acsc(1)", 0, kPi / 2}, Case{"sinh(1)", 0, std::sinh(1)}, Case{"cosh(0)", 0, 1},
        Case{"tanh(1)", 0, std::tanh(1)}, Case{"coth(1)", 0, 1 / std::tanh(1)},
        Case{"sech(0)", 0, 1}, Case{"csch(1)", 0, 1 / std::sinh(1)},
        Case{"asinh(1)", 0, std::asinh(1)}, Case{"acosh(1)", 0, 0},
        Case{"atanh(0.5)", 0, std::atanh(0.5)}, Case{"acoth(2)", 0, std::atanh(0.5)},
        Case{"asech(1)", 0, 0}, Case{"acsch(1)", 0, std::asinh(1)}, Case{"exp(0)", 0, 1},
        Case{"exp2(3)", 0, 8}, Case{"ln(e)", 0, 1}, Case{"log(e)", 0, 1}, Case{"log2(8)", 0, 3},
        Case{"log10(1000)", 0, 3}, Case{"sqrt(16)", 0, 4}, Case{"abs(-2)", 0, 2},
        Case{"sgn(-3)", 0, -1}, Case{"sgn(0)", 0, 0}, Case{"int(-1.5)", 0, -2},
        Case{"frac(-1.25)", 0, 0.75}, Case{"round(2.5)", 0, 3}, Case{"round(-2.5)", 0, -3},
        Case{"min(3,1,2)", 0, 1}, Case{"max(3, 1, 2)", 0, 3}, Case{"max(5)", 0, 5},
        Case{"iif(1,2,3)", 0, 2}, Case{"wurzel(9)", 0, 3}, Case{"betrag(-2)", 0, 2},
        Case{"arcsin(1)", 0, kPi / 2}, Case{"wenn(x<0,-x,x)", -3, 3}, Case{"log(8,2)", 0, 3},
        Case{"integral(x)", 5, 0}));

INSTANTIATE_TEST_SUITE_P(
    DomainCodes, CaseTable,
    ::testing::Values(Case{"sqrt(-1)", 0, 0, SqrtDomain}, Case{"log2(0)", 0, 0, Log2Domain},
                      Case{"log10(0)", 0, 0, Log10Domain}, Case{"ln(0)", 0, 0, LnDomain},
                      Case{"log(x)", -1, 0, LnDomain}, Case{"log(8,x)", 1, 0, DivisionByZero},
                      Case{"asin(1.5)", 0, 0, AsinDomain}, Case{"acos(-1.5)", 0, 0, AcosDomain},
                      Case{"csc(0)", 0, 0, CscDomain}, Case{"cot(0)", 0, 0, CotDomain},
                      Case{"coth(0)", 0, 0, CothDomain}, Case{"csch(0)", 0, 0, CschDomain},
                      Case{"acosh(0.5)", 0, 0, AcoshDomain}, Case{"atanh(1)", 0, 0, AtanhDomain},
                      Case{"atanh(-1)", 0, 0, AtanhDomain}, Case{"acoth(1)", 0, 0, AcothDomain},
                      Case{"acoth(0.5)", 0, 0, AcothDomain}, Case{"asech(0)", 0, 0, AsechDomain},
                      Case{"asech(1.5)", 0, 0, AsechDomain}, Case{"acsch(0)", 0, 0, AcschDomain},
                      Case{"asec(0.5)", 0, 0, AcosDomain}, Case{"acsc(0.5)", 0, 0, AsinDomain},
                      Case{"iif(x>0, sqrt(x), 0)", -1, 0},
                      Case{"iif(x>0, 0, sqrt(x))", -1, 0, SqrtDomain},
                      Case{"iif(sqrt(x)>0, 1, 2)", -1, 0, SqrtDomain}));

TEST_F(EngineTest, WrongArgumentCountsNameTheFunction) {
    const std::pair<const char*, const char*> cases[] = {{"SIN(1,2)", "SIN"},
                                                         {"min()", "min"},
                                                         {"iif(1,2)", "iif"},
                                                         {"wurzel(1,2)", "wurzel"},
                                                         {"2*sin", "sin"}};
    for (auto [text, name] : cases) {
        engine.ucEval(text);
        EXPECT_EQ(engine.ucGetError(), number(ArgumentCount)) << text;
        EXPECT_EQ(engine.ucGetErrorData(), name) << text;
    }
    engine.ucEval("1+Foo(2)");
    EXPECT_EQ(engine.ucGetError(), number(UndefinedFunction));
    EXPECT_EQ(engine.ucGetErrorData(), "Foo");
}

TEST_F(EngineTest, TwoArgumentLogAndExpLeaveTheBuiltInsAlone) {
    int code = -1;
    EXPECT_NEAR(eval("exp(2,3)", 0, code), 9, 1e-12);
    EXPECT_DOUBLE_EQ(eval("exp(1)", 0, code), std::exp(1.0));
    eval("log(8;2)", 0, code); // ";" is converted before text reaches the engine
    EXPECT_EQ(code, number(InvalidTerm));
    EXPECT_DOUBLE_EQ(eval("log(x)", 100, code), std::log(100.0));
}

TEST_F(EngineTest, DegreesAndGradsHitTheQuadrantsExactly) {
    int32_t h = engine.ucParse("sin(x)");
    engine.ucSetTrigMode(2);
    const std::pair<const char*, double> exact[] = {
        {"sin(180)", 0},  {"sin(90)", 1},  {"cos(90)", 0},  {"sin(-90)", -1},
        {"cos(540)", -1}, {"asin(1)", 90}, {"acos(0)", 90}, {"atan(1)", 45},
        {"acot(0)", 90},  {"sinh(0)", 0},  {"tan(45)", 1},  {"sin(30)", std::sin(kPi / 6)}};
    int code = -1;
    for (auto [text, value] : exact) {
        EXPECT_DOUBLE_EQ(eval(text, 0, code), value) << text;
    }
    EXPECT_EQ(eval("sin(180)", 0, code), 0.0);
    eval("sec(90)", 0, code);
    EXPECT_EQ(code, number(SecDomain));
    eval("cot(-180)", 0, code);
    EXPECT_EQ(code, number(CotDomain));
    // an expression parsed before the change follows it
    engine.ucSetVariableValueDbl(x, 90);
    EXPECT_EQ(engine.ucEvaluate(h), 1.0);
    engine.ucSetTrigMode(3);
    engine.ucSetVariableValueDbl(x, 100);
    EXPECT_EQ(engine.ucEvaluate(h), 1.0);
    EXPECT_DOUBLE_EQ(eval("asin(1)", 0, code), 100);
    engine.ucSetTrigMode(7); // ignored
    EXPECT_DOUBLE_EQ(eval("asin(1)", 0, code), 100);
    engine.ucSetTrigMode(1);
    EXPECT_DOUBLE_EQ(eval("asin(1)", 0, code), kPi / 2);
}

TEST_F(EngineTest, ConstantsDefinedInDegreeModeStayRadian) {
    engine.ucSetTrigMode(2);
    engine.ucReset();
    engine.ucDefineVariable("pi=2*asin(1)");
    EXPECT_DOUBLE_EQ(engine.ucEval("pi"), kPi);
}

} // namespace
} // namespace vestrano::test
