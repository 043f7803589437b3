#include "engine/expr_engine.h"

namespace vestrano {

struct ExprEngine::Impl {};

ExprEngine::ExprEngine() : impl_(std::make_unique<Impl>()) {}
ExprEngine::~ExprEngine() = default;

} // namespace vestrano
