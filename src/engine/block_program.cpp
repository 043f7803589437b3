#include "engine/block_program.h"

#include "engine/builtins.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace vestrano {

class BlockCompiler {
  public:
    BlockCompiler(const ExprTree& tree, BlockProgram& prog)
        : tree_(tree), prog_(prog), varies_(tree.nodeCount(), -1) {}

    void run(int32_t root) {
        prog_.canFail_ = failing(root);
        materialize(root);
    }

  private:
    struct Value {
        Src src = Src::Stack;
        int32_t slot = -1;
    };

    const Node& node(int32_t i) const { return tree_[i]; }

    bool varies(int32_t i) {
        auto& memo = varies_[static_cast<std::size_t>(i)];
        if (memo >= 0) {
            return memo != 0;
        }
        const Node& n = node(i);
        bool v = n.op == NodeOp::Var && n.var == prog_.variable_;
        for (int32_t child : {n.a, n.b, n.c}) {
            v = v || (child >= 0 && varies(child));
        }
        memo = v ? 1 : 0;
        return v;
    }

    // Whether a part evaluated per point can set an error code.
    bool failing(int32_t i) {
        const Node& n = node(i);
        if (!varies(i)) {
            return false;
        }
        if (canFail(n.op, n.fn)) {
            return true;
        }
        for (int32_t child : {n.a, n.b, n.c}) {
            if (child >= 0 && failing(child)) {
                return true;
            }
        }
        return false;
    }

    bool isX(int32_t i) const {
        return node(i).op == NodeOp::Var && node(i).var == prog_.variable_;
    }

    int32_t slot(int32_t i) {
        BlockProgram::SlotSource s;
        const Node& n = node(i);
        if (n.isLeaf()) {
            s.address = n.op == NodeOp::Var ? n.var : &n.value;
        } else {
            s.program = compileScalar(tree_, i);
            s.stack.resize(s.program.stackSize);
        }
        prog_.sources_.push_back(std::move(s));
        return static_cast<int32_t>(prog_.sources_.size() - 1);
    }

    void add(BInstr in, int stackChange, int errorChange = 0) {
        prog_.code_.push_back(in);
        depth_ += stackChange;
        errDepth_ += errorChange;
        prog_.stackRows_ = std::max(prog_.stackRows_, depth_);
        prog_.errorRows_ = std::max(prog_.errorRows_, errDepth_ + 1);
    }

    // Code for node i where needed; says where its value is.
    Value value(int32_t i) {
        if (!varies(i)) {
            return Value{Src::Slot, slot(i)};
        }
        if (isX(i)) {
            return Value{Src::X};
        }
        emit(i);
        return Value{Src::Stack};
    }

    void materialize(int32_t i) {
        Value v = value(i);
        if (v.src == Src::Stack) {
            return;
        }
        BOp kind = v.src == Src::X ? BOp::PushX : BOp::PushSlot;
        BInstr in{controlKernel(kind), kind};
        in.s1 = v.slot;
        add(in, 1);
    }

    void emit(int32_t i) {
        const Node& n = node(i);
        if (isUnary(n.op)) {
            Value a = value(n.a);
            BInstr in{unaryKernel(n.op, n.fn, a.src), BOp::Unary, n.op, n.fn, a.src};
            add(in, a.src == Src::X ? 1 : 0);
            return;
        }
        if (n.op == NodeOp::Iif) {
            return emitIif(n);
        }
        if (emitMulAdd(n) || emitAddMul(n) || emitThenMul(n)) {
            return;
        }
        Value a = value(n.a);
        Value b = value(n.b);
        BInstr in{binaryKernel(n.op, a.src, b.src),
                  BOp::Binary,
                  n.op,
                  kernels::Fn::Count,
                  a.src,
                  b.src,
                  a.slot,
                  b.slot};
        int stackOperands = (a.src == Src::Stack) + (b.src == Src::Stack);
        add(in, 1 - stackOperands);
    }

