#include "engine_fixture.h"

namespace vestrano::test {
namespace {

using enum ErrorCode;

TEST_P(CaseTable, GivesValueOrCode) {
    const Case& c = GetParam();
    int code = -1;
    double v = eval(c.text, c.x, code);
    EXPECT_EQ(code, number(c.code));
    if (c.code == ErrorCode::None) {
        EXPECT_DOUBLE_EQ(v, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Literals, CaseTable,
    ::testing::Values(Case{"12", 0, 12}, Case{"1.5", 0, 1.5}, Case{".5", 0, 0.5},
                      Case{"1E-10", 0, 1e-10}, Case{"2e+3", 0, 2000}, Case{"1e400", 0, HUGE_VAL},
                      Case{"&H1F", 0, 31}, Case{"&h1f", 0, 31}, Case{"&O17", 0, 15},
                      Case{"&B101", 0, 5}, Case{"&H", 0, 0, BadHex}, Case{"&H1G", 0, 0, BadHex},
                      Case{"&O18", 0, 0, BadOctal}, Case{"&B102", 0, 0, BadBinary},
                      Case{"&X1", 0, 0, InvalidTerm}, Case{"1.2.3", 0, 0, InvalidTerm},
                      Case{"1+\"2\"", 0, 0, Quote}, Case{"(1+\"", 0, 0, Quote},
                      Case{"  7 ", 0, 7}));

INSTANTIATE_TEST_SUITE_P(
    Precedence, CaseTable,
    ::testing::Values(Case{"-x^2", 3, -9}, Case{"2^3^2", 0, 512}, Case{"2^-3", 0, 0.125},
                      Case{"2^-1^2", 0, 0.5}, Case{"-2*-3", 0, 6}, Case{"2--3", 0, 5},
                      Case{"+x", 4, 4}, Case{"1+2*3", 0, 7}, Case{"7-2-1", 0, 4},
                      Case{"8/4/2", 0, 1}, Case{"2*7\\2", 0, 7}, Case{"7\\2*2", 0, 1},
                      Case{"-7\\2", 0, -3}, Case{"7 div 2", 0, 3}, Case{"1+7 mod 4", 0, 4},
                      Case{"7 mod -2", 0, 1}, Case{"-7 mod 2", 0, -1}, Case{"8 mod 3\\2", 0, 0},
                      Case{"3!", 0, 6}, Case{"-3!", 0, -6}, Case{"2^3!", 0, 64},
                      Case{"3!!", 0, 720}, Case{"0!", 0, 1}, Case{"0.5!", 0, 0.88622692545275801},
                      Case{"170!>1e306", 0, 1}, Case{"171!", 0, 0, FactorialOverflow},
                      Case{"(-1)!", 0, 0, FactorialOverflow},
                      Case{"(-0.5)!", 0, 1.7724538509055159}));

INSTANTIATE_TEST_SUITE_P(
    Logic, CaseTable,
    ::testing::Values(Case{"1<2", 0, 1}, Case{"2<=1", 0, 0}, Case{"1<>1", 0, 0}, Case{"1=1", 0, 1},
                      Case{"x>=2", 2, 1}, Case{"1+1=2", 0, 1}, Case{"not 1=2", 0, 1},
                      Case{"not 0 and 0", 0, 0}, Case{"NOT 5", 0, 0}, Case{"2 and 4", 0, 1},
                      Case{"0 or 3", 0, 1}, Case{"1 xor 1", 0, 0}, Case{"0 eqv 0", 0, 1},
                      Case{"1 imp 0", 0, 0}, Case{"0 imp 0", 0, 1}, Case{"1 or 1 and 0", 0, 1},
                      Case{"1 xor 1 or 1", 0, 0}, Case{"0 imp 1 eqv 0", 0, 1},
                      Case{"1<2<3", 0, 1}));

INSTANTIATE_TEST_SUITE_P(
    ArithmeticCodes, CaseTable,
    ::testing::Values(Case{"1/0", 0, 0, DivisionByZero}, Case{"x/x", 0, 0, DivisionByZero},
                      Case{"1/x", 0, 0, DivisionByZero}, Case{"5\\0", 0, 0, IntegerDivisionByZero},
                      Case{"5 div x", 0, 0, IntegerDivisionByZero},
                      Case{"5 mod 0", 0, 0, DivisionByZero}, Case{"0^-1", 0, 0, Exponent},
                      Case{"(-8)^(1/3)", 0, 0, Exponent}, Case{"x^0.5", -4, 0, Exponent},
                      Case{"(-2)^3", 0, -8}, Case{"0^0", 0, 1}, Case{"1e308*10", 0, HUGE_VAL},
                      Case{"sqrt(-1)+1/0", 0, 0, SqrtDomain}));

TEST_F(EngineTest, FoldsConstantsButLeavesDomainErrorsToEvaluation) {
    int32_t h = engine.ucParse("2*3+x");
    EXPECT_EQ(engine.dump(h).find("const 2\n"), std::string::npos) << engine.dump(h);
    EXPECT_NE(engine.dump(h).find("const 6\n"), std::string::npos) << engine.dump(h);
    h = engine.ucParse("1/0");
    EXPECT_EQ(engine.ucGetError(), number(None));
    engine.ucEvaluate(h);
    EXPECT_EQ(engine.ucGetError(), number(DivisionByZero));
}

} // namespace
} // namespace vestrano::test
