#include "engine/scalar_program.h"

#include "engine/builtins.h"
#include "engine/scalar_eval.h"

#include <cstdio>
#include <utility>

namespace vestrano {
namespace {

class ScalarCompiler {
  public:
    explicit ScalarCompiler(const ExprTree& tree) : tree_(tree) {}

    ScalarProgram run(int32_t root) {
        emit(root);
        push(SInstr{SOp::End});
        endAtJumpsToEnd();
        prog_.stackSize = static_cast<std::size_t>(maxDepth_) + 1;
        for (const SInstr& in : prog_.code) {
            prog_.calls = prog_.calls || callsOut(in.op);
        }
        threadScalar(prog_);
        return std::move(prog_);
    }

  private:
    // Back to front, so that a jump to a jump to the end ends too.
    void endAtJumpsToEnd() {
        for (std::size_t i = prog_.code.size(); i-- > 0;) {
            SInstr& in = prog_.code[i];
            if (in.op != SOp::Jump) {
                continue;
            }
            SOp next = prog_.code[i + static_cast<std::size_t>(in.target)].op;
            if (next == SOp::End || next == SOp::Return) {
                in = SInstr{SOp::Return};
            }
        }
    }

    static bool callsOut(SOp op) {
        using enum SOp;
        return op == Call || op == CallPlain || op == CallTrig || op == Unary || op == Bin ||
               op == BinM || op == BinRM;
    }

    const Node& node(int32_t i) const { return tree_[i]; }
    bool leaf(int32_t i) const { return node(i).isLeaf(); }
    const double* address(int32_t i) const {
        const Node& n = node(i);
        return n.op == NodeOp::Var ? n.var : &n.value;
    }
    void push(SInstr in) { prog_.code.push_back(in); }
    void grow() {
        ++depth_;
        if (depth_ > maxDepth_) {
            maxDepth_ = depth_;
        }
    }

    void emit(int32_t i) {
        const Node& n = node(i);
        if (n.isLeaf()) {
            push(SInstr{SOp::PushM, NodeOp::Const, kernels::Fn::Count, 0, 0, address(i)});
            grow();
            return;
        }
        if (isUnary(n.op)) {
            return emitUnary(n);
        }
        if (n.op == NodeOp::Iif) {
            return emitIif(n);
        }
        if (!emitFused(n)) {
            emitBinary(n);
        }
    }

    void emitUnary(const Node& n) {
        bool pushable = n.op == NodeOp::Sq || n.op == NodeOp::Cube || n.op == NodeOp::Neg;
        if (pushable && leaf(n.a)) {
            SOp op = n.op == NodeOp::Sq     ? SOp::PushSqM
                     : n.op == NodeOp::Cube ? SOp::PushCubeM
                                            : SOp::PushNegM;
            push(SInstr{op, n.op, n.fn, 0, 0, address(n.a)});
            grow();
            return;
        }
        emit(n.a);
        if (n.op == NodeOp::Func) {
            return emitCall(n.fn);
        }
        SOp op = n.op == NodeOp::Neg    ? SOp::Neg
                 : n.op == NodeOp::Sq   ? SOp::Sq
                 : n.op == NodeOp::Cube ? SOp::Cube
                                        : SOp::Unary;
        push(SInstr{op, n.op, n.fn});
    }

    void emitCall(kernels::Fn fn) {
        using enum kernels::Fn;
        if (fn == Abs || fn == Sqrt || fn == SqrtOfNonNegative) {
            SOp op = fn == Abs ? SOp::Abs : fn == Sqrt ? SOp::Sqrt : SOp::RootOfNonNegative;
            push(SInstr{op, NodeOp::Func, fn});
            return;
        }
        SInstr in{SOp::Call, NodeOp::Func, fn};
        in.call = kernels::scalarKernel(fn);
        in.plain = kernels::plainKernel(fn);
        if (in.plain) {
            in.op = kernels::usesTrigMode(fn) ? SOp::CallTrig : SOp::CallPlain;
        }
        push(in);
    }

