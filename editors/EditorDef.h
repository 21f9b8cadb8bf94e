#pragma once

#include "editors/Fields.h"

#include <array>
#include <string>
#include <vector>

namespace tallar::editors {

// A pick list that chooses rows of another table to link: its title, and its SELECT split
// around the exclusion of the rows already linked ("… WHERE id NOT IN (" + one bound value
// per linked row + "'') ORDER BY …"). Column 0 of the result is the identifier.
struct PickList {
    std::string title;
    std::string selectBeforeExclusion;
    std::string selectAfterExclusion;
    bool multiSelect = true;
    std::string buttonText; // the pick button's caption when it is not "Dodaj"
};

// A link table saved with the row: rows (ownerColumn = the row's id, otherColumn = a linked
// row). `namesSql` reads the linked rows' identifiers and names for the row (one `?`).
struct LinkDef {
    std::string table;
    std::string ownerColumn;
    std::string otherColumn;
    std::string label;
    std::string namesSql;
    PickList pick;
};

// One statement of a delete cascade: rows of `table` whose `column` holds the identifier.
struct CascadeStep {
    std::string table;
    std::string column;
};

// A column that the editor fills itself rather than the user (the kind of an ability).
struct FixedValue {
    std::string column;
    std::string value;
};

// Everything an editor of one rules table knows: its names and titles, its fields (from the
// schema and the notes), what it requires, its link tables in save order, and its delete
// cascade in execution order.
struct EditorDef {
    std::string className;
    std::string dialogTitle;
    std::array<std::string, 3> titles; // for the modes N, E and D
    std::string table;
    std::vector<ColumnNote> notes;
    std::vector<std::string> required;
    std::vector<FixedValue> fixed;
    std::vector<LinkDef> links;
    std::vector<CascadeStep> cascade; // empty: the editor deletes nothing
    bool ownsFormulas = false;        // formulas with id_nad = id and typ_nad = the fixed typ
};

// The editors of this program, each defined once.
namespace catalogue {
const EditorDef& equipment();     // CEdycjaEkwipunek
const EditorDef& birthplace();    // CEdycjaMiasto
const EditorDef& socialClass();   // CEdycjaKlasaSpoleczna
const EditorDef& bodyPart();      // CCzescCialaDef
const EditorDef& weaponGroup();   // CGrupaBroniEdycja
const EditorDef& weapon();        // CBronEdycja
const EditorDef& shield();        // CEdycjaTarczy
const EditorDef& requirement();   // CEdycjaWymagan
const EditorDef& armourElement(); // CElementZbroi
const EditorDef& armour();        // CEdycjaZbroi
const EditorDef& disability();    // CUlomnoscEdycja
const EditorDef& ability();       // CZdolnoscNadnaturalnaEdycja
const EditorDef& formula();       // CFormula

// Every editor above.
const std::vector<const EditorDef*>& all();
// The editor whose delete routine serves a table (the first editor of that table), or null.
const EditorDef* forTable(std::string_view table);
} // namespace catalogue

} // namespace tallar::editors
