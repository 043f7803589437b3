#pragma once

#include "engine/block_kernels.h"
#include "engine/expr_tree.h"
#include "engine/scalar_program.h"

#include <span>
#include <string>
#include <vector>

namespace vestrano {

// An expression compiled for whole blocks of values of one variable. Every part that does not
// depend on that variable is computed once per call into a slot (so current values of the
// other variables are folded in); the rest runs instruction by instruction over blocks.
class BlockProgram {
  public:
    BlockProgram(const ExprTree& tree, int32_t root, const double* blockVariable);

    const double* variable() const { return variable_; }

    // false when a part computed once per call has a domain error: the caller then evaluates
    // point by point, which places that error exactly as the per-sample path does.
    bool run(std::span<const double> xs, std::span<double> out, std::span<int> errs,
             kernels::TrigMode mode);

    std::string dump() const;

  private:
    friend class BlockCompiler;

    struct SlotSource {
        const double* address = nullptr; // a constant or another variable
        ScalarProgram program;           // otherwise
        std::vector<double> stack;
    };

    bool computeSlots(kernels::TrigMode mode);
    void runBlock(const double* x, kernels::TrigMode mode);

    const double* variable_;
    std::vector<SlotSource> sources_;
    std::vector<BInstr> code_;
    bool canFail_ = false; // false: no error rows at all
    int stackRows_ = 1;
    int errorRows_ = 1;
    std::vector<double> slots_;
    std::vector<double> rows_;
    std::vector<int32_t> errors_;
    std::vector<double> padded_;
};

} // namespace vestrano
