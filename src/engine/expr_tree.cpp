#include "engine/expr_tree.h"

#include "engine/builtins.h"
#include "engine/operators.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace vestrano {

const char* nodeOpName(NodeOp op) {
    static constexpr const char* names[] = {
        "const", "var", "neg", "not",  "fact", "sq",  "cube", "func", "add", "sub",
        "mul",   "div", "pow", "idiv", "mod",  "eq",  "ne",   "lt",   "gt",  "le",
        "ge",    "and", "or",  "xor",  "eqv",  "imp", "min",  "max",  "iif"};
    return names[static_cast<std::size_t>(op)];
}

int32_t ExprTree::add(Node n) {
    uint64_t size = 1;
    uint32_t height = 0;
    for (int32_t child : {n.a, n.b, n.c}) {
        if (child < 0) {
            continue;
        }
        size += (*this)[child].size;
        height = std::max(height, (*this)[child].height);
    }
    n.size = static_cast<uint32_t>(std::min<uint64_t>(size, std::numeric_limits<uint32_t>::max()));
    n.height = height + 1;
    if (n.size > kMaxSize || nodes_.size() >= kMaxSize) {
        tooBig_ = true;
    }
    if (n.height > kMaxHeight) {
        tooDeep_ = true;
    }
    nodes_.push_back(n);
    return static_cast<int32_t>(nodes_.size() - 1);
}

int32_t ExprTree::constant(double v) {
    Node n;
    n.value = v;
    return add(n);
}

int32_t ExprTree::variable(double* storage) {
    Node n;
    n.op = NodeOp::Var;
    n.var = storage;
    return add(n);
}

bool ExprTree::nonNegative(int32_t i) const {
    using enum kernels::Fn;
    const Node& n = (*this)[i];
    if (n.op == NodeOp::Const) {
        return n.value >= 0;
    }
    if (n.op == NodeOp::Sq) {
        return true;
    }
    return n.op == NodeOp::Func && (n.fn == Abs || n.fn == Exp || n.fn == Exp2 || n.fn == Cosh ||
                                    n.fn == Sqrt || n.fn == SqrtOfNonNegative);
}

int32_t ExprTree::unary(NodeOp op, int32_t a, kernels::Fn fn) {
    // sqrt(abs(x)), sqrt(x^2+1)...: no domain check needed, so blocks need no error rows
    if (op == NodeOp::Func && fn == kernels::Fn::Sqrt && nonNegative(a)) {
        fn = kernels::Fn::SqrtOfNonNegative;
    }
    bool modeDependent = op == NodeOp::Func && kernels::usesTrigMode(fn);
    if (isConst(a) && !modeDependent) {
        int err = 0;
        double v = applyUnary(op, fn, (*this)[a].value, kernels::TrigMode::Radians, err);
        if (err == 0) {
            return constant(v);
        }
    }
    Node n;
    n.op = op;
    n.fn = fn;
    n.a = a;
    return add(n);
}

int32_t ExprTree::binary(NodeOp op, int32_t a, int32_t b) {
    if (isConst(a) && isConst(b)) {
        int err = 0;
        double v = applyBinary(op, (*this)[a].value, (*this)[b].value, err);
        if (err == 0) {
            return constant(v);
        }
    }
    // x^2 and x^3 as products; x*x as a square
    if (op == NodeOp::Pow && isConst(b) && ((*this)[b].value == 2 || (*this)[b].value == 3)) {
        return unary((*this)[b].value == 2 ? NodeOp::Sq : NodeOp::Cube, a);
    }
    bool sameVar = (*this)[a].op == NodeOp::Var && (*this)[b].op == NodeOp::Var &&
                   (*this)[a].var == (*this)[b].var;
    if (op == NodeOp::Mul && (a == b || sameVar)) {
        return unary(NodeOp::Sq, a);
    }
    Node n;
    n.op = op;
    n.a = a;
    n.b = b;
    return add(n);
}

int32_t ExprTree::iif(int32_t cond, int32_t yes, int32_t no) {
    if (isConst(cond)) {
        return (*this)[cond].value != 0 ? yes : no;
    }
    Node n;
    n.op = NodeOp::Iif;
    n.a = cond;
    n.b = yes;
    n.c = no;
    return add(n);
}

namespace {

void dumpNode(const ExprTree& tree, int32_t i, int indent, std::string& out) {
    const Node& n = tree[i];
    out.append(static_cast<std::size_t>(indent) * 2, ' ');
    char buf[64];
    if (n.op == NodeOp::Const) {
        std::snprintf(buf, sizeof buf, "const %.17g\n", n.value);
        out += buf;
        return;
    }
    if (n.op == NodeOp::Var) {
        std::snprintf(buf, sizeof buf, "var @%p\n", static_cast<const void*>(n.var));
        out += buf;
        return;
    }
    out += nodeOpName(n.op);
    if (n.op == NodeOp::Func) {
        out += ' ';
        out += fnName(n.fn);
    }
    out += '\n';
    for (int32_t child : {n.a, n.b, n.c}) {
        if (child >= 0) {
            dumpNode(tree, child, indent + 1, out);
        }
    }
}

} // namespace

std::string dumpTree(const ExprTree& tree, int32_t root) {
    std::string out;
    dumpNode(tree, root, 0, out);
    return out;
}

} // namespace vestrano
