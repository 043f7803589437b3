#include "engine/scalar_eval.h"

#include "engine/operators.h"

namespace vestrano {
namespace {

// Rare operators stay out of line, so the interpreter needs few registers.
[[gnu::noinline]] double unarySlow(const SInstr& in, double x, kernels::TrigMode m, int& e) {
    return applyUnary(in.sub, in.fn, x, m, e);
}

[[gnu::noinline]] double binarySlow(NodeOp op, double a, double b, int& e) {
    return applyBinary(op, a, b, e);
}

// Points every instruction up to End at its handler.
double thread(SInstr* code, void* const* handlers) {
    for (SInstr* in = code;; ++in) {
        in->handler = handlers[static_cast<int>(in->op)];
        if (in->op == SOp::End) {
            return 0;
        }
    }
}

// The per-sample hot path. Each handler jumps straight to the next one, whose label address (a
// GCC/Clang extension) the instruction carries: one indirect jump per handler predicts far
// better than the single shared jump of a switch, and needs no table look-up. The top of the
// stack lives in a register, and the first domain error ends the run (later errors could not
// change the code). Programs that call nothing out of line run in a copy without those
// handlers: a function that makes no calls saves no registers, a good part of a short
// program's time.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
template <bool Calls>
double interpret(const SInstr* code, double* stack, kernels::TrigMode mode, int& err) {
    // in the order of SOp
    static constexpr void* handlers[] = {
        &&pushM,      &&pushSqM,      &&pushAddMM,   &&pushSubMM, &&pushMulMM,    &&pushNegM,
        &&pushCubeM,  &&pushSqAddMM,  &&call,        &&callPlain, &&callTrig,     &&unary,
        &&neg,        &&sq,           &&cube,        &&abs,       &&sqrt,         &&rootNN,
        &&add,        &&sub,          &&mul,         &&div,       &&bin,          &&addM,
        &&subM,       &&mulM,         &&divM,        &&rsubM,     &&rdivM,        &&binM,
        &&binRM,      &&mulAddMM,     &&addMulMM,    &&subMulMM,  &&addThenMulMM, &&subThenMulMM,
        &&jumpIfZero, &&jumpUnlessMM, &&jumpUnlessM, &&jump,      &&end,          &&end};
    static_assert(sizeof handlers / sizeof handlers[0] == static_cast<int>(SOp::End) + 1);
    if (!stack) [[unlikely]] {
        return thread(const_cast<SInstr*>(code), handlers);
    }
    const SInstr* ip = code;
    double* sp = stack; // stack[0] is a dummy below the first value
    double top = 0;
    int e = 0;
#define VESTRANO_NEXT goto * (++ip)->handler
#define VESTRANO_CHECKED_NEXT                                                                      \
    if (e != 0)                                                                                    \
        goto failed;                                                                               \
    VESTRANO_NEXT
    goto * ip->handler;
pushM:
    *++sp = top;
    top = *ip->p1;
    VESTRANO_NEXT;
pushSqM:
    *++sp = top;
    top = *ip->p1 * *ip->p1;
    VESTRANO_NEXT;
pushAddMM:
    *++sp = top;
    top = *ip->p1 + *ip->p2;
    VESTRANO_NEXT;
pushSubMM:
    *++sp = top;
    top = *ip->p1 - *ip->p2;
    VESTRANO_NEXT;
pushMulMM:
    *++sp = top;
    top = *ip->p1 * *ip->p2;
    VESTRANO_NEXT;
pushNegM:
    *++sp = top;
    top = -*ip->p1;
    VESTRANO_NEXT;
pushCubeM:
    *++sp = top;
    top = *ip->p1 * *ip->p1 * *ip->p1;
    VESTRANO_NEXT;
pushSqAddMM:
    *++sp = top;
    top = *ip->p1 * *ip->p1 + *ip->p2;
    VESTRANO_NEXT;
call:
    if constexpr (Calls) {
        top = ip->call(top, mode, e);
    }
    VESTRANO_CHECKED_NEXT;
callPlain:
    if constexpr (Calls) {
        top = ip->plain(top);
    }
    VESTRANO_NEXT;
callTrig:
    if constexpr (Calls) {
        top = mode == kernels::TrigMode::Radians ? ip->plain(top) : ip->call(top, mode, e);
    }
    VESTRANO_NEXT;
unary:
    if constexpr (Calls) {
        top = unarySlow(*ip, top, mode, e);
    }
    VESTRANO_CHECKED_NEXT;
neg:
    top = -top;
    VESTRANO_NEXT;
sq:
    top = top * top;
    VESTRANO_NEXT;
cube:
    top = top * top * top;
    VESTRANO_NEXT;
abs:
    top = std::fabs(top);
    VESTRANO_NEXT;
sqrt:
    if (top < 0) {
        e = number(ErrorCode::SqrtDomain);
    }
    top = kernels::squareRoot(top);
    VESTRANO_CHECKED_NEXT;
rootNN:
    top = kernels::squareRoot(top);
    VESTRANO_NEXT;
add:
    top = *sp-- + top;
    VESTRANO_NEXT;
sub:
    top = *sp-- - top;
    VESTRANO_NEXT;
mul:
    top = *sp-- * top;
    VESTRANO_NEXT;
div:
    top = kernels::divide(*sp--, top, e);
    VESTRANO_CHECKED_NEXT;
bin:
    if constexpr (Calls) {
        top = binarySlow(ip->sub, *sp--, top, e);
    }
    VESTRANO_CHECKED_NEXT;
addM:
    top = top + *ip->p1;
    VESTRANO_NEXT;
subM:
    top = top - *ip->p1;
    VESTRANO_NEXT;
mulM:
    top = top * *ip->p1;
    VESTRANO_NEXT;
divM:
    top = kernels::divide(top, *ip->p1, e);
    VESTRANO_CHECKED_NEXT;
rsubM:
    top = *ip->p1 - top;
    VESTRANO_NEXT;
rdivM:
    top = kernels::divide(*ip->p1, top, e);
    VESTRANO_CHECKED_NEXT;
binM:
    if constexpr (Calls) {
        top = binarySlow(ip->sub, top, *ip->p1, e);
    }
    VESTRANO_CHECKED_NEXT;
binRM:
    if constexpr (Calls) {
        top = binarySlow(ip->sub, *ip->p1, top, e);
    }
    VESTRANO_CHECKED_NEXT;
mulAddMM:
    top = top * *ip->p1 + *ip->p2;
    VESTRANO_NEXT;
addMulMM:
    top = top + *ip->p1 * *ip->p2;
    VESTRANO_NEXT;
subMulMM:
    top = top - *ip->p1 * *ip->p2;
    VESTRANO_NEXT;
addThenMulMM:
    top = (top + *ip->p1) * *ip->p2;
    VESTRANO_NEXT;
subThenMulMM:
    top = (top - *ip->p1) * *ip->p2;
    VESTRANO_NEXT;
jumpIfZero : {
    bool no = top == 0;
    top = *sp--;
    if (no) {
        ip += ip->target - 1;
    }
    VESTRANO_NEXT;
}
jumpUnlessMM:
    if (!holds(ip->holds, *ip->p1, *ip->p2)) {
        ip += ip->target - 1;
    }
    VESTRANO_NEXT;
jumpUnlessM : {
    bool yes = holds(ip->holds, top, *ip->p1);
    top = *sp--;
    if (!yes) {
        ip += ip->target - 1;
    }
    VESTRANO_NEXT;
}
jump:
    ip += ip->target - 1;
    VESTRANO_NEXT;
end:
    return canonical(top);
failed:
    err = e;
    return std::numeric_limits<double>::quiet_NaN();
#undef VESTRANO_NEXT
#undef VESTRANO_CHECKED_NEXT
}
#pragma GCC diagnostic pop

} // namespace

void threadScalar(ScalarProgram& p) {
    p.run = p.calls ? &interpret<true> : &interpret<false>;
    int unused = 0;
    p.run(p.code.data(), nullptr, kernels::TrigMode::Radians, unused);
}

} // namespace vestrano
