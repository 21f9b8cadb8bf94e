#pragma once

#include <regex.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

// A compiled POSIX extended regular expression of the C library: a bare parenthesis groups,
// a parenthesis after a backslash is literal. Keeps the offsets of the last successful
// search. Texts are searched byte by byte as given (UTF-8 passes through unchanged).
class CRegExp {
public:
    explicit CRegExp(std::string_view pattern);
    virtual ~CRegExp();
    CRegExp(const CRegExp&) = delete;
    CRegExp& operator=(const CRegExp&) = delete;

    // Compiles a new pattern in place of the old one; false when it does not compile.
    bool compile(std::string_view pattern);
    bool compiled() const { return compiled_; }

    // The offset of the first match in `text`, or nothing. Keeps the group offsets.
    std::optional<std::size_t> search(std::string_view text);
    // True when the pattern matches at the start of `text`.
    bool match(std::string_view text);

    // The number of parenthesised groups of the last successful search; 0 before one and
    // after a failed one.
    int groupCount() const;
    // The text of group i (0 is the first parenthesised group) of `text`, the text last
    // searched; nothing when i is not below groupCount() or the group took no part.
    std::optional<std::string> group(std::string_view text, int i) const;

private:
    regex_t pattern_{};
    bool compiled_ = false;
    std::vector<regmatch_t> registers_;
};

// The content of a "MAX(...)" term (the letters in either case, the content up to the
// first closing parenthesis), or nothing when the term has none.
std::optional<std::string> findMaxTerm(std::string_view term);

} // namespace tallar