    // e*s1 + s2 (in any order of the factors and terms)
    bool emitMulAdd(const Node& n) {
        if (n.op != NodeOp::Add) {
            return false;
        }
        int32_t product = node(n.a).op == NodeOp::Mul ? n.a : n.b;
        int32_t term = product == n.a ? n.b : n.a;
        const Node& p = node(product);
        if (p.op != NodeOp::Mul || varies(term) || !varies(product)) {
            return false;
        }
        if (varies(p.a) && varies(p.b)) {
            return false;
        }
        int32_t factor = varies(p.a) ? p.b : p.a;
        Value e = value(factor == p.a ? p.b : p.a);
        BInstr in{mulAddKernel(e.src), BOp::MulAdd, NodeOp::Add, kernels::Fn::Count, e.src};
        in.s1 = slot(factor);
        in.s2 = slot(term);
        add(in, e.src == Src::X ? 1 : 0);
        return true;
    }

    // e +/- s*x
    bool emitAddMul(const Node& n) {
        if (n.op != NodeOp::Add && n.op != NodeOp::Sub) {
            return false;
        }
        const Node& p = node(n.b);
        if (p.op != NodeOp::Mul || !varies(n.a)) {
            return false;
        }
        bool xFirst = isX(p.a) && !varies(p.b);
        bool xSecond = isX(p.b) && !varies(p.a);
        if (!xFirst && !xSecond) {
            return false;
        }
        materialize(n.a);
        bool isAdd = n.op == NodeOp::Add;
        BInstr in{addMulKernel(isAdd), isAdd ? BOp::AddMul : BOp::SubMul, n.op};
        in.s1 = slot(xFirst ? p.b : p.a);
        add(in, 0);
        return true;
    }

    // (e +/- s1) * s2, the end of every term mapped to the screen
    bool emitThenMul(const Node& n) {
        if (n.op != NodeOp::Mul) {
            return false;
        }
        int32_t scale = varies(n.b) ? n.a : n.b;
        const Node& sum = node(scale == n.b ? n.a : n.b);
        bool isSum = sum.op == NodeOp::Add || sum.op == NodeOp::Sub;
        if (varies(scale) || !isSum || !varies(sum.a) || varies(sum.b)) {
            return false;
        }
        Value e = value(sum.a);
        bool isAdd = sum.op == NodeOp::Add;
        BInstr in{thenMulKernel(isAdd, e.src), isAdd ? BOp::AddThenMul : BOp::SubThenMul,
                  NodeOp::Mul, kernels::Fn::Count, e.src};
        in.s1 = slot(sum.b);
        in.s2 = slot(scale);
        add(in, e.src == Src::X ? 1 : 0);
        return true;
    }

    void emitIif(const Node& n) {
        materialize(n.a);
        if (!prog_.canFail_) {
            Value yes = value(n.b);
            Value no = value(n.c);
            BInstr in{selectKernel(yes.src, no.src),
                      BOp::Select,
                      NodeOp::Iif,
                      kernels::Fn::Count,
                      yes.src,
                      no.src,
                      yes.slot,
                      no.slot};
            add(in, -(yes.src == Src::Stack) - (no.src == Src::Stack));
            return;
        }
        add(BInstr{controlKernel(BOp::Then), BOp::Then}, 0, 1);
        materialize(n.b);
        add(BInstr{controlKernel(BOp::Else), BOp::Else}, 0, 1);
        materialize(n.c);
        add(BInstr{controlKernel(BOp::EndIf), BOp::EndIf}, -2, -2);
    }

    const ExprTree& tree_;
    BlockProgram& prog_;
    std::vector<int8_t> varies_;
    int depth_ = 0;
    int errDepth_ = 0;
};

BlockProgram::BlockProgram(const ExprTree& tree, int32_t root, const double* blockVariable)
    : variable_(blockVariable) {
    BlockCompiler(tree, *this).run(root);
    slots_.resize(sources_.size());
    rows_.resize(static_cast<std::size_t>(stackRows_) * kBlock);
    errors_.resize(static_cast<std::size_t>(errorRows_) * kBlock);
}

