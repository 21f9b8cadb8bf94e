#include "output/XmlPullReader.h"

#include "base/Cp1250.h"

#include <cstdio>

namespace tallar {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
}

bool isNameChar(char c) {
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// The value of a digit of a character reference, or -1.
int digitValue(char d, bool hex) {
    if (d >= '0' && d <= '9')
        return d - '0';
    if (hex && d >= 'a' && d <= 'f')
        return d - 'a' + 10;
    if (hex && d >= 'A' && d <= 'F')
        return d - 'A' + 10;
    return -1;
}

std::string codePointName(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

constexpr std::string_view kTruncated = "plik urywa się w połowie";

} // namespace

FilePlace placeOf(std::string_view bytes, std::size_t offset) {
    FilePlace place;
    place.offset = offset;
    const std::size_t end = offset < bytes.size() ? offset : bytes.size();
    for (std::size_t i = 0; i < end; ++i) {
        if (bytes[i] == '\n') {
            ++place.line;
            place.column = 1;
        } else {
            ++place.column;
        }
    }
    return place;
}

XmlPullReader::Node XmlPullReader::fail(std::size_t at, std::string message) {
    offset_ = at;
    error_ = std::move(message);
    return node_ = Node::Error;
}

XmlPullReader::Node XmlPullReader::next() {
    if (started_ && (node_ == Node::End || node_ == Node::Error))
        return node_;
    started_ = true;
    name_.clear();
    text_.clear();
    blank_ = false;

    if (pendingEnd_) {
        pendingEnd_ = false;
        name_ = open_.back();
        open_.pop_back();
        return node_ = Node::ElementEnd;
    }
    for (;;) {
        if (pos_ >= bytes_.size()) {
            offset_ = pos_;
            if (!open_.empty())
                return fail(pos_,
                            std::string(kTruncated) + ": brak znacznika </" + open_.back() + ">");
            if (!rootSeen_)
                return fail(pos_, "plik nie zawiera żadnego elementu");
            return node_ = Node::End;
        }
        if (bytes_[pos_] != '<') {
            if (open_.empty()) {
                // Outside the root only blanks may stand.
                const std::size_t start = pos_;
                while (pos_ < bytes_.size() && isBlank(bytes_[pos_]))
                    ++pos_;
                if (pos_ < bytes_.size() && bytes_[pos_] != '<')
                    return fail(pos_, start == 0 && bytes_.substr(0, 3) == "\xEF\xBB\xBF"
                                          ? "plik zaczyna się od znacznika UTF-8; plik postaci "
                                            "powinien być zapisany w kodzie Windows-1250"
                                          : "tekst poza elementem głównym");
                continue;
            }
            return readText();
        }
        if (startsWith("<!--")) {
            const auto end = bytes_.find("-->", pos_ + 4);
            if (end == std::string_view::npos)
                return fail(pos_, std::string(kTruncated) + ": niezamknięty komentarz");
            pos_ = end + 3;
            continue;
        }
        return readMarkup();
    }
}

XmlPullReader::Node XmlPullReader::readMarkup() {
    const std::size_t start = pos_;
    if (startsWith("<![CDATA[")) {
        if (open_.empty())
            return fail(start, "sekcja CDATA poza elementem głównym");
        const auto end = bytes_.find("]]>", pos_ + 9);
        if (end == std::string_view::npos)
            return fail(start, std::string(kTruncated) + ": niezamknięta sekcja CDATA");
        const std::string_view raw = bytes_.substr(pos_ + 9, end - pos_ - 9);
        if (const auto zero = raw.find('\0'); zero != std::string_view::npos)
            return fail(pos_ + 9 + zero, "niedozwolony bajt 0");
        text_ = decodeCp1250(raw);
        pos_ = end + 3;
        offset_ = start;
        return node_ = Node::CData;
    }
    if (startsWith("<!DOCTYPE") || startsWith("<!doctype"))
        return fail(start, "deklaracja typu dokumentu (DOCTYPE) jest niedozwolona");
    if (startsWith("<!"))
        return fail(start, "niepoprawny znacznik „<!”");
    if (startsWith("<?"))
        return fail(start, "instrukcje przetwarzania i deklaracja XML są niedozwolone");
    if (startsWith("</"))
        return readElementEnd();
    return readElementStart();
}

bool XmlPullReader::readName(std::string& out) {
    if (pos_ >= bytes_.size() || !isNameStart(bytes_[pos_]))
        return false;
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && isNameChar(bytes_[pos_]))
        ++pos_;
    out.assign(bytes_.substr(start, pos_ - start));
    return true;
}

XmlPullReader::Node XmlPullReader::readElementStart() {
    const std::size_t start = pos_;
    ++pos_; // '<'
    if (!readName(name_))
        return fail(pos_ >= bytes_.size() ? pos_ : start,
                    pos_ >= bytes_.size() ? std::string(kTruncated)
                                          : "niepoprawna nazwa elementu po „<”");
    if (open_.empty() && rootSeen_)
        return fail(start, "drugi element główny <" + name_ + ">");
    while (pos_ < bytes_.size() && isBlank(bytes_[pos_]))
        ++pos_;
    if (pos_ >= bytes_.size())
        return fail(pos_, std::string(kTruncated) + ": niezamknięty znacznik <" + name_ + ">");
    bool empty = false;
    if (bytes_[pos_] == '/') {
        ++pos_;
        if (pos_ >= bytes_.size())
            return fail(pos_, std::string(kTruncated) + ": niezamknięty znacznik <" + name_ + ">");
        empty = true;
    }
    if (bytes_[pos_] != '>')
        return fail(pos_, isNameStart(bytes_[pos_]) && !empty
                              ? "atrybuty są niedozwolone (element <" + name_ + ">)"
                              : "niepoprawny znacznik <" + name_ + ">");
    ++pos_;
    rootSeen_ = true;
    open_.push_back(name_);
    pendingEnd_ = empty;
    offset_ = start;
    return node_ = Node::ElementStart;
}

