#pragma once

#include "engine/math_kernels.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vestrano {

enum class NodeOp : uint8_t {
    Const,
    Var,
    // one operand
    Neg,
    Not,
    Fact,
    Sq,   // v*v
    Cube, // v*v*v
    Func,
    // two operands
    Add,
    Sub,
    Mul,
    Div,
    Pow,
    IDiv,
    Mod,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    And,
    Or,
    Xor,
    Eqv,
    Imp,
    Min,
    Max,
    // three operands, only the chosen branch is evaluated
    Iif,
};

constexpr bool isUnary(NodeOp op) {
    return op >= NodeOp::Neg && op <= NodeOp::Func;
}
constexpr bool isBinary(NodeOp op) {
    return op >= NodeOp::Add && op <= NodeOp::Max;
}
constexpr bool isCommutative(NodeOp op) {
    return op == NodeOp::Add || op == NodeOp::Mul || op == NodeOp::Eq || op == NodeOp::Ne ||
           op == NodeOp::And || op == NodeOp::Or || op == NodeOp::Xor || op == NodeOp::Eqv;
}

// Whether the operator can set an error code.
constexpr bool canFail(NodeOp op, kernels::Fn fn) {
    return op == NodeOp::Div || op == NodeOp::Pow || op == NodeOp::IDiv || op == NodeOp::Mod ||
           op == NodeOp::Fact || (op == NodeOp::Func && kernels::canFail(fn));
}

const char* nodeOpName(NodeOp op);

struct Node {
    NodeOp op = NodeOp::Const;
    kernels::Fn fn = kernels::Fn::Count; // for Func
    int32_t a = -1, b = -1, c = -1;      // operands
    double value = 0;                    // for Const
    double* var = nullptr;               // for Var: the variable's storage
    uint32_t size = 1;                   // node count with shared operands counted every time
    uint32_t height = 1;

    bool isLeaf() const { return op == NodeOp::Const || op == NodeOp::Var; }
};

// An expression as a graph of nodes (operands of inlined functions may be shared). The
// constructors fold constant operands, so a finished tree holds no foldable node.
class ExprTree {
  public:
    static constexpr uint32_t kMaxSize = 200000; // beyond: code 10
    static constexpr uint32_t kMaxHeight = 1500; // beyond: code 9

    int32_t constant(double v);
    int32_t variable(double* storage);
    int32_t unary(NodeOp op, int32_t a, kernels::Fn fn = kernels::Fn::Count);
    int32_t binary(NodeOp op, int32_t a, int32_t b);
    int32_t iif(int32_t cond, int32_t yes, int32_t no);

    const Node& operator[](int32_t i) const { return nodes_[static_cast<std::size_t>(i)]; }
    std::size_t nodeCount() const { return nodes_.size(); }
    // Set when a limit was passed; the parser turns it into an error.
    bool tooBig() const { return tooBig_; }
    bool tooDeep() const { return tooDeep_; }

  private:
    int32_t add(Node n);
    bool isConst(int32_t i) const { return (*this)[i].op == NodeOp::Const; }
    bool nonNegative(int32_t i) const;

    std::vector<Node> nodes_;
    bool tooBig_ = false;
    bool tooDeep_ = false;
};

// Multi-line listing of the tree below `root`, for tests.
std::string dumpTree(const ExprTree& tree, int32_t root);

} // namespace vestrano
