#pragma once

#include <string_view>

namespace tallar::editors {

// Whether a dice expression is well formed: terms (a number, nKs with an optional open end
// "_", MAX(nKs), an attribute name) joined by + - * /. The empty text is well formed (an
// absent expression). The rules engine evaluates any text; this check only warns the
// author of a rule about a text that would not mean what it seems to.
bool diceExpressionWellFormed(std::string_view expression);

} // namespace tallar::editors
