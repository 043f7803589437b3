#include "engine/expr_engine.h"

#include "engine/expression.h"
#include "engine/parser.h"
#include "engine/plain_text.h"
#include "engine/symbols.h"
#include "engine/variable_definition.h"

#include <algorithm>
#include <limits>

namespace vestrano {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr uint32_t kMaxLive = 1u << 16; // live parses; a handle is generation << 16 | index

// An entry of the release order: a parse, or a run of function definitions, which callers
// count in their release numbers too but which stay defined.
struct ReleaseEntry {
    int32_t handle = -1;
    uint32_t definitions = 0;
};

// What the per-sample path needs of a parse, so that a handle leads to it in one load.
struct ReadyProgram {
    int32_t handle = -1; // of the successful parse in this place; -1 for none
    ScalarRunner run = nullptr;
    const SInstr* code = nullptr;
    double* stack = nullptr;
};

// A place in the table of parses.
struct LiveSlot {
    uint16_t generation = 1;
    std::unique_ptr<Expression> expr;
};

} // namespace

struct ExprEngine::Impl {
    std::vector<ReadyProgram> ready; // by index, like `live`
    kernels::TrigMode mode = kernels::TrigMode::Radians;
    std::vector<LiveSlot> live;
    SymbolTable symbols;
    std::vector<uint32_t> freeIndices;
    std::vector<ReleaseEntry> releaseOrder;
    std::string errorData;
    int dataCode = 0; // the error code errorData belongs to

    const ReadyProgram* readyProgram(int32_t handle) const {
        auto index = static_cast<uint32_t>(handle) & (kMaxLive - 1);
        if (index >= ready.size() || ready[index].handle != handle) {
            return nullptr;
        }
        return &ready[index];
    }

    Expression* find(int32_t handle) {
        if (handle < 0) {
            return nullptr;
        }
        auto index = static_cast<uint32_t>(handle) & (kMaxLive - 1);
        auto gen = static_cast<uint32_t>(handle) >> 16;
        if (index >= live.size() || live[index].generation != gen) {
            return nullptr;
        }
        return live[index].expr.get();
    }

    // -1 when the table is full
    int32_t store(std::unique_ptr<Expression> e) {
        uint32_t index = 0;
        if (!freeIndices.empty()) {
            index = freeIndices.back();
            freeIndices.pop_back();
        } else if (live.size() < kMaxLive) {
            index = static_cast<uint32_t>(live.size());
            live.emplace_back();
            ready.emplace_back();
        } else {
            return -1;
        }
        LiveSlot& s = live[index];
        int32_t handle = static_cast<int32_t>((uint32_t{s.generation} << 16) | index);
        if (!e->error) {
            ready[index] =
                ReadyProgram{handle, e->program.run, e->program.code.data(), e->stack.data()};
        }
        s.expr = std::move(e);
        releaseOrder.push_back(ReleaseEntry{handle, 0});
        return handle;
    }

    void drop(int32_t handle) {
        if (!find(handle)) {
            return;
        }
        auto index = static_cast<uint32_t>(handle) & (kMaxLive - 1);
        LiveSlot& s = live[index];
        s.expr.reset();
        // generations run 1..32767 so that handles stay positive
        s.generation = static_cast<uint16_t>(s.generation % 32767 + 1);
        ready[index] = ReadyProgram{};
        freeIndices.push_back(index);
    }

    void countDefinition() {
        if (!releaseOrder.empty() && releaseOrder.back().handle < 0) {
            ++releaseOrder.back().definitions;
            return;
        }
        releaseOrder.push_back(ReleaseEntry{-1, 1});
    }

    std::unique_ptr<Expression> parse(std::string_view text) {
        auto e = std::make_unique<Expression>();
        e->error = parseExpression(text, symbols, e->tree, e->root);
        if (e->error) {
            return e;
        }
        e->program = compileScalar(e->tree, e->root);
        e->stack.resize(e->program.stackSize);
        return e;
    }
};

ExprEngine::ExprEngine() : impl_(std::make_unique<Impl>()) {}
ExprEngine::~ExprEngine() = default;

void ExprEngine::setError(int code, std::string data) {
    error_ = code;
    impl_->errorData = std::move(data);
    impl_->dataCode = code;
}

void ExprEngine::refreshVariables() {
    const SymbolTable& symbols = impl_->symbols;
    variables_ = symbols.addresses();
    variableCount_ = symbols.variableCount();
    firstVariable_ = symbols.firstHandle();
}

void ExprEngine::unknownVariable() {
    setError(ErrorCode::InvalidTerm);
}

[[gnu::cold]] double ExprEngine::evaluationFailed(int32_t expr) {
    const Expression* e = impl_->find(expr);
    if (e) {
        setError(e->error.code, e->error.data);
    } else {
        setError(ErrorCode::InvalidTerm);
    }
    return kNaN;
}

void ExprEngine::ucReset() {
    Impl& m = *impl_;
    m.symbols.clear();
    refreshVariables();
    for (std::size_t i = 0; i < m.live.size(); ++i) {
        if (m.live[i].expr) {
            m.drop(static_cast<int32_t>((uint32_t{m.live[i].generation} << 16) | i));
        }
    }
    m.releaseOrder.clear();
    clearError();
}

