#pragma once

#include "model/GameDate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class CPoz;

// The data of the entry edit dialogs: filled from an entry (or empty for a new one), edited
// by the dialog, checked, and written to an entry. A check returns why the data cannot be
// written, starting with the field's name, or nothing.

// One kind offered by the generic dialog's combo box for a new entry.
struct KindChoice {
    int kind;
    std::string_view name;
};
// The kinds a new entry of the generic dialog can have: a number, a percentage, a game date.
const std::vector<KindChoice>& newEntryKinds();
// The combo box's text for an entry's kind: the name of its value kind.
std::string_view valueKindName(int kind);

// CPozEdycja: "Opis:", "Wartość:" and the kind. The value is what the entry's label shows: the
// integer value, the modifier as a percentage, or a game date.
struct GenericForm {
    enum class Shows { Integer, Percent, Date };

    std::string info;
    bool infoReadOnly = false; // an existing entry with a label keeps it
    int kind = 1;
    bool kindFixed = false; // an existing entry keeps its kind
    std::string value;      // as typed: "12", "150" (%), "-3"
    GameDate date;          // for Shows::Date
    int dayPart = 0;        // 0: no time of day, else 1 … 8

    // A new entry's form, of the first kind offered.
    static GenericForm forNew();
    static GenericForm from(const CPoz& entry);
    // What the value field edits for the form's kind (and, for value kind 3, the entry's
    // modifier being non-zero).
    Shows shows() const;
    void setKind(int newKind);

    std::optional<std::string> problem() const;
    // Writes the label, kind (of a new entry) and the value.
    void applyTo(CPoz& entry) const;

private:
    bool percentOfMixed_ = false;
};

// CPozBool: the label (read-only) and "TAK" / "NIE".
struct YesNoForm {
    std::string info;
    bool yes = false;

    static YesNoForm from(const CPoz& entry);
    void applyTo(CPoz& entry) const;
};

// CPozKasa: "Opis:", "Ilość sztuk:", and the worth of one piece in gold and silver.
struct MoneyForm {
    std::string info;
    std::string count = "1";
    std::string gold = "0";
    std::string silver = "0";

    static MoneyForm from(const CPoz& entry);
    std::optional<std::string> problem() const;
    // The worth of one piece: gold + silver / 100, the silver taken to hundredths.
    double unitWorth() const;
    // Value = count, modifier = unit worth, kind 12.
    void applyTo(CPoz& entry) const;
};

// CPozEkwipunek: "Nazwa:", "Ilość:", "Waga jedn.[SF]".
struct ItemForm {
    std::string info;
    std::string count = "1";
    std::string unitWeight = "0.00";

    static ItemForm from(const CPoz& entry);
    std::optional<std::string> problem() const;
    void applyTo(CPoz& entry) const;
};

// CPozOpis: "Opis:" only.
struct TextForm {
    std::string info;

    static TextForm from(const CPoz& entry);
    std::optional<std::string> problem() const;
    void applyTo(CPoz& entry) const;
};

// Reads a whole number as typed ("12", " -3 "); nothing for anything else.
std::optional<int> parseWholeNumber(std::string_view text);
// Reads a decimal number with a dot or a comma ("1.25", "1,25"); nothing for anything else.
std::optional<double> parseDecimalNumber(std::string_view text);
// A number with two decimals: "2.50".
std::string twoDecimals(double value);

} // namespace tallar
