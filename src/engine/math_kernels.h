#pragma once

// Numeric kernels shared by constant folding, the per-sample and the block evaluator, so that
// all three give the same bits and the same error codes. A kernel sets `err` only on a domain
// error; overflow to infinity and NaN from infinite operands pass through without a code.

#include "engine/engine_error.h"

#include <array>
#include <cmath>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vestrano::kernels {

enum class TrigMode : int { Radians = 1, Degrees = 2, Grads = 3 };

inline constexpr double kPi = 3.14159265358979323846;

// Degrees and grads are reduced exactly, so sin(180) is 0 and sec(90) is a domain error,
// as a school user expects; radians go straight to the library.
inline double fullTurn(TrigMode m) {
    return m == TrigMode::Degrees ? 360.0 : 400.0;
}

inline double sinUnit(double x, TrigMode m) {
    if (m == TrigMode::Radians) {
        return std::sin(x);
    }
    double full = fullTurn(m);
    double r = std::fmod(x, full);
    if (std::fmod(r, full / 4) == 0) {
        static constexpr std::array<double, 4> quarter{0.0, 1.0, 0.0, -1.0};
        return quarter[static_cast<std::size_t>(std::lround(r / (full / 4)) & 3)];
    }
    return std::sin(r * (2 * kPi / full));
}

inline double cosUnit(double x, TrigMode m) {
    if (m == TrigMode::Radians) {
        return std::cos(x);
    }
    double full = fullTurn(m);
    double r = std::fmod(x, full);
    if (std::fmod(r, full / 4) == 0) {
        static constexpr std::array<double, 4> quarter{1.0, 0.0, -1.0, 0.0};
        return quarter[static_cast<std::size_t>(std::lround(r / (full / 4)) & 3)];
    }
    return std::cos(r * (2 * kPi / full));
}

inline double tanUnit(double x, TrigMode m) {
    if (m == TrigMode::Radians) {
        return std::tan(x);
    }
    return sinUnit(x, m) / cosUnit(x, m);
}

// An angle in radians, given in the current unit.
inline double fromRadians(double r, TrigMode m) {
    if (m == TrigMode::Radians) {
        return r;
    }
    return r * (fullTurn(m) / 2) / kPi;
}

inline void fail(int& err, ErrorCode code) {
    err = number(code);
}

// Built-in functions of one argument.
enum class Fn : uint8_t {
    Sin,
    Cos,
    Tan,
    Cot,
    Sec,
    Csc,
    Asin,
    Acos,
    Atan,
    Acot,
    Asec,
    Acsc,
    Sinh,
    Cosh,
    Tanh,
    Coth,
    Sech,
    Csch,
    Asinh,
    Acosh,
    Atanh,
    Acoth,
    Asech,
    Acsch,
    Exp,
    Exp2,
    Ln,
    Log2,
    Log10,
    Sqrt,
    Abs,
    Sgn,
    Int,
    Frac,
    Round,
    SqrtOfNonNegative, // sqrt of an operand that cannot be negative: no check
    Count
};

// Whether the result depends on the angle unit (such calls are never folded at parse time,
// because the unit may change after the parse).
constexpr bool usesTrigMode(Fn f) {
    return f <= Fn::Acsc;
}

// Whether the function has a domain error code.
constexpr bool canFail(Fn f) {
    using enum Fn;
    return f == Cot || f == Sec || f == Csc || f == Asin || f == Acos || f == Asec || f == Acsc ||
           f == Coth || f == Csch || f == Acosh || f == Atanh || f == Acoth || f == Asech ||
           f == Acsch || f == Ln || f == Log2 || f == Log10 || f == Sqrt;
}