int32_t ExprEngine::ucDefineVariable(std::string_view definition) {
    Impl& m = *impl_;
    clearError();
    VariableDefinition def;
    if (auto err = splitVariableDefinition(definition, def)) {
        setError(err.code, err.data);
        return -1;
    }
    double value = 0;
    if (!def.value.empty()) {
        // The defining text is read in radians, so that pi=2*asin(1) is pi in any angle unit.
        auto e = m.parse(def.value);
        int err = 0;
        if (!e->error) {
            value = e->evaluate(kernels::TrigMode::Radians, err);
        }
        if (e->error || err != 0) {
            setError(e->error ? number(e->error.code) : err, e->error.data);
            return -1;
        }
    }
    int32_t handle = m.symbols.defineVariable(lowerName(def.name));
    refreshVariables();
    if (handle < 0) {
        setError(ErrorCode::DefinitionsFull);
        return -1;
    }
    *m.symbols.storage(handle) = value;
    return handle;
}

void ExprEngine::ucDefineFunctionDbl(std::string_view definition, int /*callback*/) {
    Impl& m = *impl_;
    clearError();
    m.countDefinition();
    UserFunction f;
    if (auto err = splitFunctionDefinition(definition, f)) {
        setError(err.code, err.data);
        return;
    }
    if (!f.body.empty()) {
        if (auto err = checkText(f.body, m.symbols)) {
            setError(err.code, err.data);
            return;
        }
    }
    std::string key = lowerName(f.name);
    if (!m.symbols.defineFunction(key, std::move(f))) {
        setError(ErrorCode::DefinitionsFull);
    }
}

void ExprEngine::ucAlias(std::string_view newName, std::string_view existingName) {
    Impl& m = *impl_;
    clearError();
    std::string name = lowerName(newName);
    if (!isValidName(newName) || !isValidName(existingName) || operatorWord(name) != Tok::Name) {
        setError(ErrorCode::InvalidTerm, std::string(newName));
        return;
    }
    if (!m.symbols.defineAlias(name, lowerName(existingName))) {
        setError(ErrorCode::InvalidTerm, std::string(newName));
    }
}

int32_t ExprEngine::ucParse(std::string_view text) {
    Impl& m = *impl_;
    clearError();
    auto e = m.parse(text);
    if (e->error) {
        setError(e->error.code, e->error.data);
    }
    int32_t handle = m.store(std::move(e));
    if (handle < 0) {
        setError(ErrorCode::DefinitionsFull);
    }
    return handle;
}

// The per-sample path. The program sets error_ itself, to a code that never carries data.
double ExprEngine::ucEvaluate(int32_t expr) {
    const Impl& m = *impl_;
    clearError();
    const ReadyProgram* p = m.readyProgram(expr);
    if (!p) [[unlikely]] {
        return evaluationFailed(expr);
    }
    return p->run(p->code, p->stack, m.mode, error_);
}

double ExprEngine::ucEval(std::optional<std::string_view> text) {
    Impl& m = *impl_;
    clearError();
    if (!text) {
        return 0;
    }
    auto e = m.parse(*text);
    if (e->error) {
        setError(e->error.code, e->error.data);
        return kNaN;
    }
    int err = 0;
    double v = e->evaluate(m.mode, err);
    if (err != 0) {
        setError(err);
    }
    return v;
}

std::string ExprEngine::ucGetErrorData() const {
    return error_ != 0 && error_ == impl_->dataCode ? impl_->errorData : std::string();
}

// Any other number leaves the unit as it is.
void ExprEngine::ucSetTrigMode(int mode) {
    if (mode >= 1 && mode <= 3) {
        impl_->mode = static_cast<kernels::TrigMode>(mode);
    }
}

void ExprEngine::ucReleaseExpr(int count) {
    Impl& m = *impl_;
    while (count > 0 && !m.releaseOrder.empty()) {
        ReleaseEntry& top = m.releaseOrder.back();
        if (top.handle >= 0) {
            m.drop(top.handle);
            m.releaseOrder.pop_back();
            --count;
            continue;
        }
        uint32_t n = std::min<uint32_t>(top.definitions, static_cast<uint32_t>(count));
        top.definitions -= n;
        count -= static_cast<int>(n);
        if (top.definitions == 0) {
            m.releaseOrder.pop_back();
        }
    }
}

void ExprEngine::ucEvaluateBlock(int32_t expr, int32_t varHandle, std::span<const double> xs,
                                 std::span<double> out, std::span<int> errs) {
    Impl& m = *impl_;
    clearError();
    std::size_t n = std::min({xs.size(), out.size(), errs.size()});
    xs = xs.first(n);
    Expression* e = m.find(expr);
    double* var = m.symbols.storage(varHandle);
    int code = number(!e || !var ? ErrorCode::InvalidTerm : e->error.code);
    if (code != 0) {
        std::fill_n(out.begin(), n, kNaN);
        std::fill_n(errs.begin(), n, code);
        return;
    }
    if (n == 0) {
        return;
    }
    if (!e->block || e->block->variable() != var) {
        e->block = std::make_unique<BlockProgram>(e->tree, e->root, var);
    }
    if (!e->block->run(xs, out, errs, m.mode)) {
        for (std::size_t i = 0; i < n; ++i) {
            *var = xs[i];
            int err = 0;
            out[i] = e->evaluate(m.mode, err);
            errs[i] = err;
        }
    }
    *var = xs.back();
}

std::string ExprEngine::dump(int32_t expr) const {
    Expression* e = impl_->find(expr);
    if (!e) {
        return "invalid handle\n";
    }
    if (e->error) {
        return "error " + std::to_string(number(e->error.code)) + " " + e->error.data + "\n";
    }
    std::string out =
        "tree:\n" + dumpTree(e->tree, e->root) + "program:\n" + dumpScalar(e->program);
    if (e->block) {
        out += "block program:\n" + e->block->dump();
    }
    return out;
}

} // namespace vestrano
