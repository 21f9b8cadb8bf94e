// The skill and the rows it owns: chances, saving throws, effects and modifications.
#include "editors/CatalogueParts.h"
#include "store/db/Schema.h"

#include <algorithm>

namespace tallar::editors::catalogue {

namespace {

using K = ValueKind;
using namespace parts;

const std::string kGeneral = "Ogólne";    // CZdolnoscZ1
const std::string kParameters = "Zasady"; // CZdolnoscZ2

// The skill's parameter columns share prefixes; each prefix is one row of the form.
std::vector<ColumnNote> skillNotes() {
    std::vector<ColumnNote> notes = {
        {"nazwa", "Nazwa", K::Text, kGeneral},
        {"grupa", "Grupa", K::Text, kGeneral},
        {"funkcja", "Funkcja", K::Text, kGeneral},
        {"deklaracja", "Deklaracja", K::Flag, kGeneral},
        {"inneakcje", "Inne akcje", K::Flag, kGeneral},
        {"opis", "Opis", K::LongText, kGeneral},
        {"zapozyczenie", "Zapożyczenie", K::Flag, kGeneral},
        {"obronaprzed", "Obrona przed", K::Flag, kGeneral},
        {"polaczana", "Łączona", K::Flag, kGeneral},
        {"potencjalcelu", "Potencjał celu", K::Flag, kGeneral},
    };
    static const std::vector<std::pair<std::string, std::string>> groups = {
        {"okres", "Okres"},
        {"czas", "Czas"},
        {"zasiegprom", "Zasięg - promień"},
        {"zasieg", "Zasięg"},
        {"obszarprom", "Obszar - promień"},
        {"obszar", "Obszar"},
        {"cel", "Cel"},
        {"czel", "Cel"},
        {"trwa", "Trwanie"},
        {"potencjal", "Potencjał"},
        {"inne", "Inne"},
    };
    const TableDef* table = findTable("umiejetnosci");
    if (!table)
        return notes;
    for (const ColumnDef& column : table->columns) {
        const std::string name(column.name);
        if (std::any_of(notes.begin(), notes.end(),
                        [&](const ColumnNote& n) { return n.column == name; }) ||
            name == "id")
            continue;
        for (const auto& [prefix, label] : groups)
            if (name.starts_with(prefix)) {
                const std::string rest = name.substr(prefix.size());
                notes.push_back({name, rest.empty() ? label : rest, column.flag ? K::Flag : K::Text,
                                 kParameters, label});
                break;
            }
    }
    return notes;
}

// The parts of a throw table's column names that mark a flag ("T" or "N").
const std::vector<std::string> kThrowFlags = {
    "pelne",    "minus",       "przeciwnik",     "wspprzeciwnik", "udany",
    "smierc",   "ogluszenie",  "obezwladnienie", "wyczerpanie",   "trkr",
    "ucieczka", "przerazenie", "poprzedni",      "przejecie",
};

// Notes of an owned throw table: its columns labelled by what follows the common prefix.
std::vector<ColumnNote> throwNotes(const std::string& table, const std::string& prefix) {
    std::vector<ColumnNote> notes;
    const TableDef* def = findTable(table);
    if (!def)
        return notes;
    for (const ColumnDef& column : def->columns) {
        const std::string name(column.name);
        if (!name.starts_with(prefix))
            continue;
        std::string label = name.substr(prefix.size());
        if (!label.empty())
            label[0] = static_cast<char>(label[0] - 'a' + 'A');
        const std::string part = name.substr(prefix.size());
        const bool flag =
            std::find(kThrowFlags.begin(), kThrowFlags.end(), part) != kThrowFlags.end();
        notes.push_back({name, label, name.ends_with("znak") ? K::Sign : flag ? K::Flag : K::Text});
    }
    return notes;
}

EditorDef throwEditor(std::string className, std::string dialogTitle,
                      std::array<std::string, 3> titles, const std::string& table,
                      const std::string& prefix) {
    return EditorDef{
        .className = std::move(className),
        .dialogTitle = std::move(dialogTitle),
        .titles = std::move(titles),
        .table = table,
        .notes = throwNotes(table, prefix),
        .cascade = {{.table = table, .column = "id", .ownerColumn = "idumiejetnosc"}},
    };
}

std::string throwNames(const std::string& table, const std::string& label,
                       const std::string& baseColumn) {
    return "SELECT id,'" + label + " '||COALESCE(" + baseColumn + ",'') FROM " + table +
           " WHERE idumiejetnosc=? ORDER BY rowid;";
}

} // namespace

const EditorDef& chance() {
    static const EditorDef def =
        throwEditor("CSzansaEdit", "Szansa",
                    {"Szansa - nowa", "Szansa - edycja", "Szansa - usunięcie"}, "szanse", "szansa");
    return def;
}

const EditorDef& savingThrow() {
    static const EditorDef def =
        throwEditor("CRzutObronnyEdycja", "Rzut obronny",
                    {"Rzut obronny - nowy", "Rzut obronny - edycja", "Rzut obronny - usunięcie"},
                    "rzutyobronne", "rzut");
    return def;
}

const EditorDef& throwEffect() {
    static const EditorDef def =
        throwEditor("CSkutkiRzutowEdit", "Skutki Rzutów Obronnych",
                    {"Skutek rzutu - nowy", "Skutek rzutu - edycja", "Skutek rzutu - usunięcie"},
                    "skutkirzutow", "skutek");
    return def;
}

const EditorDef& modification() {
    static const EditorDef def =
        throwEditor("CZmianaWspolczEdit", "Zmiana współczynników",
                    {"Zmiana współczynników - nowa", "Zmiana współczynników - edycja",
                     "Zmiana współczynników - usunięcie"},
                    "modyfikacje", "zmiana");
    return def;
}

const EditorDef& skill() {
    static const EditorDef def{
        .className = "CZdolnosc",
        .dialogTitle = "Zdolność",
        .titles = {"Umiejętność - nowa", "Umiejętność - edycja", "Umiejętność - usunięcie"},
        .table = "umiejetnosci",
        .notes = skillNotes(),
        .required = {"nazwa"},
        .links = {{
            .table = "umiejumiej",
            .ownerColumn = "idumiejjeden",
            .otherColumn = "idumiejdwa",
            .label = "Umiejętności połączone",
            .namesSql =
                namesOf("umiejumiej", "idumiejjeden", "idumiejdwa", "umiejetnosci", "nazwa"),
            .pick = pickByName("Lista umiejętności", "umiejetnosci", "Umiejętność          "),
            .page = kGeneral,
        }},
        .cascade = {{"modyfikacje", "idumiejetnosc"},
                    {"rzutyobronne", "idumiejetnosc"},
                    {"skutkirzutow", "idumiejetnosc"},
                    {"szanse", "idumiejetnosc"},
                    {"umiejumiej", "idumiejjeden"},
                    {"umiejumiej", "idumiejdwa"},
                    {"umiejetnosci", "id"},
                    {"zawodumiej", "idumiej"},
                    {"profumiej", "idumiej"},
                    {"stadiumumiej", "idumiej"}},
        .children = {{
                         .label = "Szanse",
                         .editor = &chance,
                         .ownerColumn = "idumiejetnosc",
                         .namesSql = throwNames("szanse", "Szansa", "szansabaza"),
                         .page = kParameters,
                     },
                     {
                         .label = "Rzuty obronne",
                         .editor = &savingThrow,
                         .ownerColumn = "idumiejetnosc",
                         .namesSql = throwNames("rzutyobronne", "Rzut", "rzutbaza"),
                         .page = kParameters,
                     },
                     {
                         .label = "Skutki rzutów",
                         .editor = &throwEffect,
                         .ownerColumn = "idumiejetnosc",
                         .namesSql = throwNames("skutkirzutow", "Skutek", "skutekskutek"),
                         .page = kParameters,
                     },
                     {
                         .label = "Zmiany współczynników",
                         .editor = &modification,
                         .ownerColumn = "idumiejetnosc",
                         .namesSql = throwNames("modyfikacje", "Zmiana", "zmianazmiana"),
                         .page = kParameters,
                     }},
        .pages = {kGeneral, kParameters},
        .pageClasses = {"CZdolnoscZ1", "CZdolnoscZ2"},
    };
    return def;
}

} // namespace tallar::editors::catalogue
