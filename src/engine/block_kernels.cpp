#include "engine/block_kernels.h"

#include "engine/operators.h"

#include <algorithm>
#include <array>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vestrano {
namespace {

using kernels::Fn;

// The first error of a point stays.
inline int32_t keepFirst(int32_t old, int code) {
    return old != 0 ? old : code;
}

// Operand i of kind S: a row, the block variable or a slot value.
struct Operand {
    const double* row = nullptr;
    double value = 0;
};

template <Src S> inline double at(const Operand& o, std::size_t i) {
    if constexpr (S == Src::Slot) {
        return o.value;
    } else {
        return o.row[i];
    }
}

template <Src S> Operand operand(const BlockState& st, int stackRow, int32_t slot) {
    if constexpr (S == Src::Stack) {
        return Operand{st.row(stackRow), 0};
    } else if constexpr (S == Src::X) {
        return Operand{st.x, 0};
    } else {
        return Operand{nullptr, st.slots[slot]};
    }
}

template <NodeOp Op, Src A, Src B> void binaryRun(BlockState& st, const BInstr& in) {
    // Two stack operands: the lower row is the left one. One stack operand: in place.
    // No stack operand: a new row.
    constexpr int stackOperands = (A == Src::Stack) + (B == Src::Stack);
    int rowA = stackOperands == 2 ? st.top - 1 : st.top;
    Operand a = operand<A>(st, rowA, in.s1);
    Operand b = operand<B>(st, st.top, in.s2);
    if constexpr (stackOperands == 2) {
        --st.top;
    }
    if constexpr (stackOperands == 0) {
        ++st.top;
    }
    double* out = st.row(st.top);
    int32_t* e = st.err(st.errTop);
    VESTRANO_IVDEP
    for (std::size_t i = 0; i < kBlock; ++i) {
        int code = 0;
        out[i] = applyBinary(Op, at<A>(a, i), at<B>(b, i), code);
        if constexpr (canFail(Op, Fn::Count)) {
            e[i] = keepFirst(e[i], code);
        }
    }
}

// Square roots two at a time. std::sqrt stays scalar because of errno, and a row of scalar
// square roots is bound by the divider's throughput. Both round correctly, so the bits agree.
template <bool Checked> void sqrtRow(const double* in, double* out, int32_t* e) {
    if constexpr (Checked) {
        VESTRANO_IVDEP
        for (std::size_t i = 0; i < kBlock; ++i) {
            e[i] = keepFirst(e[i], in[i] < 0 ? number(ErrorCode::SqrtDomain) : 0);
        }
    }
#if defined(__SSE2__)
    for (std::size_t i = 0; i < kBlock; i += 2) {
        _mm_storeu_pd(out + i, _mm_sqrt_pd(_mm_loadu_pd(in + i)));
    }
#else
    for (std::size_t i = 0; i < kBlock; ++i) {
        out[i] = std::sqrt(in[i]);
    }
#endif
}

template <NodeOp Op, Fn F>
[[gnu::always_inline]] inline void unaryLoop(const double* in, double* out, int32_t* e,
                                             kernels::TrigMode mode) {
    VESTRANO_IVDEP
    for (std::size_t i = 0; i < kBlock; ++i) {
        int code = 0;
        if constexpr (Op == NodeOp::Func) {
            out[i] = kernels::apply<F>(in[i], mode, code);
        } else {
            out[i] = applyUnary(Op, F, in[i], mode, code);
        }
        if constexpr (canFail(Op, F)) {
            e[i] = keepFirst(e[i], code);
        }
    }
}

template <NodeOp Op, Fn F, Src A> void unaryRun(BlockState& st, const BInstr&) {
    const double* in = A == Src::X ? st.x : st.row(st.top);
    if constexpr (A == Src::X) {
        ++st.top;
    }
    double* out = st.row(st.top);
    int32_t* e = st.err(st.errTop);
    if constexpr (Op == NodeOp::Func && (F == Fn::Sqrt || F == Fn::SqrtOfNonNegative)) {
        return sqrtRow<F == Fn::Sqrt>(in, out, e);
    }
    // radians with the unit test taken out of the loop
    if (Op == NodeOp::Func && kernels::usesTrigMode(F) && st.mode == kernels::TrigMode::Radians) {
        return unaryLoop<Op, F>(in, out, e, kernels::TrigMode::Radians);
    }
    unaryLoop<Op, F>(in, out, e, st.mode);
}

template <Src A> void mulAddRun(BlockState& st, const BInstr& in) {
    const double* v = A == Src::X ? st.x : st.row(st.top);
    if constexpr (A == Src::X) {
        ++st.top;
    }
    double* out = st.row(st.top);
    double s1 = st.slots[in.s1], s2 = st.slots[in.s2];
    VESTRANO_IVDEP
    for (std::size_t i = 0; i < kBlock; ++i) {
        out[i] = v[i] * s1 + s2;
    }
}

template <bool Add, Src A> void thenMulRun(BlockState& st, const BInstr& in) {
    const double* v = A == Src::X ? st.x : st.row(st.top);
    if constexpr (A == Src::X) {
        ++st.top;
    }
    double* out = st.row(st.top);
    double s1 = st.slots[in.s1], s2 = st.slots[in.s2];
    VESTRANO_IVDEP
    for (std::size_t i = 0; i < kBlock; ++i) {
        if constexpr (Add) {
            out[i] = (v[i] + s1) * s2;
        } else {
            out[i] = (v[i] - s1) * s2;
        }
    }
}

template <bool Add> void addMulRun(BlockState& st, const BInstr& in) {
    double* v = st.row(st.top);
    const double* x = st.x;
    double s = st.slots[in.s1];
    VESTRANO_IVDEP
    for (std::size_t i = 0; i < kBlock; ++i) {
        if constexpr (Add) {
            v[i] = v[i] + s * x[i];
        } else {
            v[i] = v[i] - s * x[i];
        }
    }
}

void pushX(BlockState& st, const BInstr&) {
    ++st.top;
    std::copy(st.x, st.x + kBlock, st.row(st.top));
}

void pushSlot(BlockState& st, const BInstr& in) {
    ++st.top;
    std::fill(st.row(st.top), st.row(st.top) + kBlock, st.slots[in.s1]);
}

// Then and Else open the error rows of the two branches.
void openBranch(BlockState& st, const BInstr&) {
    ++st.errTop;
    std::fill(st.err(st.errTop), st.err(st.errTop) + kBlock, 0);
}

// Stack rows condition, yes, no -> one row; only the taken branch's errors count.
void endIf(BlockState& st, const BInstr&) {
    const double* c = st.row(st.top - 2);
    const double* yes = st.row(st.top - 1);
    const double* no = st.row(st.top);
    double* out = st.row(st.top - 2);
    int32_t* e = st.err(st.errTop - 2);
    const int32_t* eYes = st.err(st.errTop - 1);
    const int32_t* eNo = st.err(st.errTop);
    VESTRANO_IVDEP
    for (std::size_t i = 0; i < kBlock; ++i) {
        bool taken = c[i] != 0;
        out[i] = taken ? yes[i] : no[i];
        e[i] = keepFirst(e[i], taken ? eYes[i] : eNo[i]);
    }
    st.top -= 2;
    st.errTop -= 2;
}

template <Src Y, Src N> void selectRun(BlockState& st, const BInstr& in) {
    constexpr int rows = (Y == Src::Stack) + (N == Src::Stack);
    int cRow = st.top - rows;
    const double* c = st.row(cRow);
    Operand yes = operand<Y>(st, cRow + 1, in.s1);
    Operand no = operand<N>(st, st.top, in.s2);
    double* out = st.row(cRow);
    VESTRANO_IVDEP
    for (std::size_t i = 0; i < kBlock; ++i) {
        double y = at<Y>(yes, i), n = at<N>(no, i);
        out[i] = c[i] != 0 ? y : n;
    }
    st.top = cRow;
}

template <NodeOp Op> BlockKernel binaryFor(Src a, Src b) {
    using enum Src;
    if (a == Stack) {
        return b == Stack ? &binaryRun<Op, Stack, Stack>
               : b == X   ? &binaryRun<Op, Stack, X>
                          : &binaryRun<Op, Stack, Slot>;
    }
    if (a == X) {
        return b == Stack ? &binaryRun<Op, X, Stack>
               : b == X   ? &binaryRun<Op, X, X>
                          : &binaryRun<Op, X, Slot>;
    }
    return b == Stack ? &binaryRun<Op, Slot, Stack> : &binaryRun<Op, Slot, X>;
}

template <NodeOp Op, Fn F> BlockKernel unaryFor(Src a) {
    return a == Src::X ? &unaryRun<Op, F, Src::X> : &unaryRun<Op, F, Src::Stack>;
}

template <std::size_t... I> BlockKernel funcFor(Fn f, Src a, std::index_sequence<I...>) {
    static constexpr std::array<BlockKernel, sizeof...(I)> onStack{
        &unaryRun<NodeOp::Func, static_cast<Fn>(I), Src::Stack>...};
    static constexpr std::array<BlockKernel, sizeof...(I)> onX{
        &unaryRun<NodeOp::Func, static_cast<Fn>(I), Src::X>...};
    return (a == Src::X ? onX : onStack)[static_cast<std::size_t>(f)];
}

} // namespace