bool BlockProgram::computeSlots(kernels::TrigMode mode) {
    for (std::size_t k = 0; k < sources_.size(); ++k) {
        SlotSource& s = sources_[k];
        if (s.address) {
            slots_[k] = *s.address;
            continue;
        }
        int err = 0;
        slots_[k] = runScalar(s.program, mode, err, s.stack.data());
        if (err != 0) {
            return false;
        }
    }
    return true;
}

void BlockProgram::runBlock(const double* x, kernels::TrigMode mode) {
    BlockState st;
    st.stack = rows_.data();
    st.errors = errors_.data();
    st.x = x;
    st.slots = slots_.data();
    st.mode = mode;
    if (canFail_) {
        std::fill(errors_.begin(), errors_.begin() + kBlock, 0);
    }
    for (const BInstr& in : code_) {
        in.run(st, in);
    }
}

namespace {

// Results of one block; an erroneous point is NaN, and every NaN the same one, so that results
// compare bit for bit. Only a constant count (a full block) lets the loops vectorise.
template <bool Full>
[[gnu::noinline]] void storeBlock(const double* rows, const int32_t* errors, std::size_t n,
                                  double* out, int* errs) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    std::size_t count = Full ? kBlock : n;
    VESTRANO_IVDEP
    for (std::size_t i = 0; i < count; ++i) {
        double r = rows[i];
        int32_t e = errors[i];
        errs[i] = e;
        double v = e == 0 ? r : nan;
        out[i] = v == v ? v : nan;
    }
}

template <bool Full>
[[gnu::noinline]] void storeClean(const double* rows, std::size_t n, double* out, int* errs) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    std::size_t count = Full ? kBlock : n;
    VESTRANO_IVDEP
    for (std::size_t i = 0; i < count; ++i) {
        double v = rows[i];
        out[i] = v == v ? v : nan;
    }
    std::fill_n(errs, count, 0);
}

} // namespace

bool BlockProgram::run(std::span<const double> xs, std::span<double> out, std::span<int> errs,
                       kernels::TrigMode mode) {
    if (!computeSlots(mode)) {
        return false;
    }
    for (std::size_t start = 0; start < xs.size(); start += kBlock) {
        std::size_t n = std::min(kBlock, xs.size() - start);
        const double* x = xs.data() + start;
        if (n < kBlock) { // the last, short block: pad with its last value
            padded_.assign(x, x + n);
            padded_.resize(kBlock, x[n - 1]);
            x = padded_.data();
        }
        runBlock(x, mode);
        bool full = n == kBlock;
        if (canFail_) {
            auto store = full ? &storeBlock<true> : &storeBlock<false>;
            store(rows_.data(), errors_.data(), n, &out[start], &errs[start]);
            continue;
        }
        auto store = full ? &storeClean<true> : &storeClean<false>;
        store(rows_.data(), n, &out[start], &errs[start]);
    }
    return true;
}

std::string BlockProgram::dump() const {
    static constexpr const char* kinds[] = {
        "unary", "binary",   "muladd", "addmul", "submul", "addthenmul", "subthenmul",
        "pushx", "pushslot", "then",   "else",   "endif",  "select"};
    static constexpr const char* srcs[] = {"stack", "x", "slot"};
    std::string out;
    char buf[200];
    for (std::size_t k = 0; k < sources_.size(); ++k) {
        const SlotSource& s = sources_[k];
        if (s.address) {
            std::snprintf(buf, sizeof buf, "slot %zu = [%p]\n", k,
                          static_cast<const void*>(s.address));
        } else {
            std::snprintf(buf, sizeof buf, "slot %zu = program of %zu instructions\n", k,
                          s.program.code.size());
        }
        out += buf;
    }
    for (const BInstr& in : code_) {
        std::snprintf(buf, sizeof buf, "%-8s %-5s %s %s/%s s%d s%d\n",
                      kinds[static_cast<int>(in.kind)], nodeOpName(in.sub),
                      in.sub == NodeOp::Func ? std::string(fnName(in.fn)).c_str() : "",
                      srcs[static_cast<int>(in.a)], srcs[static_cast<int>(in.b)], in.s1, in.s2);
        out += buf;
    }
    return out;
}

} // namespace vestrano
