#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/engine_error.h"

namespace vestrano {

// Parses a term once into an expression handle and evaluates it many times with
// changed variable values. Names are case-insensitive; truth values are 1 and 0.
// Error codes and their meaning are those of errtext().
class ExprEngine {
  public:
    ExprEngine();
    ~ExprEngine();
    ExprEngine(const ExprEngine&) = delete;
    ExprEngine& operator=(const ExprEngine&) = delete;

    // Drops every definition, variable, alias and parsed expression.
    void ucReset();
    // "name", "name=expr" or "name$=expr"; returns the variable handle (-1 on error).
    int32_t ucDefineVariable(std::string_view definition);
    // "name(a, b)=body"; the body is bound late, at the parse of each caller.
    void ucDefineFunctionDbl(std::string_view definition, int callback = 0);
    void ucAlias(std::string_view newName, std::string_view existingName);
    // Returns an expression handle; on a syntax error or an undefined name the error is set.
    int32_t ucParse(std::string_view text);
    void ucSetVariableValueDbl(int32_t handle, double value) {
        auto index = static_cast<uint64_t>(int64_t{handle} - firstVariable_);
        if (index >= variableCount_) [[unlikely]] {
            return unknownVariable();
        }
        *variables_[index] = value;
    }
    double ucEvaluate(int32_t expr);
    // Parse and evaluate at once; std::nullopt only clears the error.
    double ucEval(std::optional<std::string_view> text);
    int ucGetError() const { return error_; }
    std::string ucGetErrorData() const;
    // 1 radians, 2 degrees, 3 grads.
    void ucSetTrigMode(int mode);
    // Frees the `count` most recently parsed expressions.
    void ucReleaseExpr(int count);

    // Evaluates `expr` for every value of the variable `varHandle` in `xs`; errs[i] gets the
    // error code of point i (0 = none). Results equal the per-sample path's. Afterwards the
    // variable holds the last value of xs and the engine's error is clear.
    void ucEvaluateBlock(int32_t expr, int32_t varHandle, std::span<const double> xs,
                         std::span<double> out, std::span<int> errs);

    // Readable listing of a compiled expression, for failing tests.
    std::string dump(int32_t expr) const;

  private:
    struct Impl;

    void setError(int code, std::string data = {});
    void setError(ErrorCode code, std::string data = {}) {
        setError(number(code), std::move(data));
    }
    void clearError() { error_ = 0; }
    void refreshVariables();
    void unknownVariable();
    double evaluationFailed(int32_t expr);

    // The per-sample calls (set a variable, evaluate, read the error) use these directly; the
    // other operations keep them current.
    double* const* variables_ = nullptr; // the storage of handle firstVariable_ + i
    uint64_t variableCount_ = 0;
    int32_t firstVariable_ = 0;
    int error_ = 0;
    std::unique_ptr<Impl> impl_;
};

} // namespace vestrano
