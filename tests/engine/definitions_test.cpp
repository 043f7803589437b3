#include "engine_fixture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vestrano::test {
namespace {

using enum ErrorCode;

TEST_F(EngineTest, UserFunctionsAreBoundAtEachParse) {
    engine.ucDefineFunctionDbl("f(x)=x^2+1");
    engine.ucDefineFunctionDbl("g(t)=f(t)*2");
    int32_t before = engine.ucParse("g(3)");
    engine.ucDefineFunctionDbl("f(x)=x");
    int32_t after = engine.ucParse("g(3)");
    EXPECT_EQ(engine.ucEvaluate(before), 20);
    EXPECT_EQ(engine.ucEvaluate(after), 6);
    // another arity is another function
    engine.ucDefineFunctionDbl("f(a, b)=a-b");
    EXPECT_EQ(engine.ucEval("f(5,2)+f(4)"), 7);
    // parameters shadow variables; other names are the caller's globals
    engine.ucSetVariableValueDbl(engine.ucDefineVariable("a"), 100);
    engine.ucDefineFunctionDbl("h(X) = x + a");
    EXPECT_EQ(engine.ucEval("h(1)"), 101);
}

TEST_F(EngineTest, EmptyBodyGivesZeroButItsArgumentsAreStillChecked) {
    engine.ucDefineFunctionDbl("f(x)=");
    EXPECT_EQ(engine.ucGetError(), number(None));
    EXPECT_EQ(engine.ucEval("f(5)+1"), 1);
    engine.ucEval("f(q)");
    EXPECT_EQ(engine.ucGetError(), number(UndefinedVariable));
    EXPECT_EQ(engine.ucGetErrorData(), "q");
}

TEST_F(EngineTest, RecursionIsAnErrorOfTheCallersParse) {
    engine.ucDefineFunctionDbl("f(x)=g(x)+1");
    engine.ucDefineFunctionDbl("g(x)=f(x)*2");
    EXPECT_EQ(engine.ucGetError(), number(None)); // bound late: defining is fine
    int32_t h = engine.ucParse("1+f(2)");
    EXPECT_EQ(engine.ucGetError(), number(MessageInData));
    EXPECT_EQ(engine.ucGetErrorData(), "Rekursive Definition: f");
    engine.ucEvaluate(h);
    EXPECT_EQ(engine.ucGetError(), number(MessageInData));
    engine.ucDefineFunctionDbl("r(x)=r(x-1)");
    engine.ucEval("r(3)");
    EXPECT_EQ(engine.ucGetErrorData(), "Rekursive Definition: r");
    // the same function twice side by side is no recursion
    engine.ucDefineFunctionDbl("g(x)=x+1");
    EXPECT_EQ(engine.ucEval("g(g(1))"), 3);
}

TEST_F(EngineTest, BadDefinitionsAreRejected) {
    const char* bad[] = {"f(x)",     "f(x=1",  "(x)=1",   "f(x,x)=1", "f(x,)=1",
                         "and(x)=1", "f(1)=2", "f(x)=x+", "f(x)=(x"};
    const ErrorCode codes[] = {InvalidTerm, InvalidTerm, InvalidTerm, InvalidTerm, InvalidTerm,
                               InvalidTerm, InvalidTerm, InvalidTerm, Brackets};
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        engine.ucDefineFunctionDbl(bad[i]);
        EXPECT_EQ(engine.ucGetError(), number(codes[i])) << bad[i];
    }
    engine.ucEval("f(1)");
    EXPECT_EQ(engine.ucGetError(), number(UndefinedFunction));
}