    // a + l1*l2, a - l1*l2, e*l + l2, l1^2 + l2, (e + l1)*l2, (e - l1)*l2 in one instruction
    // (l: constant or variable). The last two end every term mapped to the screen.
    bool emitFused(const Node& n) {
        if (n.op == NodeOp::Mul) {
            return emitScaledSum(n);
        }
        if (n.op != NodeOp::Add && n.op != NodeOp::Sub) {
            return false;
        }
        if (n.op == NodeOp::Add && emitSquarePlus(n)) {
            return true;
        }
        const Node& b = node(n.b);
        if (b.op == NodeOp::Mul && leaf(b.a) && leaf(b.b)) {
            emit(n.a);
            SOp op = n.op == NodeOp::Add ? SOp::AddMulMM : SOp::SubMulMM;
            push(SInstr{op, NodeOp::Const, kernels::Fn::Count, 0, 0, address(b.a), address(b.b)});
            return true;
        }
        const Node& a = node(n.a);
        if (n.op != NodeOp::Add || a.op != NodeOp::Mul || !leaf(n.b)) {
            return false;
        }
        if (!leaf(a.a) && !leaf(a.b)) {
            return false;
        }
        int32_t factor = leaf(a.b) ? a.b : a.a;
        emit(factor == a.b ? a.a : a.b);
        push(SInstr{SOp::MulAddMM, NodeOp::Const, kernels::Fn::Count, 0, 0, address(factor),
                    address(n.b)});
        return true;
    }

    // l1^2 + l2 or l2 + l1^2, as in x^2+1
    bool emitSquarePlus(const Node& n) {
        int32_t square = node(n.a).op == NodeOp::Sq ? n.a : n.b;
        int32_t term = square == n.a ? n.b : n.a;
        const Node& sq = node(square);
        if (sq.op != NodeOp::Sq || !leaf(sq.a) || !leaf(term)) {
            return false;
        }
        push(SInstr{SOp::PushSqAddMM, NodeOp::Const, kernels::Fn::Count, 0, 0, address(sq.a),
                    address(term)});
        grow();
        return true;
    }

    bool emitScaledSum(const Node& n) {
        int32_t scale = leaf(n.b) ? n.b : n.a;
        const Node& sum = node(scale == n.b ? n.a : n.b);
        bool isSum = sum.op == NodeOp::Add || sum.op == NodeOp::Sub;
        if (!leaf(scale) || !isSum || !leaf(sum.b)) {
            return false;
        }
        emit(sum.a);
        SOp op = sum.op == NodeOp::Add ? SOp::AddThenMulMM : SOp::SubThenMulMM;
        push(SInstr{op, NodeOp::Const, kernels::Fn::Count, 0, 0, address(sum.b), address(scale)});
        return true;
    }

    void emitBinary(const Node& n) {
        if (leaf(n.a) && leaf(n.b) &&
            (n.op == NodeOp::Add || n.op == NodeOp::Sub || n.op == NodeOp::Mul)) {
            SOp op = n.op == NodeOp::Add   ? SOp::PushAddMM
                     : n.op == NodeOp::Sub ? SOp::PushSubMM
                                           : SOp::PushMulMM;
            push(SInstr{op, n.op, kernels::Fn::Count, 0, 0, address(n.a), address(n.b)});
            grow();
            return;
        }
        if (leaf(n.b)) {
            emit(n.a);
            push(SInstr{memoryOp(n.op, false), n.op, kernels::Fn::Count, 0, 0, address(n.b)});
            return;
        }
        if (leaf(n.a)) {
            emit(n.b);
            bool swap = isCommutative(n.op);
            push(SInstr{memoryOp(n.op, !swap), n.op, kernels::Fn::Count, 0, 0, address(n.a)});
            return;
        }
        emit(n.a);
        emit(n.b);
        push(SInstr{stackOp(n.op), n.op});
        --depth_;
    }

    static SOp stackOp(NodeOp op) {
        switch (op) {
        case NodeOp::Add:
            return SOp::Add;
        case NodeOp::Sub:
            return SOp::Sub;
        case NodeOp::Mul:
            return SOp::Mul;
        case NodeOp::Div:
            return SOp::Div;
        default:
            return SOp::Bin;
        }
    }

    // `reversed`: the memory operand is the left one.
    static SOp memoryOp(NodeOp op, bool reversed) {
        if (reversed) {
            return op == NodeOp::Sub ? SOp::RSubM : op == NodeOp::Div ? SOp::RDivM : SOp::BinRM;
        }
        switch (op) {
        case NodeOp::Add:
            return SOp::AddM;
        case NodeOp::Sub:
            return SOp::SubM;
        case NodeOp::Mul:
            return SOp::MulM;
        case NodeOp::Div:
            return SOp::DivM;
        default:
            return SOp::BinM;
        }
    }

