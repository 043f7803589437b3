#include "engine/symbols.h"

namespace vestrano {

bool SymbolTable::full() const {
    return values_.size() + functionCount_ + aliases_.size() >= kMaxDefinitions;
}

// A name defined again keeps its handle and storage, so that expressions parsed before see
// the new value.
int32_t SymbolTable::defineVariable(const std::string& lower) {
    aliases_.erase(lower);
    if (auto it = variables_.find(lower); it != variables_.end()) {
        *storage(it->second) = 0;
        return it->second;
    }
    if (full()) {
        return -1;
    }
    values_.push_back(std::make_unique<double>(0));
    addresses_.push_back(values_.back().get());
    int32_t handle = firstHandle_ + static_cast<int32_t>(values_.size() - 1);
    variables_.emplace(lower, handle);
    return handle;
}

double* SymbolTable::findVariable(const std::string& lower) {
    auto it = variables_.find(lower);
    return it == variables_.end() ? nullptr : storage(it->second);
}

bool SymbolTable::defineFunction(const std::string& lower, UserFunction f) {
    aliases_.erase(lower);
    auto& byArity = functions_[lower];
    std::size_t argc = f.params.size();
    if (byArity.count(argc) == 0) {
        if (full()) {
            return false;
        }
        ++functionCount_;
    }
    byArity[argc] = std::move(f);
    return true;
}

const UserFunction* SymbolTable::findFunction(const std::string& lower, std::size_t argc) const {
    auto it = functions_.find(lower);
    if (it == functions_.end()) {
        return nullptr;
    }
    auto f = it->second.find(argc);
    return f == it->second.end() ? nullptr : &f->second;
}

bool SymbolTable::hasFunction(const std::string& lower) const {
    auto it = functions_.find(lower);
    return it != functions_.end() && !it->second.empty();
}

// The target need not be defined yet: like a function body, an alias is resolved when a text
// is parsed.
bool SymbolTable::defineAlias(const std::string& newLower, const std::string& existingLower) {
    std::string target = resolve(existingLower);
    if (target == newLower) {
        return false;
    }
    if (aliases_.count(newLower) == 0 && full()) {
        return false;
    }
    aliases_[newLower] = target;
    return true;
}

std::string SymbolTable::resolve(const std::string& lower) const {
    auto it = aliases_.find(lower);
    return it == aliases_.end() ? lower : it->second;
}

void SymbolTable::clear() {
    int64_t next = static_cast<int64_t>(firstHandle_) + static_cast<int64_t>(values_.size()) + 1;
    // Handles keep growing so that a handle from before the reset is recognised as stale.
    firstHandle_ = next > (int64_t{1} << 30) ? 0 : static_cast<int32_t>(next);
    values_.clear();
    addresses_.clear();
    variables_.clear();
    functions_.clear();
    functionCount_ = 0;
    aliases_.clear();
}

} // namespace vestrano
