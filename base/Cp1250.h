#pragma once

#include "base/Result.h"

#include <string>
#include <string_view>

namespace tallar {

// The one codec between the program's UTF-8 texts and the Windows-1250 bytes that the
// databases and character files hold. It is lossless: each of the 256 byte values maps to
// exactly one code point and back; the five bytes Windows-1250 leaves unassigned (0x81,
// 0x83, 0x88, 0x90, 0x98) map to the C1 control code points of the same value.

// Windows-1250 bytes to UTF-8. Never fails.
std::string decodeCp1250(std::string_view bytes);

// UTF-8 to Windows-1250 bytes. Fails on malformed UTF-8 or on a character Windows-1250
// cannot hold; the message names the character.
Result<std::string> encodeCp1250(std::string_view utf8);

// Appends one code point to a UTF-8 text.
void appendUtf8(std::string& out, char32_t c);

// The longest start of a UTF-8 text that has at most `maxBytes` bytes and does not split a
// character.
std::string_view utf8Prefix(std::string_view utf8, std::size_t maxBytes);

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

// True when every character of the UTF-8 text can be stored as Windows-1250.
bool representableInCp1250(std::string_view utf8);

} // namespace tallar
