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
    PushNegM,    // push -*p1
    PushCubeM,   // push *p1 * *p1 * *p1
    PushSqAddMM, // push *p1 * *p1 + *p2
    Call,        // top = call(top, mode): a built-in function that can fail
    CallPlain,   // top = plain(top): one that cannot fail and ignores the angle unit
    CallTrig,    // plain in radians, call otherwise
    Unary,       // sub: any other operator on the top
    Neg,
    Sq,
    Cube,
    Abs,
    Sqrt,
    RootOfNonNegative, // sqrt without a check
    Add,               // stack operands: top = below op top
    Sub,
    Mul,
    Div,
    Bin, // sub: any other operator on two stack operands
    AddM,
    SubM,
    MulM,
    DivM,
    RSubM,        // top = *p1 - top
    RDivM,        // top = *p1 / top
    BinM,         // top = sub(top, *p1)
    BinRM,        // top = sub(*p1, top)
    MulAddMM,     // top = top * *p1 + *p2
    AddMulMM,     // top = top + *p1 * *p2
    SubMulMM,     // top = top - *p1 * *p2
    AddThenMulMM, // top = (top + *p1) * *p2
    SubThenMulMM, // top = (top - *p1) * *p2
    JumpIfZero,
    JumpUnlessMM, // jump unless *p1 sub *p2 (a comparison, see `holds`)
    JumpUnlessM,  // pop; jump unless top sub *p1
    Jump,
    Return, // a jump to the end
    End,    // the last instruction
};

struct SInstr {
    SOp op = SOp::End;
    NodeOp sub = NodeOp::Const;
    kernels::Fn fn = kernels::Fn::Count;
    uint8_t holds = 0;  // comparison jumps: comparisonMask(sub)
    int32_t target = 0; // jumps: distance to the next instruction to run
    const double* p1 = nullptr;
    const double* p2 = nullptr;
    kernels::ScalarKernel call = nullptr;
    kernels::PlainKernel plain = nullptr;
    const void* handler = nullptr; // the interpreter's code for `op`
};

// Bit k is set when the comparison holds for the outcome k of comparing a with b: less (0),
// equal (1), greater (2), unordered (3). Testing a bit needs no branch on the operator.
constexpr uint8_t comparisonMask(NodeOp op) {
    switch (op) {
    case NodeOp::Eq:
        return 0b0010;
    case NodeOp::Ne:
        return 0b1101;
    case NodeOp::Lt:
        return 0b0001;
    case NodeOp::Gt:
        return 0b0100;
    case NodeOp::Le:
        return 0b0011;
    default:
        return 0b0110;
    }
}

inline bool holds(uint8_t mask, double a, double b) {
    int outcome = (a == b) + 2 * (a > b) + 3 * (a != a || b != b);
    return (mask >> outcome) & 1;
}

// Runs a program's code; on a domain error sets `err` and returns NaN. `stack` holds stackSize
// values. Called without a stack it threads the code instead (sets every `handler` up to End),
// because only the interpreter knows where its handlers are.
using ScalarRunner = double (*)(const SInstr* code, double* stack, kernels::TrigMode mode,
                                int& err);

struct ScalarProgram {
    std::vector<SInstr> code;
    std::size_t stackSize = 1;
    bool calls = false;         // whether an instruction calls out of line
    ScalarRunner run = nullptr; // the interpreter the code is threaded for
};

ScalarProgram compileScalar(const ExprTree& tree, int32_t root);

std::string dumpScalar(const ScalarProgram& p);

inline double runScalar(const ScalarProgram& p, kernels::TrigMode mode, int& err, double* stack) {
    return p.run(p.code.data(), stack, mode, err);
}

// NaN results all come out as the same quiet NaN, so that results compare bit for bit.
inline double canonical(double v) {
    return v != v ? std::numeric_limits<double>::quiet_NaN() : v;
}

} // namespace vestrano
