#pragma once

#include "engine/lexer.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vestrano {

// A function defined by formula text; its body is parsed anew at every caller's parse.
struct UserFunction {
    std::string name;                // as written
    std::vector<std::string> params; // lower case
    std::string body;                // may be empty: the call is then 0
};

// The engine's names: variables, user functions and aliases. All keys are lower case.
class SymbolTable {
  public:
    static constexpr std::size_t kMaxDefinitions = 20000;

    // The handle of the variable `lower`, created with value 0 when new; -1 when full.
    int32_t defineVariable(const std::string& lower);
    double* storage(int32_t handle) {
        int64_t index = int64_t{handle} - firstHandle_;
        if (index < 0 || index >= static_cast<int64_t>(addresses_.size())) {
            return nullptr;
        }
        return addresses_[static_cast<std::size_t>(index)];
    }
    // The storage of handle firstHandle() + i is addresses()[i]; valid until the next
    // definition of a variable or clear().
    double* const* addresses() const { return addresses_.data(); }
    uint32_t variableCount() const { return static_cast<uint32_t>(addresses_.size()); }
    int32_t firstHandle() const { return firstHandle_; }
    double* findVariable(const std::string& lower);

    // false when the table is full
    bool defineFunction(const std::string& lower, UserFunction f);
    const UserFunction* findFunction(const std::string& lower, std::size_t argc) const;
    bool hasFunction(const std::string& lower) const;

    // false when the table is full or the alias would stand for itself
    bool defineAlias(const std::string& newLower, const std::string& existingLower);
    const AliasMap& aliases() const { return aliases_; }
    std::string resolve(const std::string& lower) const;

    void clear();

  private:
    bool full() const;

    // One allocation per variable: compiled programs hold these addresses.
    std::vector<std::unique_ptr<double>> values_;
    std::vector<double*> addresses_; // of values_, for the per-sample path
    std::unordered_map<std::string, int32_t> variables_;
    int32_t firstHandle_ = 0; // handles of earlier resets are below it
    std::unordered_map<std::string, std::map<std::size_t, UserFunction>> functions_;
    std::size_t functionCount_ = 0;
    AliasMap aliases_;
};

} // namespace vestrano
