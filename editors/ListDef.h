#pragma once

#include "editors/EditorDef.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallar::editors {

// A list window: its title, its SELECT (column 0 the identifier, the aliases the column
// headings, sorted DESC so that it reads ascending) with its bound values, and the editor
// its rows open.
struct ListDef {
    std::string name = {}; // how tallar2-cli names it: the table of its rows, or "ulomnosci"
    std::string title = {};
    std::string select = {};
    EditorRef editor = nullptr;             // null: its rows are no rules editor's (the characters)
    bool deletes = true;                    // whether "Usuń" deletes its rows
    std::vector<std::string> headings = {}; // shown instead of the aliases, when given
    std::vector<std::string> values = {};   // bound to the SELECT's `?`
    std::size_t nameColumn = 0;             // the shown column that names a row in a question
};

using ListRef = const ListDef& (*)();

// The lists of this program, each defined once.
namespace lists {
const ListDef& characters();     // CListaIstot, on the character database
const ListDef& races();          // CRasy
const ListDef& bodyParts();      // "Lista czesci ciała"
const ListDef& professions();    // CProfesjeLista
const ListDef& requirements();   // "Wymagania"
const ListDef& socialClasses();  // "Lista klas społecznych"
const ListDef& birthplaces();    // "Lista miejsc urodzenia"
const ListDef& disabilities();   // CListaUlomnosci
const ListDef& abilities();      // CListaZdolnosciNadnaturalnych
const ListDef& trades();         // "Lista zawodów"
const ListDef& skills();         // "Zdolnosci"
const ListDef& weaponGroups();   // "Grupy Broni"
const ListDef& weapons();        // "Bronie"
const ListDef& armourElements(); // "Składniki zbroi"
const ListDef& armours();        // "Lista zbroi"
const ListDef& shields();        // "Lista tarcz"
const ListDef& equipment();      // "Lista ekwipunku"

// The formulas of one owner row (id_nad, typ_nad), as an editor lists them.
ListDef ownedFormulas(const std::string& ownerId, const std::string& ownerKind);

// The lists of the rules tables, in the order of the main window's buttons.
const std::vector<const ListDef*>& rules();
// The rules list of that name, or null.
const ListDef* named(std::string_view name);
} // namespace lists

} // namespace tallar::editors
