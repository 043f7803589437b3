#pragma once

#include "engine/math_kernels.h"

#include <string_view>

namespace vestrano {

enum class BuiltinKind { Unary, Min, Max, Iif };

struct Builtin {
    std::string_view name;
    BuiltinKind kind = BuiltinKind::Unary;
    kernels::Fn fn = kernels::Fn::Count;
};

// The built-in function of that lower-case name, or nullptr.
const Builtin* findBuiltin(std::string_view lowerName);

// Whether the built-in accepts `argc` arguments.
bool acceptsArgCount(const Builtin& b, std::size_t argc);

std::string_view fnName(kernels::Fn f);

} // namespace vestrano
