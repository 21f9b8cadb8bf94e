#pragma once

#include <string>
#include <utility>

namespace tallar {

// Outcome of an operation that can fail: either ok, or a message for the user.
// Used instead of exceptions for every expected failure (a statement, a file, a text).
class [[nodiscard]] Status {
public:
    Status() = default;
    static Status error(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return message_; }

private:
    explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}

    bool failed_ = false;
    std::string message_;
};

} // namespace tallar
