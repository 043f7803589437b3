#pragma once

#include "engine/expr_tree.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace vestrano {

// Instructions of the per-sample program: a value stack whose top lives in a register.
// "M" operands are read through a pointer (a variable or a constant of the tree).
enum class SOp : uint8_t {
    PushM,
    PushSqM,   // push *p1 * *p1
    PushAddMM, // push *p1 + *p2
    PushSubMM,
    PushMulMM,
    PushNegM, // push -*p1
    Call,     // top = call(top): a built-in function
    Unary,    // sub: any other operator on the top
    Neg,
    Sq,
    Cube,
    Add, // stack operands: top = below op top
    Sub,
    Mul,
    Div,
    Bin, // sub: any other operator on two stack operands
    AddM,
    SubM,
    MulM,
    DivM,
    RSubM,    // top = *p1 - top
    RDivM,    // top = *p1 / top
    BinM,     // top = sub(top, *p1)
    BinRM,    // top = sub(*p1, top)
    MulAddMM, // top = top * *p1 + *p2
    AddMulMM, // top = top + *p1 * *p2
    SubMulMM, // top = top - *p1 * *p2
    JumpIfZero,
    JumpUnlessMM, // jump unless *p1 sub *p2 (a comparison)
    JumpUnlessM,  // pop; jump unless top sub *p1
    Jump,
    End,
};

struct SInstr {
    SOp op = SOp::End;
    NodeOp sub = NodeOp::Const;
    kernels::Fn fn = kernels::Fn::Count;
    int32_t target = 0; // jumps: distance to the next instruction to run
    const double* p1 = nullptr;
    const double* p2 = nullptr;
    kernels::ScalarKernel call = nullptr;
};

struct ScalarProgram {
    std::vector<SInstr> code;
    std::size_t stackSize = 1;
    bool calls = false; // whether an instruction calls out of line
};

ScalarProgram compileScalar(const ExprTree& tree, int32_t root);

std::string dumpScalar(const ScalarProgram& p);

// Runs the program; on a domain error sets `err` and returns NaN. `stack` holds stackSize
// values.
double runScalar(const ScalarProgram& p, kernels::TrigMode mode, int& err, double* stack);

// NaN results all come out as the same quiet NaN, so that results compare bit for bit.
inline double canonical(double v) {
    return v != v ? std::numeric_limits<double>::quiet_NaN() : v;
}

} // namespace vestrano
