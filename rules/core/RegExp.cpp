#include "rules/core/RegExp.h"

namespace tallar {

CRegExp::CRegExp(std::string_view pattern) {
    compile(pattern);
}

CRegExp::~CRegExp() {
    if (compiled_)
        regfree(&pattern_);
}

bool CRegExp::compile(std::string_view pattern) {
    if (compiled_)
        regfree(&pattern_);
    registers_.clear();
    compiled_ = regcomp(&pattern_, std::string(pattern).c_str(), REG_EXTENDED) == 0;
    return compiled_;
}

std::optional<std::size_t> CRegExp::search(std::string_view text) {
    registers_.clear();
    if (!compiled_)
        return std::nullopt;
    std::vector<regmatch_t> found(pattern_.re_nsub + 1);
    if (regexec(&pattern_, std::string(text).c_str(), found.size(), found.data(), 0) != 0)
        return std::nullopt;
    registers_ = std::move(found);
    return static_cast<std::size_t>(registers_.front().rm_so);
}

bool CRegExp::match(std::string_view text) {
    const auto at = search(text);
    return at && *at == 0;
}

int CRegExp::groupCount() const {
    return registers_.empty() ? 0 : static_cast<int>(registers_.size()) - 1;
}

std::optional<std::string> CRegExp::group(std::string_view text, int i) const {
    if (i < 0 || i >= groupCount())
        return std::nullopt;
    const regmatch_t& where = registers_[static_cast<std::size_t>(i) + 1];
    if (where.rm_so < 0 || static_cast<std::size_t>(where.rm_eo) > text.size())
        return std::nullopt;
    return std::string(text.substr(static_cast<std::size_t>(where.rm_so),
                                   static_cast<std::size_t>(where.rm_eo - where.rm_so)));
}

std::optional<std::string> findMaxTerm(std::string_view term) {
    // Without a parenthesis there is nothing to find; spares compiling the pattern.
    if (term.find('(') == std::string_view::npos)
        return std::nullopt;
    CRegExp finder("[Mm][Aa][Xx]\\(([^)]*)\\)");
    if (!finder.search(term))
        return std::nullopt;
    return finder.group(term, 0);
}

} // namespace tallar
