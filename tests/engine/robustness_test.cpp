#include "engine_fixture.h"

#include <random>

#include "engine/errtext.h"

namespace vestrano::test {
namespace {

using enum ErrorCode;

TEST_F(EngineTest, BadTextsGiveCodes) {
    expectCodes(Brackets, {"(", ")", "((x)", "x)+("});
    expectCodes(UndefinedFunction, {"x(1)"});
    expectCodes(
        InvalidTerm,
        {"",      "   ", "()",  "2 3",     "(1,2)",   "sin(,1)", "sin(1,)",
         "*2",    "2*",  "!3",  "2 not 1", "1 = < 2", "x$",      "Gr\xC3\xB6\xC3\x9F\x65",
         "1\x01", "#",   "x:2", "&",       ".",       "1e",      std::string("1+\0002", 4)});
}

TEST_F(EngineTest, HugeAndDeepTextsAreRefusedNotCrashed) {
    const auto expectTooComplex = [this] {
        EXPECT_EQ(engine.ucGetError(), number(MessageInData));
        EXPECT_EQ(engine.ucGetErrorData(), "Term zu lang oder zu tief verschachtelt");
    };
    std::string deep = std::string(50000, '(') + "x" + std::string(50000, ')');
    engine.ucEval(deep);
    expectTooComplex();
    engine.ucEval(std::string(50000, '-') + "1");
    expectTooComplex();
    engine.ucEval(std::string(50000, '(') + "x");
    EXPECT_EQ(engine.ucGetError(), number(Brackets));
    std::string chain = "2";
    for (int i = 0; i < 3000; ++i) {
        chain += "^2";
    }
    engine.ucEval(chain);
    expectTooComplex();
    // 100 000 characters of a flat sum: too deep a tree for the compiler, refused plainly
    std::string sum = "x";
    while (sum.size() < 100000) {
        sum += "+x";
    }
    engine.ucEval(sum);
    expectTooComplex();
    // but a long sum of constants folds
    std::string ones = "1";
    for (int i = 1; i < 50000; ++i) {
        ones += "+1";
    }
    EXPECT_EQ(engine.ucEval(ones), 50000);
    // 200 nested brackets are fine
    EXPECT_EQ(engine.ucEval(std::string(200, '(') + "1" + std::string(200, ')')), 1);
}

TEST_F(EngineTest, FunctionsThatDoubleAtEachLevelRunFull) {
    engine.ucDefineFunctionDbl("f0(x)=x+x");
    for (int i = 1; i < 40; ++i) {
        engine.ucDefineFunctionDbl("f" + std::to_string(i) + "(x)=f" + std::to_string(i - 1) +
                                   "(x)*f" + std::to_string(i - 1) + "(x)");
    }
    engine.ucEval("f39(x)");
    EXPECT_EQ(engine.ucGetError(), number(DefinitionsFull));
    EXPECT_EQ(engine.ucEval("f3(1)"), 256);
    // a long chain of functions calling the next
    for (int i = 0; i < 2000; ++i) {
        engine.ucDefineFunctionDbl("c" + std::to_string(i) + "(x)=c" + std::to_string(i + 1) +
                                   "(x)+1");
    }
    engine.ucDefineFunctionDbl("c2000(x)=x");
    engine.ucEval("c0(1)");
    EXPECT_EQ(engine.ucGetError(), number(MessageInData));
    EXPECT_EQ(engine.ucEval("c1900(1)"), 101);
}

TEST_F(EngineTest, RandomBytesNeverCrash) {
    std::mt19937 rng(1234);
    const std::string alphabet = "x()+-*/^\\!=<>,.0123456789eE&HOBsinmodtr \"\x01\xC3";
    for (int i = 0; i < 20000; ++i) {
        std::string text(rng() % 24, ' ');
        for (char& ch : text) {
            ch = alphabet[rng() % alphabet.size()];
        }
        int32_t h = engine.ucParse(text);
        const int code = engine.ucGetError();
        ASSERT_GE(code, number(None)) << text;
        ASSERT_LE(code, kLastErrorCode) << text;
        // Every code the user can meet has a German text (the unknown variable is named).
        if (code != number(None) && code != number(MessageInData) &&
            code != number(UndefinedVariable)) {
            ASSERT_FALSE(errtext(engine, code).empty()) << text << " code " << code;
        }
        engine.ucEvaluate(h);
        std::vector<double> xs{-1, 0, 1}, out(3);
        std::vector<int> errs(3);
        engine.ucEvaluateBlock(h, x, xs, out, errs);
        for (int e : errs) {
            ASSERT_TRUE(e >= number(None) && e <= kLastErrorCode) << text;
        }
        engine.ucReleaseExpr(1);
        engine.ucEval(text);
        ASSERT_EQ(engine.ucEval("2*x+1"), 2 * engine.ucEval("x") + 1) << "after " << text;
        ASSERT_EQ(engine.ucGetError(), number(None)) << "after " << text;
    }
}

} // namespace
} // namespace vestrano::test