TEST_F(EngineTest, VariableDefinitions) {
    int32_t a = engine.ucDefineVariable("a");
    EXPECT_EQ(engine.ucEval("a"), 0);
    int32_t b = engine.ucDefineVariable("b$=2*asin(1)");
    EXPECT_DOUBLE_EQ(engine.ucEval("b"), 3.14159265358979323846);
    EXPECT_EQ(engine.ucDefineVariable("c = 3.5 "), b + 1);
    EXPECT_EQ(engine.ucEval("c"), 3.5);
    // redefining keeps the handle, so parsed expressions see the new value
    engine.ucSetVariableValueDbl(a, 7);
    int32_t h = engine.ucParse("A*2");
    EXPECT_EQ(engine.ucDefineVariable("A=4"), a);
    EXPECT_EQ(engine.ucEvaluate(h), 8);
    EXPECT_EQ(engine.ucDefineVariable("a"), a);
    EXPECT_EQ(engine.ucEvaluate(h), 0);
    const std::pair<const char*, ErrorCode> bad[] = {
        {"", InvalidTerm},    {"1a", InvalidTerm},       {"a b", InvalidTerm},
        {"mod", InvalidTerm}, {"d=1/0", DivisionByZero}, {"d=zz", UndefinedVariable},
        {"d=(", Brackets}};
    for (auto [text, code] : bad) {
        EXPECT_EQ(engine.ucDefineVariable(text), -1) << text;
        EXPECT_EQ(engine.ucGetError(), number(code)) << text;
    }
    engine.ucEval("d");
    EXPECT_EQ(engine.ucGetError(), number(UndefinedVariable));
}

TEST_F(EngineTest, AliasesBehaveLikeTheirTarget) {
    int code = -1;
    eval("nicht 0 und 1", 0, code); // "und" is converted before text reaches the engine
    EXPECT_EQ(code, number(InvalidTerm));
    EXPECT_EQ(eval("nicht 0 and nicht 0", 0, code), 1);
    EXPECT_EQ(code, number(None));
    engine.ucAlias("y", "x"); // a variable
    EXPECT_EQ(eval("y*2", 4, code), 8);
    engine.ucAlias("modulo", "mod");
    engine.ucAlias("rest", "modulo"); // alias of an alias
    EXPECT_EQ(eval("7 rest 4", 0, code), 3);
    engine.ucDefineFunctionDbl("q(a)=a*a");
    engine.ucAlias("quadrat", "q");
    EXPECT_EQ(eval("quadrat(3)", 0, code), 9);
    engine.ucAlias("zz", "ZZ");
    EXPECT_EQ(engine.ucGetError(), number(InvalidTerm));
    engine.ucAlias("or", "and");
    EXPECT_EQ(engine.ucGetError(), number(InvalidTerm));
    // a definition under an alias's name replaces the alias
    engine.ucDefineVariable("y=5");
    EXPECT_EQ(eval("y", 4, code), 5);
}

// The way the program finds parameters: evaluate, define the one name reported, repeat.
TEST_F(EngineTest, UndefinedNamesAreReportedOneByOneInTextOrder) {
    std::vector<std::string> found;
    for (int round = 0; round < 10; ++round) {
        engine.ucEval("Bb*x^2 + sin(a*x) + f(c) + bb");
        if (engine.ucGetError() != number(UndefinedVariable)) {
            break;
        }
        found.push_back(engine.ucGetErrorData());
        engine.ucEval(std::nullopt);
        engine.ucDefineVariable(found.back());
    }
    EXPECT_EQ(found, (std::vector<std::string>{"Bb", "a"}));
    EXPECT_EQ(engine.ucGetError(), number(UndefinedFunction));
    EXPECT_EQ(engine.ucGetErrorData(), "f");
    engine.ucParse("a+");
    EXPECT_EQ(engine.ucGetError(), number(InvalidTerm));
}