BlockKernel unaryKernel(NodeOp op, Fn fn, Src a) {
    switch (op) {
    case NodeOp::Neg:
        return unaryFor<NodeOp::Neg, Fn::Count>(a);
    case NodeOp::Not:
        return unaryFor<NodeOp::Not, Fn::Count>(a);
    case NodeOp::Fact:
        return unaryFor<NodeOp::Fact, Fn::Count>(a);
    case NodeOp::Sq:
        return unaryFor<NodeOp::Sq, Fn::Count>(a);
    case NodeOp::Cube:
        return unaryFor<NodeOp::Cube, Fn::Count>(a);
    default:
        return funcFor(fn, a, std::make_index_sequence<static_cast<std::size_t>(Fn::Count)>{});
    }
}

BlockKernel binaryKernel(NodeOp op, Src a, Src b) {
    switch (op) {
    case NodeOp::Add:
        return binaryFor<NodeOp::Add>(a, b);
    case NodeOp::Sub:
        return binaryFor<NodeOp::Sub>(a, b);
    case NodeOp::Mul:
        return binaryFor<NodeOp::Mul>(a, b);
    case NodeOp::Div:
        return binaryFor<NodeOp::Div>(a, b);
    case NodeOp::Pow:
        return binaryFor<NodeOp::Pow>(a, b);
    case NodeOp::IDiv:
        return binaryFor<NodeOp::IDiv>(a, b);
    case NodeOp::Mod:
        return binaryFor<NodeOp::Mod>(a, b);
    case NodeOp::Eq:
        return binaryFor<NodeOp::Eq>(a, b);
    case NodeOp::Ne:
        return binaryFor<NodeOp::Ne>(a, b);
    case NodeOp::Lt:
        return binaryFor<NodeOp::Lt>(a, b);
    case NodeOp::Gt:
        return binaryFor<NodeOp::Gt>(a, b);
    case NodeOp::Le:
        return binaryFor<NodeOp::Le>(a, b);
    case NodeOp::Ge:
        return binaryFor<NodeOp::Ge>(a, b);
    case NodeOp::And:
        return binaryFor<NodeOp::And>(a, b);
    case NodeOp::Or:
        return binaryFor<NodeOp::Or>(a, b);
    case NodeOp::Xor:
        return binaryFor<NodeOp::Xor>(a, b);
    case NodeOp::Eqv:
        return binaryFor<NodeOp::Eqv>(a, b);
    case NodeOp::Imp:
        return binaryFor<NodeOp::Imp>(a, b);
    case NodeOp::Min:
        return binaryFor<NodeOp::Min>(a, b);
    default:
        return binaryFor<NodeOp::Max>(a, b);
    }
}

