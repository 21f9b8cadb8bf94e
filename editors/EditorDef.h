#pragma once

#include "editors/Fields.h"

#include <array>
#include <string>
#include <vector>

namespace tallar::editors {

// A column that the editor fills itself rather than the user (the kind of an ability).
struct FixedValue {
    std::string column;
    std::string value;
};

// A pick list that chooses rows of another table to link: its title, and its SELECT split
// around the exclusion of the rows already linked ("… WHERE id NOT IN (" + one bound value
// per linked row + "'') ORDER BY …"). Column 0 of the result is the identifier.
struct PickList {
    std::string title = {};
    std::string selectBeforeExclusion = {};
    std::string selectAfterExclusion = {};
    bool multiSelect = true;
    std::string buttonText = {}; // the pick button's caption when it is not "Dodaj"
};

// A link table saved with the row: rows (ownerColumn = the row's id, otherColumn = a linked
// row, then `values`). `namesSql` reads the linked rows' identifiers, names and values for
// the row (one `?`).
struct LinkDef {
    std::string table = {};
    std::string ownerColumn = {};
    std::string otherColumn = {};
    std::string label = {};
    std::string namesSql = {};
    PickList pick = {};
    std::vector<ColumnNote> values = {}; // columns of the link row edited per row
    std::string valueTitle = {};         // the title of the dialog that edits them
    std::string page = {};               // the tab the section goes to; empty: below
    bool repeatable = false;             // a row may be linked again with other values
    bool ownIds = false; // otherColumn is the link row's own new identifier (no pick list)
};

struct EditorDef;
using EditorRef = const EditorDef& (*)();

// One statement of a delete cascade: rows of `table` whose `column` holds the identifier.
// With `through`, each such row is deleted through that editor's cascade instead.
struct CascadeStep {
    std::string table = {};
    std::string column = {};
    EditorRef through = nullptr;
    std::string condition = {};   // a further SQL condition on the rows
    std::string ownerColumn = {}; // compared too, with the editor's fixed value of it
};

// Rows of another table that belong to this row and are saved by their own editor at once
// (the stages of a race, the chances of a skill, the formulas of a trade). With `prune`, a
// child removed in the form is deleted only by the owner's save: first the rows `prune`
// names (column compared with the child's id), then the child rows; without it a removed
// child is deleted at once through its editor's cascade.
struct ChildrenDef {
    std::string label = {};
    EditorRef editor = nullptr;
    std::string ownerColumn = {};
    std::string namesSql = {}; // id and name of the children, one `?`
    std::string page = {};
    std::vector<CascadeStep> prune = {};
    std::vector<FixedValue> fixed = {}; // further values the children get (a formula's kind)
};

// Rows of another table held in the form and saved with the row: deleted by the owner
// column, inserted again (natural weapons and body parts of a stage).
struct OwnedRowsDef {
    std::string label = {};
    EditorRef editor = nullptr;
    std::string ownerColumn = {};
    std::string nameColumn = {};
    Reference reference = {}; // when set, the name is looked up through nameColumn
    std::string page = {};
};

// Everything an editor of one rules table knows: its names and titles, its fields (from the
// schema and the notes), what it requires, its link tables in save order, and its delete
// cascade in execution order.
struct EditorDef {
    std::string className = {};
    std::string dialogTitle = {};
    std::array<std::string, 3> titles = {}; // for the modes New, Edit and Delete
    std::string table = {};
    std::vector<ColumnNote> notes = {};
    std::vector<std::string> required = {};
    std::vector<FixedValue> fixed = {};
    std::vector<LinkDef> links = {};
    std::vector<CascadeStep> cascade = {}; // empty: the editor deletes nothing
    bool ownsFormulas = false;             // formulas with id_nad = id and typ_nad = the fixed typ
    std::vector<OwnedRowsDef> owned = {};
    std::vector<ChildrenDef> children = {};
    std::vector<std::string> pages = {};       // the tabs in order, when not the columns' order
    std::vector<std::string> pageClasses = {}; // the names of those tabs' page classes
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
const EditorDef& race();          // CRasa
const EditorDef& stage();         // CStadium
const EditorDef& naturalWeapon(); // CBronNaturalna
const EditorDef& stageBodyPart(); // CCzescCiala
const EditorDef& skill();         // CZdolnosc
const EditorDef& chance();        // CSzansaEdit
const EditorDef& savingThrow();   // CRzutObronnyEdycja
const EditorDef& throwEffect();   // CSkutkiRzutowEdit
const EditorDef& modification();  // CZmianaWspolczEdit
const EditorDef& trade();         // CEdycjaZawod
const EditorDef& profession();    // CEdycjaProfesja

// Every editor above.
const std::vector<const EditorDef*>& all();
// The editor whose delete routine serves a table (the first editor of that table), or null.
const EditorDef* forTable(std::string_view table);
} // namespace catalogue

} // namespace tallar::editors
