#pragma once

#include <string>
#include <utility>
#include <variant>

namespace vestrano {

// Why an operation failed, in German, ready to be shown.
struct Failure {
    std::string reason;
};

inline Failure fail(std::string reason) {
    return Failure{std::move(reason)};
}

// A value, or the German reason why there is none. Dropping one is a compile error, so that no
// failure goes unreported by accident.
template <class T = void> class [[nodiscard]] Result {
  public:
    Result(T value) : content_(std::move(value)) {}
    Result(Failure failure) : content_(std::move(failure)) {}

    bool ok() const { return content_.index() == 0; }
    const T& value() const& { return std::get<0>(content_); }
    T&& value() && { return std::get<0>(std::move(content_)); }
    T value_or(T fallback) const& { return ok() ? value() : std::move(fallback); }
    T value_or(T fallback) && { return ok() ? std::move(*this).value() : std::move(fallback); }
    // Empty when the operation succeeded.
    const std::string& reason() const {
        static const std::string none;
        return ok() ? none : std::get<1>(content_).reason;
    }

  private:
    std::variant<T, Failure> content_;
};

// Success without a value, or the reason for the failure.
template <> class [[nodiscard]] Result<void> {
  public:
    Result() = default;
    Result(Failure failure) : reason_(std::move(failure.reason)), failed_(true) {}

    bool ok() const { return !failed_; }
    // Empty when the operation succeeded.
    const std::string& reason() const { return reason_; }

  private:
    std::string reason_;
    bool failed_ = false;
};

using Status = Result<void>;

// For the few places where a failure has already been told or cannot matter; the caller says
// why in a comment beside it.
template <class T> void ignoreResult(const Result<T>&) {}

} // namespace vestrano