TEST_F(EngineTest, ErrorStaysUntilTheNextCallThatClearsIt) {
    engine.ucEval("1/0");
    engine.ucSetVariableValueDbl(x, 2);
    EXPECT_EQ(engine.ucGetError(), number(DivisionByZero));
    EXPECT_EQ(engine.ucEval(std::nullopt), 0);
    EXPECT_EQ(engine.ucGetError(), number(None));
    engine.ucEval("zz");
    EXPECT_EQ(engine.ucGetErrorData(), "zz");
    engine.ucDefineVariable("zz");
    EXPECT_EQ(engine.ucGetError(), number(None));
    EXPECT_EQ(engine.ucGetErrorData(), "");
    engine.ucSetVariableValueDbl(12345, 1);
    EXPECT_EQ(engine.ucGetError(), number(InvalidTerm));
    // an arithmetic error carries no data, whatever an earlier error named
    int32_t h = engine.ucParse("1/x");
    engine.ucEval("yy");
    engine.ucSetVariableValueDbl(x, 0);
    engine.ucEvaluate(h);
    EXPECT_EQ(engine.ucGetError(), number(DivisionByZero));
    EXPECT_EQ(engine.ucGetErrorData(), "");
}

TEST_F(EngineTest, VariableHandlesStayValidWhileTheTableGrows) {
    int32_t h = engine.ucParse("x*2");
    int32_t last = -1;
    for (int i = 0; i < 1000; ++i) {
        last = engine.ucDefineVariable("v" + std::to_string(i));
    }
    engine.ucSetVariableValueDbl(x, 21);
    EXPECT_EQ(engine.ucEvaluate(h), 42);
    for (int32_t bad : {-1, last + 1, INT32_MIN, INT32_MAX}) {
        engine.ucSetVariableValueDbl(bad, 1);
        EXPECT_EQ(engine.ucGetError(), number(InvalidTerm)) << bad;
        engine.ucEval(std::nullopt);
    }
    EXPECT_EQ(engine.ucEvaluate(h), 42);
}

TEST_F(EngineTest, HandlesAreReleasedNewestFirst) {
    int32_t keep = engine.ucParse("x+1");
    int32_t h1 = engine.ucParse("x+2");
    engine.ucDefineFunctionDbl("f(x)=1"); // counted by callers, but stays defined
    int32_t h2 = engine.ucParse("x+3");
    engine.ucReleaseExpr(3);
    engine.ucEvaluate(h1);
    EXPECT_EQ(engine.ucGetError(), number(InvalidTerm));
    engine.ucEvaluate(h2);
    EXPECT_EQ(engine.ucGetError(), number(InvalidTerm));
    engine.ucSetVariableValueDbl(x, 1);
    EXPECT_EQ(engine.ucEvaluate(keep), 2);
    EXPECT_EQ(engine.ucEval("f(0)"), 1);
    // a slot freed and reused does not revive the old handle
    int32_t h3 = engine.ucParse("x+4");
    EXPECT_NE(h3, h1);
    engine.ucEvaluate(h1);
    EXPECT_EQ(engine.ucGetError(), number(InvalidTerm));
    engine.ucReleaseExpr(100);
    engine.ucReleaseExpr(-1);
    engine.ucEvaluate(keep);
    EXPECT_EQ(engine.ucGetError(), number(InvalidTerm));
}

TEST_F(EngineTest, ResetDropsEverything) {
    int32_t h = engine.ucParse("x+1");
    engine.ucReset();
    engine.ucEvaluate(h);
    EXPECT_EQ(engine.ucGetError(), number(InvalidTerm));
    engine.ucSetVariableValueDbl(x, 1);
    EXPECT_EQ(engine.ucGetError(), number(InvalidTerm));
    expectCodes(UndefinedVariable, {"x", "pi"});
    expectCodes(UndefinedFunction, {"wurzel(4)", "betrag(1)"});
    EXPECT_EQ(engine.ucEval("sqrt(4)"), 2);
}

TEST_F(EngineTest, ParsingInALoopWithReleaseStaysBounded) {
    for (int i = 0; i < 200000; ++i) {
        int32_t h = engine.ucParse("x*2");
        ASSERT_GE(h, 0);
        engine.ucReleaseExpr(1);
    }
    // without releasing, the engine runs full instead of growing without end
    int32_t last = 0;
    for (int i = 0; i < 70000 && last >= 0; ++i) {
        last = engine.ucParse("1");
    }
    EXPECT_EQ(last, -1);
    EXPECT_EQ(engine.ucGetError(), number(DefinitionsFull));
}

} // namespace
} // namespace vestrano::test
