#pragma once

#include "editors/EditorDef.h"
#include "ui/editors/EditorDialog.h"

// The editors of the rules tables. Each is the dialog built from its table's description;
// the classes exist so that lists are bound to an editor by type (CListaTemplate<T>).
namespace tallar::ui {

class CLista;

#define TALLAR_RULES_EDITOR(Name, definition)                                                      \
    class Name : public EditorDialog {                                                             \
    public:                                                                                        \
        Name(Database& db, const std::string& id, char mode, QWidget* parent)                      \
            : EditorDialog(db, editors::catalogue::definition(), id, mode, parent) {}              \
    };

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

#undef TALLAR_RULES_EDITOR

// The formula editor, opened from the editors of the rows that own formulas. The owner's
// identifier and kind go to `id_nad` and `typ_nad`.
class CFormula : public EditorDialog {
public:
    CFormula(Database& db, const std::string& id, char mode, QWidget* parent,
             const std::string& ownerId = {}, const std::string& ownerKind = {});
};

// A disability or a supernatural ability: the row, its races and its formulas.
class CZdolnoscEdycjaBase : public EditorDialog {
public:
    CZdolnoscEdycjaBase(Database& db, const editors::EditorDef& def, const std::string& id,
                        char mode, QWidget* parent);

    CLista* formulas() const { return formulas_; }
    // Cancelling a new row that was never saved takes its formulas with it, so that no
    // formula is left without an owner.
    void reject() override;

private:
    CLista* formulas_ = nullptr;
};

class CUlomnoscEdycja : public CZdolnoscEdycjaBase {
public:
    CUlomnoscEdycja(Database& db, const std::string& id, char mode, QWidget* parent)
        : CZdolnoscEdycjaBase(db, editors::catalogue::disability(), id, mode, parent) {}
};

class CZdolnoscNadnaturalnaEdycja : public CZdolnoscEdycjaBase {
public:
    CZdolnoscNadnaturalnaEdycja(Database& db, const std::string& id, char mode, QWidget* parent)
        : CZdolnoscEdycjaBase(db, editors::catalogue::ability(), id, mode, parent) {}
};

} // namespace tallar::ui
