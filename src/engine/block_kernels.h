#pragma once

#include "engine/expr_tree.h"
#include "engine/math_kernels.h"

#include <cstddef>
#include <cstdint>

// Block loops have no dependence between points; an output row may be one of the input
// rows (same index only), which this pragma lets the vectoriser assume.
#if defined(__clang__)
#define VESTRANO_IVDEP _Pragma("clang loop vectorize(assume_safety)")
#elif defined(__GNUC__)
#define VESTRANO_IVDEP _Pragma("GCC ivdep") _Pragma("GCC unroll 4")
#else
#define VESTRANO_IVDEP
#endif

namespace vestrano {

// Points per block: every instruction loops over this many values.
inline constexpr std::size_t kBlock = 256;

// Where an operand of a block instruction comes from.
enum class Src : uint8_t {
    Stack, // the top row of the value stack (the lower row for the left of two)
    X,     // the block variable's values
    Slot,  // a value the same for every point, computed once per call
};

// Value rows, error rows and inputs of one block evaluation. Error rows keep the first
// error code of each point; an iif gives each branch a row of its own.
struct BlockState {
    double* stack = nullptr;
    int top = -1;
    int32_t* errors = nullptr;
    int errTop = 0;
    const double* x = nullptr;
    const double* slots = nullptr;
    kernels::TrigMode mode = kernels::TrigMode::Radians;

    double* row(int k) const { return stack + static_cast<std::ptrdiff_t>(k) * kBlock; }
    int32_t* err(int k) const { return errors + static_cast<std::ptrdiff_t>(k) * kBlock; }
};

struct BInstr;
using BlockKernel = void (*)(BlockState&, const BInstr&);

enum class BOp : uint8_t {
    Unary,
    Binary,
    MulAdd,
    AddMul,
    SubMul,
    AddThenMul,
    SubThenMul,
    PushX,
    PushSlot,
    Then,
    Else,
    EndIf,
    Select, // iif of a program that cannot fail: no error rows
};

struct BInstr {
    BlockKernel run = nullptr;
    BOp kind = BOp::PushX;
    NodeOp sub = NodeOp::Const;
    kernels::Fn fn = kernels::Fn::Count;
    Src a = Src::Stack, b = Src::Stack;
    int32_t s1 = -1, s2 = -1; // slots
};

// Kernels for an instruction; `a` and `b` as in BInstr. Binary: (Slot, Slot) is not allowed.
BlockKernel unaryKernel(NodeOp op, kernels::Fn fn, Src a);
BlockKernel binaryKernel(NodeOp op, Src a, Src b);
BlockKernel mulAddKernel(Src a);            // a * s1 + s2
BlockKernel addMulKernel(bool add);         // top +/- s1 * x
BlockKernel thenMulKernel(bool add, Src a); // (a +/- s1) * s2
BlockKernel controlKernel(BOp kind);        // PushX, PushSlot, Then, Else, EndIf
// Condition row on the stack, yes and no from `yes` and `no` (s1, s2 for slots).
BlockKernel selectKernel(Src yes, Src no);

} // namespace vestrano
