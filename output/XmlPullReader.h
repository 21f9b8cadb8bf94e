#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

// A place in a file: line and character counted from 1 (the files are Windows-1250, one
// byte per character), and the byte offset counted from 0.
struct FilePlace {
    std::size_t line = 1;
    std::size_t column = 1;
    std::size_t offset = 0;
};

// The place of byte `offset` of `bytes`. Lines end with a line feed.
FilePlace placeOf(std::string_view bytes, std::size_t offset);

// A small, strict pull reader for XML documents stored as Windows-1250 bytes, as the
// character file is. It reports element starts and ends, text and CDATA sections (empty
// ones included), with their texts decoded to UTF-8. It understands elements without
// attributes, comments, CDATA sections, and the five predefined and the numeric character
// references in text. It refuses everything else: document types (so no entity is ever
// defined or fetched), processing instructions and the XML declaration, attributes, a
// byte 0, a character reference to a character Windows-1250 cannot hold, and any
// document that is not well formed or ends early. It reads only the bytes it is given.
class XmlPullReader {
public:
    enum class Node { ElementStart, ElementEnd, Text, CData, End, Error };

    explicit XmlPullReader(std::string_view bytes) : bytes_(bytes) {}

    // Moves to the next node and returns its kind. After End or Error it stays there.
    Node next();

    Node node() const { return node_; }
    // The element's name for ElementStart and ElementEnd.
    const std::string& name() const { return name_; }
    // The text of Text and CData nodes, in UTF-8.
    const std::string& text() const { return text_; }
    // True for a Text node of blanks and line ends only.
    bool blank() const { return blank_; }
    // Byte offset where the current node (or, for Error, the fault) begins.
    std::size_t offset() const { return offset_; }
    // Why the document was refused, for Error.
    const std::string& error() const { return error_; }
    // Number of elements open after the current node.
    std::size_t depth() const { return open_.size(); }

private:
    Node fail(std::size_t at, std::string message);
    Node readMarkup();
    Node readElementStart();
    Node readElementEnd();
    Node readText();
    bool readName(std::string& out);
    bool appendReference(std::size_t& pos);
    bool startsWith(std::string_view s) const { return bytes_.substr(pos_).starts_with(s); }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    Node node_ = Node::End;
    bool started_ = false;
    bool rootSeen_ = false;
    bool pendingEnd_ = false; // an empty-element tag reports its end next
    std::string name_;
    std::string text_;
    bool blank_ = false;
    std::size_t offset_ = 0;
    std::string error_;
    std::vector<std::string> open_;
};

} // namespace tallar