XmlPullReader::Node XmlPullReader::readElementEnd() {
    const std::size_t start = pos_;
    pos_ += 2; // "</"
    if (!readName(name_))
        return fail(pos_ >= bytes_.size() ? pos_ : start,
                    pos_ >= bytes_.size() ? std::string(kTruncated)
                                          : "niepoprawna nazwa elementu po „</”");
    while (pos_ < bytes_.size() && isBlank(bytes_[pos_]))
        ++pos_;
    if (pos_ >= bytes_.size())
        return fail(pos_, std::string(kTruncated) + ": niezamknięty znacznik </" + name_ + ">");
    if (bytes_[pos_] != '>')
        return fail(pos_, "niepoprawny znacznik </" + name_ + ">");
    ++pos_;
    if (open_.empty())
        return fail(start, "znacznik </" + name_ + "> bez otwarcia");
    if (open_.back() != name_)
        return fail(start, "znacznik </" + name_ + "> zamyka element <" + open_.back() + ">");
    open_.pop_back();
    offset_ = start;
    return node_ = Node::ElementEnd;
}

XmlPullReader::Node XmlPullReader::readText() {
    offset_ = pos_;
    blank_ = true;
    std::size_t chunk = pos_; // start of the bytes not yet decoded
    while (pos_ < bytes_.size() && bytes_[pos_] != '<') {
        const char c = bytes_[pos_];
        if (c == '\0')
            return fail(pos_, "niedozwolony bajt 0");
        if (!isBlank(c))
            blank_ = false;
        if (c == '&') {
            text_ += decodeCp1250(bytes_.substr(chunk, pos_ - chunk));
            if (!appendReference(pos_))
                return node_;
            chunk = pos_;
            continue;
        }
        ++pos_;
    }
    text_ += decodeCp1250(bytes_.substr(chunk, pos_ - chunk));
    return node_ = Node::Text;
}

// Decodes the reference starting at `pos` ('&') and moves past its ';'. On a fault sets
// the error and returns false.
bool XmlPullReader::appendReference(std::size_t& pos) {
    const std::size_t start = pos;
    // A numeric reference is read digit by digit, however long, so that one with too many
    // digits is reported as out of range rather than as a stray "&".
    if (bytes_.substr(pos + 1, 1) == "#") {
        std::size_t end = pos + 2;
        const bool hex = bytes_.substr(end, 1) == "x";
        if (hex)
            ++end;
        const std::size_t digits = end;
        char32_t code = 0;
        bool tooLarge = false;
        for (; end < bytes_.size(); ++end) {
            const int value = digitValue(bytes_[end], hex);
            if (value < 0)
                break;
            code = code * (hex ? 16 : 10) + static_cast<char32_t>(value);
            if (code > 0x10FFFF) {
                tooLarge = true;
                code = 0x110000; // stays above the range, whatever digits follow
            }
        }
        if (end > digits && end < bytes_.size() && bytes_[end] == ';') {
            constexpr std::size_t kShownDigits = 16;
            const std::string_view body = bytes_.substr(start, end + 1 - start);
            pos = end + 1;
            if (tooLarge) {
                const bool cut = end - digits > kShownDigits;
                const std::string shown =
                    cut ? std::string(body.substr(0, digits - start + kShownDigits)) + "…;"
                        : std::string(body);
                fail(start, "odwołanie do znaku „" + shown +
                                "” poza zakresem (największy znak to U+10FFFF)");
                return false;
            }
            if (code == 0 || (code >= 0xD800 && code <= 0xDFFF)) {
                fail(start, "niepoprawne odwołanie do znaku „" + std::string(body) + "”");
                return false;
            }
            std::string character;
            appendUtf8(character, code);
            if (!representableInCp1250(character)) {
                fail(start,
                     "znaku " + codePointName(code) + " nie da się zapisać w kodzie Windows-1250");
                return false;
            }
            text_ += character;
            return true;
        }
    }
    // Other references end within a few bytes; a ';' further away is not theirs.
    constexpr std::size_t kLongestReference = 12; // "&#x0010FFFF;"
    const auto found = bytes_.substr(pos, kLongestReference + 1).find(';');
    if (found == std::string_view::npos) {
        fail(start, "znak „&” poza odwołaniem do znaku (należy pisać „&amp;”)");
        return false;
    }
    const std::string_view body = bytes_.substr(pos + 1, found - 1);
    pos += found + 1;
    static constexpr std::pair<std::string_view, char> kPredefined[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, character] : kPredefined) {
        if (body == entity) {
            text_ += character;
            return true;
        }
    }
    fail(start, body.starts_with('#')
                    ? "niepoprawne odwołanie do znaku „&" + std::string(body) + ";”"
                    : "nieznane odwołanie „&" + std::string(body) + ";”");
    return false;
}

} // namespace tallar
