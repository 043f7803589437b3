#include "terms/evaltext.h"

#include <cmath>

#include <gtest/gtest.h>

#include "engine/engine_error.h"
#include "state/plot_state.h"
#include "terms/engine_setup.h"

namespace vestrano {
namespace {

class EvalNumber : public ::testing::Test {
  protected:
    PlotState state;
    ExprEngine& engine = state.engine;

    void SetUp() override { setupEngine(state); }
};

// A value too large for a double overflows without an engine error.
constexpr const char* kOverflow = "1e308*10";

TEST_F(EvalNumber, TakesADecimalCommaAndOnlyTheBoxesThatNeedItRejectAnInfiniteValue) {
    EXPECT_EQ(evalnumber(engine, "2,5*2"), 5.0);
    EXPECT_FALSE(evalnumber(engine, kOverflow));
    EXPECT_EQ(engine.ucGetError(), number(ErrorCode::None));
    const auto any = evalnumber(engine, kOverflow, Finite::NotRequired, OnFailure::ClearError);
    ASSERT_TRUE(any);
    EXPECT_TRUE(std::isinf(*any));
    EXPECT_FALSE(evalnumber(engine, kOverflow, Finite::Required, OnFailure::ClearError));
    EXPECT_EQ(engine.ucGetError(), number(ErrorCode::None));
}

TEST_F(EvalNumber, TheEngineErrorStaysOnlyForCallersThatReportIt) {
    EXPECT_FALSE(evalnumber(engine, "1+"));
    EXPECT_NE(engine.ucGetError(), number(ErrorCode::None));
    EXPECT_FALSE(evalnumber(engine, "1+", Finite::Required, OnFailure::ClearError));
    EXPECT_EQ(engine.ucGetError(), number(ErrorCode::None));
    EXPECT_FALSE(evalnumber(engine, "1+", Finite::NotRequired, OnFailure::ClearError));
    EXPECT_EQ(engine.ucGetError(), number(ErrorCode::None));
}

} // namespace
} // namespace vestrano