BlockKernel mulAddKernel(Src a) {
    return a == Src::X ? &mulAddRun<Src::X> : &mulAddRun<Src::Stack>;
}

BlockKernel selectKernel(Src yes, Src no) {
    using enum Src;
    if (yes == Stack) {
        return no == Stack ? &selectRun<Stack, Stack>
               : no == X   ? &selectRun<Stack, X>
                           : &selectRun<Stack, Slot>;
    }
    if (yes == X) {
        return no == Stack ? &selectRun<X, Stack>
               : no == X   ? &selectRun<X, X>
                           : &selectRun<X, Slot>;
    }
    return no == Stack ? &selectRun<Slot, Stack>
           : no == X   ? &selectRun<Slot, X>
                       : &selectRun<Slot, Slot>;
}

BlockKernel thenMulKernel(bool add, Src a) {
    if (a == Src::X) {
        return add ? &thenMulRun<true, Src::X> : &thenMulRun<false, Src::X>;
    }
    return add ? &thenMulRun<true, Src::Stack> : &thenMulRun<false, Src::Stack>;
}

BlockKernel addMulKernel(bool add) {
    return add ? &addMulRun<true> : &addMulRun<false>;
}

BlockKernel controlKernel(BOp kind) {
    switch (kind) {
    case BOp::PushX:
        return &pushX;
    case BOp::PushSlot:
        return &pushSlot;
    case BOp::EndIf:
        return &endIf;
    default:
        return &openBranch;
    }
}

} // namespace vestrano
