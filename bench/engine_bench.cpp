// Engine speed against plain C++ and against muparser, measured in one run.
// Each formula runs four ways: `native` (a C++ lambda), `muparser` (Eval per point),
// `sample` (set x, ucEvaluate, ucGetError per point, as the drawing loop does) and `block`
// (ucEvaluateBlock over the whole array with per-point error codes). Interpret/full times a
// whole term interpretation; History/record one undo step kept over the same terms.

#include "history_bench.h"
#include "interpret_bench.h"
#include "ratio_table.h"

#include "engine/expr_engine.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace vestrano::bench {
namespace {

constexpr int kPoints = 1000;

struct Params {
    double a = 1.5;
    double b = -2.0;
    double c = 0.5;
    double ymi = -3.0;
    double ymu = 567.0;
};

std::vector<double> samplePoints() {
    std::vector<double> xs(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        xs[i] = -10.0 + 20.0 * i / (kPoints - 1);
    }
    return xs;
}

void countItems(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kPoints);
}

bool sameValue(double got, double want) {
    return std::abs(got - want) <= 1e-12 * std::max(1.0, std::abs(want));
}

std::string mismatch(double x, double got, int code, double want) {
    std::ostringstream text;
    text.precision(17);
    text << "at x=" << x << " got " << got << " (error " << code << "), want " << want;
    return text.str();
}

// Our engine with the variables and slot-like functions every formula may use.
struct EngineFixture {
    ExprEngine engine;
    int32_t x = -1;
    int32_t expr = -1;

    EngineFixture(std::string_view text, const Params& p) {
        x = engine.ucDefineVariable("x");
        const std::pair<const char*, double> vars[] = {
            {"a", p.a}, {"b", p.b}, {"c", p.c}, {"ymi", p.ymi}, {"ymu", p.ymu}};
        for (const auto& [name, value] : vars) {
            engine.ucSetVariableValueDbl(engine.ucDefineVariable(name), value);
        }
        engine.ucDefineFunctionDbl("f(x)=x^2+a");
        engine.ucDefineFunctionDbl("g(x)=f(x)*2");
        expr = engine.ucParse(text);
    }

    // One sample exactly as the drawing loop takes it.
    double sample(double xv, int& code) {
        engine.ucSetVariableValueDbl(x, xv);
        const double y = engine.ucEvaluate(expr);
        code = engine.ucGetError();
        if (code != 0) {
            engine.ucEval(std::nullopt);
        }
        return y;
    }
};

template <class Native>
std::string checkSamples(EngineFixture& fx, const std::vector<double>& xs, Native native,
                         const Params& p) {
    if (const int code = fx.engine.ucGetError(); code != 0) {
        return "parse error " + std::to_string(code) + " " + fx.engine.ucGetErrorData();
    }
    for (const double xv : xs) {
        int code = 0;
        const double y = fx.sample(xv, code);
        if (code != 0 || !sameValue(y, native(xv, p))) {
            return mismatch(xv, y, code, native(xv, p));
        }
    }
    return {};
}

template <class Native> void runNative(benchmark::State& state, Native native) {
    const auto xs = samplePoints();
    Params p;
    // Keeps the compiler from folding the parameters into constants.
    benchmark::DoNotOptimize(p);
    for (auto _ : state) {
        for (const double xv : xs) {
            double y = native(xv, p);
            benchmark::DoNotOptimize(y);
        }
    }
    countItems(state);
}

template <class Native>
void runMuparser(benchmark::State& state, std::string_view text, Native native) {
    const auto xs = samplePoints();
    Params p;
    double xv = 0;
    mu::Parser parser;
    try {
        parser.DefineVar("x", &xv);
        parser.DefineVar("a", &p.a);
        parser.DefineVar("b", &p.b);
        parser.DefineVar("c", &p.c);
        parser.DefineVar("ymi", &p.ymi);
        parser.DefineVar("ymu", &p.ymu);
        parser.SetExpr(std::string(text));
        for (const double v : xs) {
            xv = v;
            if (const double y = parser.Eval(); !sameValue(y, native(v, p))) {
                state.SkipWithError(mismatch(v, y, 0, native(v, p)).c_str());
                return;
            }
        }
    } catch (const mu::Parser::exception_type& e) {
        state.SkipWithError(e.GetMsg().c_str());
        return;
    }
    for (auto _ : state) {
        for (const double v : xs) {
            xv = v;
            double y = parser.Eval();
            benchmark::DoNotOptimize(y);
        }
    }
    countItems(state);
}

