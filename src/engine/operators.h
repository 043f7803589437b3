#pragma once

// Scalar semantics of the operators, shared by constant folding and both evaluators so that
// all of them give the same bits and error codes. Called with a constant operator, the
// switches fold away.

#include "engine/expr_tree.h"
#include "engine/math_kernels.h"

namespace vestrano {

inline double applyUnary(NodeOp op, kernels::Fn fn, double x, kernels::TrigMode m, int& err) {
    switch (op) {
    case NodeOp::Neg:
        return -x;
    case NodeOp::Not:
        return kernels::truth(x == 0);
    case NodeOp::Fact:
        return kernels::factorial(x, err);
    case NodeOp::Sq:
        return x * x;
    case NodeOp::Cube:
        return x * x * x;
    case NodeOp::Func:
        return kernels::applyDynamic(fn, x, m, err);
    default:
        return x;
    }
}

inline double applyBinary(NodeOp op, double a, double b, int& err) {
    using kernels::truth;
    switch (op) {
    case NodeOp::Add:
        return a + b;
    case NodeOp::Sub:
        return a - b;
    case NodeOp::Mul:
        return a * b;
    case NodeOp::Div:
        return kernels::divide(a, b, err);
    case NodeOp::Pow:
        return kernels::power(a, b, err);
    case NodeOp::IDiv:
        return kernels::intDivide(a, b, err);
    case NodeOp::Mod:
        return kernels::modulo(a, b, err);
    case NodeOp::Eq:
        return truth(a == b);
    case NodeOp::Ne:
        return truth(a != b);
    case NodeOp::Lt:
        return truth(a < b);
    case NodeOp::Gt:
        return truth(a > b);
    case NodeOp::Le:
        return truth(a <= b);
    case NodeOp::Ge:
        return truth(a >= b);
    case NodeOp::And:
        return truth(a != 0 && b != 0);
    case NodeOp::Or:
        return truth(a != 0 || b != 0);
    case NodeOp::Xor:
        return truth((a != 0) != (b != 0));
    case NodeOp::Eqv:
        return truth((a != 0) == (b != 0));
    case NodeOp::Imp:
        return truth(a == 0 || b != 0);
    case NodeOp::Min:
        return kernels::minimum(a, b);
    case NodeOp::Max:
        return kernels::maximum(a, b);
    default:
        return a;
    }
}

} // namespace vestrano
