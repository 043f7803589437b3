#include "engine/builtins.h"

#include <array>
#include <utility>

namespace vestrano {
namespace {

using enum kernels::Fn;

constexpr std::array kBuiltins{
    Builtin{"sin", BuiltinKind::Unary, Sin},
    Builtin{"cos", BuiltinKind::Unary, Cos},
    Builtin{"tan", BuiltinKind::Unary, Tan},
    Builtin{"cot", BuiltinKind::Unary, Cot},
    Builtin{"sec", BuiltinKind::Unary, Sec},
    Builtin{"csc", BuiltinKind::Unary, Csc},
    Builtin{"asin", BuiltinKind::Unary, Asin},
    Builtin{"acos", BuiltinKind::Unary, Acos},
    Builtin{"atan", BuiltinKind::Unary, Atan},
    Builtin{"acot", BuiltinKind::Unary, Acot},
    Builtin{"asec", BuiltinKind::Unary, Asec},
    Builtin{"acsc", BuiltinKind::Unary, Acsc},
    Builtin{"sinh", BuiltinKind::Unary, Sinh},
    Builtin{"cosh", BuiltinKind::Unary, Cosh},
    Builtin{"tanh", BuiltinKind::Unary, Tanh},
    Builtin{"coth", BuiltinKind::Unary, Coth},
    Builtin{"sech", BuiltinKind::Unary, Sech},
    Builtin{"csch", BuiltinKind::Unary, Csch},
    Builtin{"asinh", BuiltinKind::Unary, Asinh},
    Builtin{"acosh", BuiltinKind::Unary, Acosh},
    Builtin{"atanh", BuiltinKind::Unary, Atanh},
    Builtin{"acoth", BuiltinKind::Unary, Acoth},
    Builtin{"asech", BuiltinKind::Unary, Asech},
    Builtin{"acsch", BuiltinKind::Unary, Acsch},
    Builtin{"exp", BuiltinKind::Unary, Exp},
    Builtin{"exp2", BuiltinKind::Unary, Exp2},
    Builtin{"ln", BuiltinKind::Unary, Ln},
    Builtin{"log2", BuiltinKind::Unary, Log2},
    Builtin{"log10", BuiltinKind::Unary, Log10},
    Builtin{"sqrt", BuiltinKind::Unary, Sqrt},
    Builtin{"abs", BuiltinKind::Unary, Abs},
    Builtin{"sgn", BuiltinKind::Unary, Sgn},
    Builtin{"int", BuiltinKind::Unary, Int},
    Builtin{"frac", BuiltinKind::Unary, Frac},
    Builtin{"round", BuiltinKind::Unary, Round},
    // log(x) is the natural logarithm; the set-up adds log(m, n) for other bases
    Builtin{"log", BuiltinKind::Unary, Ln},
    Builtin{"min", BuiltinKind::Min, Count},
    Builtin{"max", BuiltinKind::Max, Count},
    Builtin{"iif", BuiltinKind::Iif, Count},
};

// 0! .. 170!; 171! is beyond the largest double.
constexpr std::array<double, 171> kFactorials = [] {
    std::array<double, 171> t{};
    t[0] = 1;
    for (std::size_t i = 1; i < t.size(); ++i) {
        t[i] = t[i - 1] * static_cast<double>(i);
    }
    return t;
}();

template <std::size_t... I>
kernels::ScalarKernel kernelOf(kernels::Fn f, std::index_sequence<I...>) {
    static constexpr std::array<kernels::ScalarKernel, sizeof...(I)> table{
        &kernels::apply<static_cast<kernels::Fn>(I)>...};
    return table[static_cast<std::size_t>(f)];
}

template <kernels::Fn F> double applyPlain(double x) {
    int err = 0;
    return kernels::apply<F>(x, kernels::TrigMode::Radians, err);
}

template <std::size_t... I>
kernels::PlainKernel plainKernelOf(kernels::Fn f, std::index_sequence<I...>) {
    static constexpr std::array<kernels::PlainKernel, sizeof...(I)> table{
        (kernels::canFail(static_cast<kernels::Fn>(I))
             ? nullptr
             : &applyPlain<static_cast<kernels::Fn>(I)>)...};
    return table[static_cast<std::size_t>(f)];
}

} // namespace

const Builtin* findBuiltin(std::string_view lowerName) {
    for (const Builtin& b : kBuiltins) {
        if (b.name == lowerName) {
            return &b;
        }
    }
    return nullptr;
}

bool acceptsArgCount(const Builtin& b, std::size_t argc) {
    switch (b.kind) {
    case BuiltinKind::Unary:
        return argc == 1;
    case BuiltinKind::Min:
    case BuiltinKind::Max:
        return argc >= 1;
    case BuiltinKind::Iif:
        return argc == 3;
    }
    return false;
}

std::string_view fnName(kernels::Fn f) {
    if (f == kernels::Fn::SqrtOfNonNegative) {
        return "sqrt";
    }
    for (const Builtin& b : kBuiltins) {
        if (b.kind == BuiltinKind::Unary && b.fn == f) {
            return b.name;
        }
    }
    return "?";
}

namespace kernels {

ScalarKernel scalarKernel(Fn f) {
    return kernelOf(f, std::make_index_sequence<static_cast<std::size_t>(Fn::Count)>{});
}

PlainKernel plainKernel(Fn f) {
    return plainKernelOf(f, std::make_index_sequence<static_cast<std::size_t>(Fn::Count)>{});
}

// x! is Gamma(x + 1): exact products for 0..170, the gamma function between the integers.
// The poles at the negative integers and results beyond the largest double are an overflow.
double factorial(double x, int& err) {
    if (x != x) {
        return x;
    }
    if (std::floor(x) == x) {
        if (x < 0 || x >= static_cast<double>(kFactorials.size())) {
            fail(err, ErrorCode::FactorialOverflow);
            return HUGE_VAL;
        }
        return kFactorials[static_cast<std::size_t>(x)];
    }
    double r = std::tgamma(x + 1);
    if (!std::isfinite(r)) {
        fail(err, ErrorCode::FactorialOverflow);
    }
    return r;
}

} // namespace kernels
} // namespace vestrano