template <class Native>
void runSample(benchmark::State& state, std::string_view text, Native native) {
    const auto xs = samplePoints();
    const Params p;
    EngineFixture fx(text, p);
    if (const auto fault = checkSamples(fx, xs, native, p); !fault.empty()) {
        state.SkipWithError(fault.c_str());
        return;
    }
    for (auto _ : state) {
        for (const double xv : xs) {
            int code = 0;
            double y = fx.sample(xv, code);
            benchmark::DoNotOptimize(y);
            benchmark::DoNotOptimize(code);
        }
    }
    countItems(state);
}

template <class Native>
void runBlock(benchmark::State& state, std::string_view text, Native native) {
    const auto xs = samplePoints();
    const Params p;
    EngineFixture fx(text, p);
    if (const auto fault = checkSamples(fx, xs, native, p); !fault.empty()) {
        state.SkipWithError(fault.c_str());
        return;
    }
    std::vector<double> out(xs.size());
    std::vector<int> errs(xs.size());
    fx.engine.ucEvaluateBlock(fx.expr, fx.x, xs, out, errs);
    for (size_t i = 0; i < xs.size(); ++i) {
        if (errs[i] != 0 || !sameValue(out[i], native(xs[i], p))) {
            state.SkipWithError(mismatch(xs[i], out[i], errs[i], native(xs[i], p)).c_str());
            return;
        }
    }
    for (auto _ : state) {
        fx.engine.ucEvaluateBlock(fx.expr, fx.x, xs, out, errs);
        benchmark::DoNotOptimize(out.data());
        benchmark::DoNotOptimize(errs.data());
        benchmark::ClobberMemory();
    }
    countItems(state);
}

// Registers Engine/<name>/{native,muparser,sample,block}.
template <class Native>
void registerFormula(const std::string& name, std::string_view text, std::string_view muText,
                     Native native) {
    const std::string prefix = "Engine/" + name + "/";
    benchmark::RegisterBenchmark((prefix + "native").c_str(),
                                 [native](benchmark::State& s) { runNative(s, native); });
    benchmark::RegisterBenchmark(
        (prefix + "muparser").c_str(),
        [muText, native](benchmark::State& s) { runMuparser(s, muText, native); });
    benchmark::RegisterBenchmark((prefix + "sample").c_str(), [text, native](benchmark::State& s) {
        runSample(s, text, native);
    });
    benchmark::RegisterBenchmark((prefix + "block").c_str(), [text, native](benchmark::State& s) {
        runBlock(s, text, native);
    });
}

void registerEngineBenchmarks() {
    registerFormula("quadratic", "a*x^2+b*x+c", "a*x^2+b*x+c",
                    [](double x, const Params& p) { return p.a * x * x + p.b * x + p.c; });
    registerFormula("trig", "sin(x)*cos(2*x)+sqrt(abs(x))", "sin(x)*cos(2*x)+sqrt(abs(x))",
                    [](double x, const Params&) {
                        return std::sin(x) * std::cos(2 * x) + std::sqrt(std::abs(x));
                    });
    // The view mapping as the drawing folds it into the parsed term.
    registerFormula("mapping", "((x^3-2*x)/(x^2+1)-ymi)*ymu", "((x^3-2*x)/(x^2+1)-ymi)*ymu",
                    [](double x, const Params& p) {
                        return ((x * x * x - 2 * x) / (x * x + 1) - p.ymi) * p.ymu;
                    });
    registerFormula("iif", "iif(x<0,-x,x)", "x<0 ? -x : x",
                    [](double x, const Params&) { return x < 0 ? -x : x; });
    // muparser has no functions defined by formula text, so it gets g(x) inlined, which is
    // what our engine compiles g(x) into as well.
    registerFormula("slotcall", "g(x)", "(x^2+a)*2",
                    [](double x, const Params& p) { return (x * x + p.a) * 2; });
}

RatioTable engineTable() {
    const auto blockTarget = [](std::string_view row) { return row == "trig" ? 1.2 : 2.5; };
    return {"Engine",
            {"quadratic", "trig", "mapping", "iif", "slotcall"},
            {"native", "muparser", "sample", "block"},
            {{"sample", "muparser", [](std::string_view) { return 0.5; }},
             {"block", "native", blockTarget}}};
}

} // namespace
} // namespace vestrano::bench

int main(int argc, char** argv) {
    using namespace vestrano::bench;
    registerEngineBenchmarks();
    registerInterpretBenchmark();
    registerHistoryBenchmark();
    return runAndPrintTables(argc, argv, [](std::ostream& out, const ResultStore& store) {
        printRatioTable(out, store, engineTable());
        printInterpretTable(out, store);
        printHistoryTable(out, store);
    });
}
