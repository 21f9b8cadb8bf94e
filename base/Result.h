#pragma once

#include <cstdlib>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace tallar {

// Where an error lies, as far as the code that found it knows: a file or a rules table, a
// line in it and a character in that line (counted from 1; 0: none) and a field (a column,
// an option, an entry). Empty parts are unknown. (The texts have initialisers so that a
// place may leave them out.)
struct ErrorPlace {
    std::string file{};
    int line = 0;
    int column = 0;
    std::string field{};

    bool empty() const { return file.empty() && line == 0 && column == 0 && field.empty(); }
};

// An expected failure: a message for the user, which names what the user must know, and
// its place for the caller that reports or tests it.
struct Error {
    std::string message;
    ErrorPlace place;
};

// The outcome of an operation that can fail: a value, or an error. Used instead of
// exceptions for every expected failure (a statement, a file, a text, a rules row).
//
//     Result<int> parsed = parseLevel(text);
//     if (!parsed)
//         return parsed.error();      // hands the error on, as a Result of any type
//     use(parsed.value());
//
// Reading the value of an error, or the error of a value, is a fault of the program and
// ends it.
template <class T> class [[nodiscard]] Result {
public:
    // Anything a T can be made from (a text for a std::string, a moved-in pointer), except an
    // Error or another Result. (enable_if rather than requires: clang-tidy's check for
    // constructors that hide copy and move knows this form.)
    template <class U = T, std::enable_if_t<std::is_constructible_v<T, U&&> &&
                                                !std::is_same_v<std::remove_cvref_t<U>, Error> &&
                                                !std::is_same_v<std::remove_cvref_t<U>, Result>,
                                            int> = 0>
    Result(U&& value) : state_(std::in_place_index<0>, std::forward<U>(value)) {}
    Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}

    static Result error(std::string message, ErrorPlace place = {}) {
        return Result(Error{std::move(message), std::move(place)});
    }

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return *held(); }
    const T& value() const& { return *held(); }
    T&& value() && { return std::move(*held()); }
    T* operator->() { return held(); }
    const T* operator->() const { return held(); }
    T& operator*() & { return *held(); }
    const T& operator*() const& { return *held(); }

    const Error& error() const { return *failure(); }
    // The error's message; empty for a value.
    const std::string& message() const {
        static const std::string none;
        return ok() ? none : failure()->message;
    }

private:
    T* held() { return const_cast<T*>(std::as_const(*this).held()); }
    const T* held() const {
        const T* value = std::get_if<0>(&state_);
        if (!value)
            std::abort();
        return value;
    }
    const Error* failure() const {
        const Error* error = std::get_if<1>(&state_);
        if (!error)
            std::abort();
        return error;
    }

    std::variant<T, Error> state_;
};

// The outcome of an operation that gives no value: ok, or an error. `Status` names it.
//
//     Status saved = SaveCharacter(hero);
//     if (!saved)
//         port.showError(saved.message(), caption);
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error)), failed_(true) {}

    static Result error(std::string message, ErrorPlace place = {}) {
        return Result(Error{std::move(message), std::move(place)});
    }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }

    const Error& error() const {
        if (!failed_)
            std::abort();
        return error_;
    }
    // The error's message; empty when ok.
    const std::string& message() const { return error_.message; }

private:
    Error error_;
    bool failed_ = false;
};

using Status = Result<void>;

// The outcome without its value: ok, or the same error.
template <class T> Status statusOf(const Result<T>& result) {
    return result.ok() ? Status() : Status(result.error());
}

} // namespace tallar
