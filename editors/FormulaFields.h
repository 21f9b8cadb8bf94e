#pragma once

#include "editors/Fields.h"
#include "editors/RowEditor.h"

#include <string>
#include <vector>

namespace tallar::editors {

// The description of the formula columns, made from the schema's column names: the type
// expression (typ1 … typ5 with the operators znak1 … znak4) and, per attribute prefix, its
// sign, amount, growth multiplier and limit, each attribute one row of the form.
std::vector<ColumnNote> formulaNotes();

// The name of an attribute group of a formula by its column prefix ("sf" → "Siła
// fizyczna"), or the prefix itself when unknown.
std::string formulaGroupName(const std::string& prefix);

// The list of the formulas an owner row holds (id_nad, typ_nad), for a list window.
Query ownedFormulasQuery(const std::string& ownerId, const std::string& ownerKind);

// Deletes every formula of an owner row through the formula editor's cascade, as one unit.
Status deleteOwnedFormulas(Database& db, const std::string& ownerId, const std::string& ownerKind);

} // namespace tallar::editors
