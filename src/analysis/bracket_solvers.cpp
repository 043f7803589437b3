#include "analysis/bracket_solvers.h"

#include <cmath>
#include <limits>
#include <utility>

namespace vestrano {

namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();
// Safety net only: the tolerances below end every search long before.
constexpr int kMaxSteps = 400;

// Near x = 0 relative steps would go on into the subnormals; a step this small against the
// starting bracket is far below anything the scan can tell apart.
double absoluteTolerance(double a, double b) {
    return kEps * (std::abs(a) + std::abs(b)) * 0x1p-20;
}

bool sameSign(double u, double v) {
    return (u > 0) == (v > 0);
}

} // namespace

std::optional<RootPoint> bracketedRoot(const PartialFunction& f, double a, double b, double fa,
                                       double fb) {
    const double absTol = absoluteTolerance(a, b);
    double c = b;
    double fc = fb;
    double d = b - a;
    double e = d;
    for (int step = 0; step < kMaxSteps; ++step) {
        if (sameSign(fb, fc)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::abs(fc) < std::abs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2 * kEps * std::abs(b) + absTol;
        const double xm = 0.5 * (c - b);
        if (std::abs(xm) <= tol || fb == 0) {
            return RootPoint{b, fb, c};
        }
        if (std::abs(e) >= tol && std::abs(fa) > std::abs(fb)) {
            // Secant or inverse quadratic interpolation, taken only while it shrinks fast.
            const double s = fb / fa;
            double p;
            double q;
            if (a == c) {
                p = 2 * xm * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc;
                const double r = fb / fc;
                p = s * (2 * xm * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) {
                q = -q;
            }
            p = std::abs(p);
            if (2 * p < std::min(3 * xm * q - std::abs(tol * q), std::abs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = xm;
                e = d;
            }
        } else {
            d = xm;
            e = d;
        }
        a = b;
        fa = fb;
        b += std::abs(d) > tol ? d : std::copysign(tol, xm);
        const std::optional<double> next = f(b);
        if (!next) {
            return std::nullopt;
        }
        fb = *next;
    }
    return RootPoint{b, fb, c};
}

namespace {

// One minimiser run: the bracket [a, b], the best point x, the two before it (w, v) and the
// last two steps (d, e), as Brent names them.
struct MinimumSearch {
    double a, b;
    double x, w, v;
    double fx, fw, fv;
    double d = 0;
    double e = 0;

    // The parabola through x, w, v, or a golden section when the parabola is no good.
    double nextStep(double tol) {
        constexpr double kGolden = 0.3819660112501051; // (3 - sqrt(5)) / 2
        const double xm = 0.5 * (a + b);
        if (std::abs(e) > tol) {
            double r = (x - w) * (fx - fv);
            double q = (x - v) * (fx - fw);
            double p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0) {
                p = -p;
            }
            q = std::abs(q);
            r = e;
            e = d;
            if (std::abs(p) < std::abs(0.5 * q * r) && p > q * (a - x) && p < q * (b - x)) {
                d = p / q;
                const double u = x + d;
                if (u - a < 2 * tol || b - u < 2 * tol) {
                    d = std::copysign(tol, xm - x);
                }
                return d;
            }
        }
        e = x >= xm ? a - x : b - x;
        d = kGolden * e;
        return d;
    }

    void take(double u, double fu) {
        if (fu <= fx) {
            (u >= x ? a : b) = x;
            v = w;
            fv = fw;
            w = x;
            fw = fx;
            x = u;
            fx = fu;
            return;
        }
        (u < x ? a : b) = u;
        if (fu <= fw || w == x) {
            v = w;
            fv = fw;
            w = u;
            fw = fu;
        } else if (fu <= fv || v == x || v == w) {
            v = u;
            fv = fu;
        }
    }
};

} // namespace

std::optional<FunctionPoint> bracketedMinimum(const PartialFunction& f, double a, double b,
                                              double start) {
    const std::optional<double> f0 = f(start);
    if (!f0) {
        return std::nullopt;
    }
    MinimumSearch m{a, b, start, start, start, *f0, *f0, *f0};
    const double absTol = absoluteTolerance(a, b);
    const double smooth = std::sqrt(kEps);
    for (int step = 0; step < kMaxSteps; ++step) {
        const double tol = 2 * kEps * std::abs(m.x) + absTol;
        const double xm = 0.5 * (m.a + m.b);
        if (std::abs(m.x - xm) <= 2 * tol - 0.5 * (m.b - m.a)) {
            break;
        }
        // A smooth minimum: this close, the values differ by rounding only and cannot tell the
        // points apart any more. At a kink they still can, and the search goes on.
        const double noise = kRounding * std::abs(m.fx);
        if (m.b - m.a <= 4 * (smooth * std::abs(m.x) + absTol) && m.w != m.x && m.v != m.x &&
            m.fw - m.fx <= noise && m.fv - m.fx <= noise) {
            break;
        }
        const double d = m.nextStep(tol);
        const double u = m.x + (std::abs(d) >= tol ? d : std::copysign(tol, d));
        const std::optional<double> fu = f(u);
        if (!fu) {
            return std::nullopt;
        }
        m.take(u, *fu);
    }
    return FunctionPoint{m.x, m.fx};
}

FunctionPoint polishedMinimum(const PartialFunction& f, FunctionPoint m, double scale) {
    const double eta = 0x1p-17 * std::max(std::abs(m.x), scale);
    const PartialFunction slope = [&](double x) -> std::optional<double> {
        const std::optional<double> right = f(x + eta);
        const std::optional<double> left = right ? f(x - eta) : std::nullopt;
        return left ? std::optional(*right - *left) : std::nullopt;
    };
    const std::optional<double> below = slope(m.x - eta);
    const std::optional<double> above = slope(m.x + eta);
    if (!below || !above || !(*below < 0 && *above > 0)) {
        return m;
    }
    const std::optional<RootPoint> root =
        bracketedRoot(slope, m.x - eta, m.x + eta, *below, *above);
    const std::optional<double> y = root ? f(root->x) : std::nullopt;
    if (!y || *y > m.y + kRounding * std::abs(m.y)) {
        return m;
    }
    return {root->x, *y};
}

DomainEdge domainEdge(const PartialFunction& f, double inside, double insideValue, double outside) {
    const double absTol = absoluteTolerance(inside, outside);
    for (int step = 0; step < kMaxSteps; ++step) {
        const double mid = inside + 0.5 * (outside - inside);
        if (mid == inside || mid == outside || std::abs(outside - inside) <= absTol) {
            break;
        }
        if (const std::optional<double> v = f(mid)) {
            inside = mid;
            insideValue = *v;
        } else {
            outside = mid;
        }
    }
    return {{inside, insideValue}, outside};
}

} // namespace vestrano
