#include "editors/Fields.h"

#include "base/Cp1250.h"
#include "rules/core/Dice.h"
#include "store/db/Schema.h"

#include <algorithm>

namespace tallar::editors {

namespace {

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

ValueKind guessedKind(std::string_view column) {
    if (endsWith(column, "znak"))
        return ValueKind::Sign;
    if (endsWith(column, "kxx"))
        return ValueKind::Dice;
    return ValueKind::Text;
}

bool isNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            digits = true;
        else if ((c == '.' || c == ',') && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

// The first character of a UTF-8 text that Windows-1250 cannot hold.
std::string firstUnstorable(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string_view character = text.substr(i, length);
        if (!representableInCp1250(character))
            return std::string(character);
        i += length;
    }
    return {};
}

} // namespace

Field fieldFrom(const ColumnNote& note) {
    return {note.column, note.label, note.kind, note.page, note.group, note.reference};
}

std::string fieldName(const Field& field) {
    const auto bare = [](std::string text) {
        while (!text.empty() && (text.back() == ':' || text.back() == ' '))
            text.pop_back();
        return text;
    };
    if (field.group.empty() || field.group == field.label)
        return bare(field.label);
    return bare(field.group) + ", " + bare(field.label);
}

std::vector<Field> buildFields(const TableDef& table, const std::vector<ColumnNote>& notes,
                               const std::vector<std::string>& skipped) {
    std::vector<Field> fields;
    for (const ColumnDef& column : table.columns) {
        if (std::find(skipped.begin(), skipped.end(), column.name) != skipped.end())
            continue;
        const auto note = std::find_if(notes.begin(), notes.end(), [&](const ColumnNote& n) {
            return n.column == column.name;
        });
        if (note != notes.end())
            fields.push_back(fieldFrom(*note));
        else
            fields.push_back({std::string(column.name),
                              std::string(column.name),
                              guessedKind(column.name),
                              {},
                              {},
                              {}});
    }
    return fields;
}

std::vector<std::string> unknownNotes(const TableDef& table, const std::vector<ColumnNote>& notes) {
    std::vector<std::string> unknown;
    for (const ColumnNote& note : notes)
        if (table.columnIndex(note.column) < 0)
            unknown.push_back(note.column);
    return unknown;
}

const std::vector<std::string>& signChoices() {
    static const std::vector<std::string> signs = {"", "+", "-", "*", "/", "="};
    return signs;
}

std::optional<std::string> valueProblem(ValueKind kind, std::string_view text) {
    if (!representableInCp1250(text)) {
        const std::string character = firstUnstorable(text);
        return "Znaku „" + character + "” nie można zapisać w bazie reguł (Windows-1250).";
    }
    if (text.empty())
        return std::nullopt;
    switch (kind) {
    case ValueKind::Number:
        if (!isNumber(text))
            return std::string("W tym polu można wpisać tylko liczbę.");
        break;
    case ValueKind::Dice:
        // "MAX" and "MIN" alone are the amounts that tip a formula's balance.
        if (text == "MAX" || text == "MIN")
            break;
        if (auto problem = diceExpressionProblem(text))
            return "Niepoprawne wyrażenie: " + *problem;
        break;
    case ValueKind::Sign:
        // Only the first character of a sign counts.
        if (std::string_view("+-*/=").find(text.front()) == std::string_view::npos)
            return std::string("Dozwolone znaki działań: + - * / =.");
        break;
    case ValueKind::Flag: // any text; its first letter "T" means set
    case ValueKind::Text:
    case ValueKind::LongText:
    case ValueKind::Reference:
        break;
    }
    return std::nullopt;
}

std::string storedText(ValueKind kind, std::string_view typed) {
    std::string text(typed);
    if (kind == ValueKind::Number || kind == ValueKind::Dice)
        std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

std::string fieldHint(const Field& field, bool required) {
    std::string hint = fieldName(field) + ": ";
    switch (field.kind) {
    case ValueKind::Number:
        hint += "liczba, np. 12, -3 albo 0,75 (przecinek zapisuje się jako kropka); puste pole "
                "to brak wartości.";
        break;
    case ValueKind::Dice:
        hint += "wyrażenie kości: liczby, kości (K10, 2K10, K100_ z rzutem otwartym, MAX(2K10) "
                "z najlepszą kością), nazwy cech (SF, CH, WIEK…) i działania + - * /, np. "
                "2K10+3 albo 0,75.";
        break;
    case ValueKind::Sign:
        hint += "działanie: +, -, *, / albo =, lub nic.";
        break;
    case ValueKind::Flag:
        hint += "zaznaczone zapisuje się jako „T”, niezaznaczone jako „N”.";
        break;
    case ValueKind::Reference:
        hint +=
            field.reference.freeText
                ? "wybierz wartość używaną w tabeli " + field.reference.table + " albo wpisz nową."
                : "wybierz wiersz tabeli " + field.reference.table + " z listy.";
        break;
    case ValueKind::Text:
    case ValueKind::LongText:
        hint += field.column == "nazwa" ? "nazwa, pod którą wiersz widać na listach." : "tekst.";
        break;
    }
    if (required)
        hint += " To pole musi być wypełnione.";
    return hint;
}

} // namespace tallar::editors