template <Fn F> inline double applyTrig(double x, TrigMode m, int& err) {
    using enum Fn;
    if constexpr (F == Sin) {
        return sinUnit(x, m);
    }
    if constexpr (F == Cos) {
        return cosUnit(x, m);
    }
    if constexpr (F == Tan) {
        return tanUnit(x, m);
    }
    if constexpr (F == Cot) {
        double s = sinUnit(x, m);
        if (s == 0) {
            fail(err, ErrorCode::CotDomain);
        }
        return cosUnit(x, m) / s;
    }
    if constexpr (F == Sec) {
        double c = cosUnit(x, m);
        if (c == 0) {
            fail(err, ErrorCode::SecDomain);
        }
        return 1 / c;
    }
    double s = sinUnit(x, m);
    if (s == 0) {
        fail(err, ErrorCode::CscDomain);
    }
    return 1 / s;
}

template <Fn F> inline double applyArc(double x, TrigMode m, int& err) {
    using enum Fn;
    if constexpr (F == Asin) {
        if (std::fabs(x) > 1) {
            fail(err, ErrorCode::AsinDomain);
        }
        return fromRadians(std::asin(x), m);
    }
    if constexpr (F == Acos) {
        if (std::fabs(x) > 1) {
            fail(err, ErrorCode::AcosDomain);
        }
        return fromRadians(std::acos(x), m);
    }
    if constexpr (F == Atan) {
        return fromRadians(std::atan(x), m);
    }
    // arccot with values in (0, pi), continuous at 0 as taught at school
    if constexpr (F == Acot) {
        return fromRadians(kPi / 2 - std::atan(x), m);
    }
    // asec(x) = acos(1/x) and acsc(x) = asin(1/x) report the codes of acos and asin
    if constexpr (F == Asec) {
        if (std::fabs(x) < 1) {
            fail(err, ErrorCode::AcosDomain);
        }
        return fromRadians(std::acos(1 / x), m);
    }
    if (std::fabs(x) < 1) {
        fail(err, ErrorCode::AsinDomain);
    }
    return fromRadians(std::asin(1 / x), m);
}

template <Fn F> inline double applyHyperbolic(double x, int& err) {
    using enum Fn;
    if constexpr (F == Sinh) {
        return std::sinh(x);
    }
    if constexpr (F == Cosh) {
        return std::cosh(x);
    }
    if constexpr (F == Tanh) {
        return std::tanh(x);
    }
    if constexpr (F == Coth) {
        if (x == 0) {
            fail(err, ErrorCode::CothDomain);
        }
        return 1 / std::tanh(x);
    }
    if constexpr (F == Sech) {
        return 1 / std::cosh(x);
    }
    if (x == 0) {
        fail(err, ErrorCode::CschDomain);
    }
    return 1 / std::sinh(x);
}

template <Fn F> inline double applyAreaHyperbolic(double x, int& err) {
    using enum Fn;
    if constexpr (F == Asinh) {
        return std::asinh(x);
    }
    if constexpr (F == Acosh) {
        if (x < 1) {
            fail(err, ErrorCode::AcoshDomain);
        }
        return std::acosh(x);
    }
    if constexpr (F == Atanh) {
        if (std::fabs(x) >= 1) {
            fail(err, ErrorCode::AtanhDomain);
        }
        return std::atanh(x);
    }
    if constexpr (F == Acoth) {
        if (std::fabs(x) <= 1) {
            fail(err, ErrorCode::AcothDomain);
        }
        return std::atanh(1 / x);
    }
    if constexpr (F == Asech) {
        if (x <= 0 || x > 1) {
            fail(err, ErrorCode::AsechDomain);
        }
        return std::acosh(1 / x);
    }
    if (x == 0) {
        fail(err, ErrorCode::AcschDomain);
    }
    return std::asinh(1 / x);
}

