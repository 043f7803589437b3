#pragma once

#include "engine/block_program.h"
#include "engine/engine_error.h"
#include "engine/expr_tree.h"
#include "engine/scalar_program.h"

#include <memory>
#include <vector>

namespace vestrano {

// One parsed text: its tree, the per-sample program and, once asked for, the block program
// for one block variable. A failed parse keeps its error to report it on every evaluation.
struct Expression {
    ExprTree tree;
    int32_t root = -1;
    EngineError error;
    ScalarProgram program;
    std::vector<double> stack;
    std::unique_ptr<BlockProgram> block; // for block->variable()

    double evaluate(kernels::TrigMode mode, int& err) {
        return runScalar(program, mode, err, stack.data());
    }
};

} // namespace vestrano
