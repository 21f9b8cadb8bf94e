#pragma once

#include "base/Status.h"
#include "rules/core/Dice.h"
#include "store/db/Database.h"

#include <initializer_list>
#include <string_view>

namespace tallar {

class CIstota;
class CPoz;
class UserPort;
struct AttributeDef;

// Runs a query of a rules step on the rules database. A failure is written as
// "SQL error: …" (by the database) and shown through `port` in a message box captioned
// "Błąd!"; the rows read before it have reached `onRow`, and the step goes on with them.
Status queryRules(Database& rules, UserPort* port, std::string_view sql,
                  std::initializer_list<SqlParam> params, const RowCallback& onRow);

// The character's top-level entry of an attribute-set member, or null.
CPoz* attributeEntry(const CIstota& character, const AttributeDef& member);

} // namespace tallar
