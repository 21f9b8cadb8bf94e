#pragma once

#include "editors/EditorDef.h"
#include "ui/editors/EditorDialog.h"

// The editors of the rules tables. Each is the dialog built from its table's description;
// the classes exist so that lists are bound to an editor by type (CListaTemplate<T>).
#include "ui/editors/CLista.h"

namespace tallar::ui {

// Name is the class made, which cannot stand in parentheses.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define TALLAR_RULES_EDITOR(Name, definition)                                                      \
    class Name : public EditorDialog {                                                             \
    public:                                                                                        \
        Name(Database& db, const std::string& id, editors::EditorMode mode, QWidget* parent,       \
             std::vector<editors::FixedValue> fixed = {})                                          \
            : EditorDialog(db, editors::catalogue::definition(), id, mode, parent,                 \
                           std::move(fixed)) {}                                                    \
    };
// NOLINTEND(bugprone-macro-parentheses)

TALLAR_RULES_EDITOR(CEdycjaEkwipunek, equipment)
TALLAR_RULES_EDITOR(CEdycjaMiasto, birthplace)
TALLAR_RULES_EDITOR(CEdycjaKlasaSpoleczna, socialClass)
TALLAR_RULES_EDITOR(CCzescCialaDef, bodyPart)
TALLAR_RULES_EDITOR(CGrupaBroniEdycja, weaponGroup)
TALLAR_RULES_EDITOR(CBronEdycja, weapon)
TALLAR_RULES_EDITOR(CEdycjaTarczy, shield)
TALLAR_RULES_EDITOR(CEdycjaWymagan, requirement)
TALLAR_RULES_EDITOR(CElementZbroi, armourElement)
TALLAR_RULES_EDITOR(CEdycjaZbroi, armour)
// The race with its stages (each a CStadium saved at once), professions, weapon groups,
// alignments, social classes, abilities and disabilities.
TALLAR_RULES_EDITOR(CRasa, race)
// A stage of a race; its natural weapons (CBronNaturalna) and body parts (CCzescCiala) are
// held in the form and saved with it.
TALLAR_RULES_EDITOR(CStadium, stage)
TALLAR_RULES_EDITOR(CBronNaturalna, naturalWeapon)
TALLAR_RULES_EDITOR(CCzescCiala, stageBodyPart)
// The skill with its chances, saving throws, effects and modifications.
TALLAR_RULES_EDITOR(CZdolnosc, skill)
TALLAR_RULES_EDITOR(CSzansaEdit, chance)
TALLAR_RULES_EDITOR(CRzutObronnyEdycja, savingThrow)
TALLAR_RULES_EDITOR(CSkutkiRzutowEdit, throwEffect)
TALLAR_RULES_EDITOR(CZmianaWspolczEdit, modification)
// The trade with its grades, races, skills per grade and formulas per grade.
TALLAR_RULES_EDITOR(CEdycjaZawod, trade)
// The profession with its titles, combinable professions, races, skills, requirements,
// alignments and social classes.
TALLAR_RULES_EDITOR(CEdycjaProfesja, profession)

#undef TALLAR_RULES_EDITOR

// The formula editor, opened from the editors of the rows that own formulas. The owner's
// identifier and kind go to `id_nad` and `typ_nad`.
class CFormula : public EditorDialog {
public:
    CFormula(Database& db, const std::string& id, editors::EditorMode mode, QWidget* parent,
             const std::string& ownerId = {}, const std::string& ownerKind = {});
};

// A disability or a supernatural ability: the row, its races and its formulas. Cancelling
// a new row that was never saved takes its formulas with it.
class CZdolnoscEdycjaBase : public EditorDialog {
public:
    CZdolnoscEdycjaBase(Database& db, const editors::EditorDef& def, const std::string& id,
                        editors::EditorMode mode, QWidget* parent);

    CLista* formulas() const { return formulas_; }

private:
    CLista* formulas_ = nullptr;
};

class CUlomnoscEdycja : public CZdolnoscEdycjaBase {
public:
    CUlomnoscEdycja(Database& db, const std::string& id, editors::EditorMode mode, QWidget* parent)
        : CZdolnoscEdycjaBase(db, editors::catalogue::disability(), id, mode, parent) {}
};

class CZdolnoscNadnaturalnaEdycja : public CZdolnoscEdycjaBase {
public:
    CZdolnoscNadnaturalnaEdycja(Database& db, const std::string& id, editors::EditorMode mode,
                                QWidget* parent)
        : CZdolnoscEdycjaBase(db, editors::catalogue::ability(), id, mode, parent) {}
};

// The list of races ("Rasy").
class CRasy : public CListaTemplate<CRasa> {
public:
    CRasy(QWidget* parent, Database& db);
};

// The list of professions ("Profesje"): new and edit only, and "Wyjscie" to close.
class CProfesjeLista : public CListaTemplate<CEdycjaProfesja> {
public:
    CProfesjeLista(QWidget* parent, Database& db);

protected:
    void setUp() override;
};

// The lists of disabilities and of supernatural abilities: adding and editing only.
class CListaUlomnosci : public CListaTemplate<CUlomnoscEdycja> {
public:
    CListaUlomnosci(QWidget* parent, Database& db);
};

class CListaZdolnosciNadnaturalnych : public CListaTemplate<CZdolnoscNadnaturalnaEdycja> {
public:
    CListaZdolnosciNadnaturalnych(QWidget* parent, Database& db);
};

} // namespace tallar::ui