template <Fn F> inline double applyExpLog(double x, int& err) {
    using enum Fn;
    if constexpr (F == Exp) {
        return std::exp(x);
    }
    if constexpr (F == Exp2) {
        return std::exp2(x);
    }
    if constexpr (F == Ln) {
        if (x <= 0) {
            fail(err, ErrorCode::LnDomain);
        }
        return std::log(x);
    }
    if constexpr (F == Log2) {
        if (x <= 0) {
            fail(err, ErrorCode::Log2Domain);
        }
        return std::log2(x);
    }
    if constexpr (F == Log10) {
        if (x <= 0) {
            fail(err, ErrorCode::Log10Domain);
        }
        return std::log10(x);
    }
    if (x < 0) {
        fail(err, ErrorCode::SqrtDomain);
    }
    return std::sqrt(x);
}

template <Fn F> inline double applyRounding(double x) {
    using enum Fn;
    if constexpr (F == Abs) {
        return std::fabs(x);
    }
    if constexpr (F == Sgn) {
        return x > 0 ? 1.0 : x < 0 ? -1.0 : x;
    }
    if constexpr (F == Int) {
        return std::floor(x);
    }
    // frac(x) = x - int(x), so it lies in [0, 1) also for negative x
    if constexpr (F == Frac) {
        return x - std::floor(x);
    }
    // halves away from zero, as taught at school
    return std::round(x);
}

// std::sqrt without the library call that the compiler adds for errno on a NaN result.
inline double squareRoot(double x) {
#if defined(__SSE2__)
    __m128d v = _mm_set_sd(x);
    return _mm_cvtsd_f64(_mm_sqrt_sd(v, v));
#else
    return std::sqrt(x);
#endif
}

template <Fn F> inline double apply(double x, TrigMode m, int& err) {
    using enum Fn;
    if constexpr (F == SqrtOfNonNegative) {
        return squareRoot(x);
    } else if constexpr (F <= Csc) {
        return applyTrig<F>(x, m, err);
    } else if constexpr (F <= Acsc) {
        return applyArc<F>(x, m, err);
    } else if constexpr (F <= Csch) {
        return applyHyperbolic<F>(x, err);
    } else if constexpr (F <= Acsch) {
        return applyAreaHyperbolic<F>(x, err);
    } else if constexpr (F <= Sqrt) {
        return applyExpLog<F>(x, err);
    } else {
        return applyRounding<F>(x);
    }
}

using ScalarKernel = double (*)(double, TrigMode, int&);

// apply<f> for a function known only at run time.
ScalarKernel scalarKernel(Fn f);

// apply<f> in radians for a function that cannot fail; nullptr for the others.
using PlainKernel = double (*)(double);
PlainKernel plainKernel(Fn f);

inline double applyDynamic(Fn f, double x, TrigMode m, int& err) {
    return scalarKernel(f)(x, m, err);
}

// Operators --------------------------------------------------------------------------------

inline double truth(bool b) {
    return b ? 1.0 : 0.0;
}

inline double divide(double a, double b, int& err) {
    if (b == 0) {
        fail(err, ErrorCode::DivisionByZero);
    }
    return a / b;
}

// "\" and "div": the quotient truncated toward zero.
inline double intDivide(double a, double b, int& err) {
    if (b == 0) {
        fail(err, ErrorCode::IntegerDivisionByZero);
    }
    return std::trunc(a / b);
}

// The remainder has the sign of the dividend (7 mod -2 = 1, -7 mod 2 = -1). "mod 0" is a
// plain division by zero: code 15 names only "\" and DIV.
inline double modulo(double a, double b, int& err) {
    if (b == 0) {
        fail(err, ErrorCode::DivisionByZero);
    }
    return std::fmod(a, b);
}

inline double power(double a, double b, int& err) {
    bool nonInteger = std::floor(b) != b && b == b;
    if ((a < 0 && nonInteger) || (a == 0 && b < 0)) {
        fail(err, ErrorCode::Exponent);
    }
    return std::pow(a, b);
}

double factorial(double x, int& err);

inline double minimum(double a, double b) {
    return b < a ? b : a;
}
inline double maximum(double a, double b) {
    return b > a ? b : a;
}

} // namespace vestrano::kernels
