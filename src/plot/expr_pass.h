#pragma once

#include <cstdint>
#include <string_view>

#include "engine/expr_engine.h"

namespace vestrano {

// The expressions one drawing pass parses; all of them are released when the pass ends,
// however it ends.
class ExprPass {
  public:
    explicit ExprPass(ExprEngine& engine) : engine_(engine) {}
    ~ExprPass() { engine_.ucReleaseExpr(count_); }
    ExprPass(const ExprPass&) = delete;
    ExprPass& operator=(const ExprPass&) = delete;

    int32_t parse(std::string_view text) {
        ++count_;
        return engine_.ucParse(text);
    }

  private:
    ExprEngine& engine_;
    int count_ = 0;
};

} // namespace vestrano