    // cond; JumpIfZero L1; yes; Jump L2; L1: no; L2:
    void emitIif(const Node& n) {
        std::size_t jumpNo = emitCondition(n.a);
        emit(n.b);
        std::size_t jumpEnd = prog_.code.size();
        push(SInstr{SOp::Jump});
        prog_.code[jumpNo].target = static_cast<int32_t>(prog_.code.size() - jumpNo);
        --depth_;
        emit(n.c);
        prog_.code[jumpEnd].target = static_cast<int32_t>(prog_.code.size() - jumpEnd);
    }

    // A jump taken when the condition is false; a comparison of two constants or variables
    // needs no stack at all. Returns the jump's index.
    std::size_t emitCondition(int32_t i) {
        const Node& c = node(i);
        bool comparison = c.op >= NodeOp::Eq && c.op <= NodeOp::Ge;
        if (comparison && leaf(c.a) && leaf(c.b)) {
            push(SInstr{SOp::JumpUnlessMM, c.op, kernels::Fn::Count, comparisonMask(c.op), 0,
                        address(c.a), address(c.b)});
            return prog_.code.size() - 1;
        }
        if (comparison && leaf(c.b)) {
            emit(c.a);
            push(SInstr{SOp::JumpUnlessM, c.op, kernels::Fn::Count, comparisonMask(c.op), 0,
                        address(c.b)});
        } else {
            emit(i);
            push(SInstr{SOp::JumpIfZero});
        }
        --depth_;
        return prog_.code.size() - 1;
    }

    const ExprTree& tree_;
    ScalarProgram prog_;
    int depth_ = 0;
    int maxDepth_ = 0;
};

const char* sopName(SOp op) {
    static constexpr const char* names[] = {
        "push",       "pushsqm",      "pushaddmm",   "pushsubmm", "pushmulmm",    "pushnegm",
        "pushcubem",  "pushsqaddmm",  "call",        "callplain", "calltrig",     "unary",
        "neg",        "sq",           "cube",        "abs",       "sqrt",         "rootnn",
        "add",        "sub",          "mul",         "div",       "bin",          "addm",
        "subm",       "mulm",         "divm",        "rsubm",     "rdivm",        "binm",
        "binrm",      "muladdmm",     "addmulmm",    "submulmm",  "addthenmulmm", "subthenmulmm",
        "jumpifzero", "jumpunlessmm", "jumpunlessm", "jump",      "return",       "end"};
    static_assert(sizeof names / sizeof names[0] == static_cast<int>(SOp::End) + 1);
    return names[static_cast<std::size_t>(op)];
}

} // namespace

ScalarProgram compileScalar(const ExprTree& tree, int32_t root) {
    return ScalarCompiler(tree).run(root);
}

std::string dumpScalar(const ScalarProgram& p) {
    std::string out;
    char buf[160];
    for (std::size_t i = 0; i < p.code.size(); ++i) {
        const SInstr& in = p.code[i];
        int n = std::snprintf(buf, sizeof buf, "%3zu %-10s", i, sopName(in.op));
        std::string line(buf, static_cast<std::size_t>(n));
        if (in.op == SOp::Unary || in.op == SOp::Bin || in.op == SOp::BinM || in.op == SOp::BinRM) {
            line += std::string(" ") + nodeOpName(in.sub);
        }
        if (in.op == SOp::Call || in.op == SOp::CallPlain || in.op == SOp::CallTrig) {
            line += std::string(" ") + std::string(fnName(in.fn));
        }
        for (const double* p : {in.p1, in.p2}) {
            if (!p) {
                continue;
            }
            std::snprintf(buf, sizeof buf, " [%p]=%.17g", static_cast<const void*>(p), *p);
            line += buf;
        }
        if (in.op == SOp::Jump || in.op == SOp::JumpIfZero || in.op == SOp::JumpUnlessM ||
            in.op == SOp::JumpUnlessMM) {
            line += " -> " + std::to_string(static_cast<int32_t>(i) + in.target);
        }
        out += line + "\n";
    }
    return out;
}

} // namespace vestrano
