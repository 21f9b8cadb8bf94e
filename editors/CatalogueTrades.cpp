// The trade with its formulas per grade, and the profession with its links.
#include "editors/CatalogueParts.h"
#include "editors/FormulaFields.h"
#include "rules/core/AttributeSet.h"

namespace tallar::editors::catalogue {

namespace {

using K = ValueKind;
using namespace parts;

// The grade codes of a trade, as its skills' `typ` and its formulas' `typ_nad` hold them.
const std::vector<std::pair<std::string, std::string>>& tradeGrades() {
    static const std::vector<std::pair<std::string, std::string>> grades = {
        {"ZAWOD1", "Podstawy"},
        {"ZAWODS", "Starz"},
        {"ZAWOD2", "Specjalista"},
        {"ZAWOD3", "Mistrz"},
        {"ZAWOD4", "Mistrz Cechu"},
        {"ZAWOD5", "Wielki Mistrz Cechu"},
        {"ZAWOD6", "Legendarny Mistrz Cechu"},
    };
    return grades;
}

const std::string kTradeGeneral = "Ogólne";            // CEdycjaZawodZ1
const std::string kTradeGrades = "Stopnie";            // CEdycjaZawodZ2
const std::string kTradeDescription = "Opis";          // CEdycjaZawodZ3
const std::string kTradeLinks = "Rasy i umiejętności"; // CEdycjaZawodZ4
const std::string kTradeFormulas = "Formuły";          // CEdycjaZawodZ5

// The trade classes ("klasa") used in a table, offered beside free text.
Reference tradeClasses(const std::string& table) {
    return {table, "klasa", "klasa", true};
}

std::vector<ColumnNote> tradeNotes() {
    std::vector<ColumnNote> notes = {
        {"nazwa", "Nazwa", K::Text, kTradeGeneral},
        {"od", "Rzut od", K::Number, kTradeGeneral},
        {"do", "Rzut do", K::Number, kTradeGeneral},
        {"klasa",
         "Klasa społeczna",
         K::Reference,
         kTradeGeneral,
         {},
         tradeClasses("klasyspoleczne")},
        {"innaklasa", "Inna klasa", K::Reference, kTradeGeneral, {}, tradeClasses("zawod")},
        {"czas", "Czas nauki", K::Dice, kTradeGeneral},
        {"czasstarz", "Czas nauki po starzu", K::Dice, kTradeGeneral},
        {"opis", "Opis", K::LongText, kTradeDescription},
    };
    static const std::vector<std::pair<std::string, std::string>> grades = {
        {"podst", "Podstawy"}, {"starz", "Starz"}, {"specj", "Specjalista"}, {"mistrz", "Mistrz"}};
    for (const auto& [prefix, label] : grades) {
        notes.push_back({prefix + "pdkxx", "Pkt. dośw. (kości)", K::Dice, kTradeGrades, label});
        notes.push_back({prefix + "pd", "Pkt. dośw. (stała)", K::Text, kTradeGrades, label});
        notes.push_back({prefix + "majkxx", "Majątek (kości)", K::Dice, kTradeGrades, label});
        notes.push_back({prefix + "maj", "Majątek (stała)", K::Text, kTradeGrades, label});
    }
    return notes;
}

std::vector<ChildrenDef> tradeFormulas() {
    std::vector<ChildrenDef> lists;
    for (const auto& [code, label] : tradeGrades()) {
        std::string sql = ownedFormulasQuery("", "").sql;
        const std::string bound = "typ_nad=?";
        sql.replace(sql.find(bound), bound.size(), "typ_nad='" + code + "'");
        lists.push_back({"Formuły: " + label,
                         &formula,
                         "id_nad",
                         sql,
                         kTradeFormulas,
                         {},
                         {{"typ_nad", code}}});
    }
    return lists;
}

std::vector<ColumnNote> professionNotes() {
    const std::string general = "Ogólne";
    const std::string bonuses = "Premie";
    const std::string levels = "Na poziom";
    const std::string rolls = "Rzuty";
    std::vector<ColumnNote> notes = {
        {"nazwa", "Nazwa", K::Text, general},
        {"kasta", "Kasta", K::Text, general},
        {"ext_zawod", "Dodatkowy zawód", K::Flag, general},
        {"bgl_start", "Początkowa liczba biegłości", K::Dice, general, "Biegłości"},
        {"bgl_ilosc", "na poziom", K::Dice, general, "Biegłości"},
        {"bgl_modyf", "Bonus do biegłości", K::Dice, general, "Biegłości - wartości"},
        {"bgl_min", "minimum", K::Dice, general, "Biegłości - wartości"},
        {"bgl_na_poz", "co ile poziomów", K::Text, general, "Biegłości - wartości"},
        {"bgl_podst", "Biegłości: lepszy z dwóch rzutów", K::Flag, rolls},
    };
    for (const AttributeDef& attribute : attributeSet()) {
        if (attribute.professionColumn.empty())
            continue;
        const std::string column(attribute.professionColumn);
        const std::string label(attribute.entryLabel);
        notes.push_back({column, label, K::Dice, bonuses});
        if (attribute.group != AttributeGroup::Attribute)
            continue;
        notes.push_back({"poz_" + column, label, K::Dice, levels});
        const std::string roll = (column == "inte" ? "int" : column) + "_podst";
        notes.push_back({roll, label + ": lepszy z dwóch rzutów", K::Flag, rolls});
    }
    return notes;
}

const std::string kLevelValue = "Poziom";

} // namespace

const EditorDef& trade() {
    static const EditorDef def{
        "CEdycjaZawod",
        "Zawód",
        {"Zawód - nowy", "Zawód - edycja", "Zawód - usunięcie"},
        "zawod",
        tradeNotes(),
        {"nazwa"},
        {},
        {{"zawodrasa",
          "idzawod",
          "idrasa",
          "Rasy",
          namesOf("zawodrasa", "idzawod", "idrasa", "rasy", "nazwa"),
          pickByName("Lista ras", "rasy", "Rasa            "),
          {},
          "",
          kTradeLinks},
         {"zawodumiej",
          "idzawod",
          "idumiej",
          "Umiejętności stopni",
          namesOf("zawodumiej", "idzawod", "idumiej", "umiejetnosci", "nazwa", {"typ"}),
          pickByName("Lista umiejętności", "umiejetnosci", "Umiejętność          "),
          {{"typ", "Stopień (ZAWOD1, ZAWODS, ZAWOD2 …)"}},
          "EDYCJA",
          kTradeLinks,
          true}},
        {{"formuly", "id_nad", &formula, "typ_nad LIKE 'ZAWOD%'"},
         {"zawodumiej", "idzawod"},
         {"zawodrasa", "idzawod"},
         {"zawod", "id"}},
        false,
        {},
        tradeFormulas(),
        {kTradeGeneral, kTradeGrades, kTradeDescription, kTradeLinks, kTradeFormulas},
        {"CEdycjaZawodZ1", "CEdycjaZawodZ2", "CEdycjaZawodZ3", "CEdycjaZawodZ4", "CEdycjaZawodZ5"},
    };
    return def;
}

const EditorDef& profession() {
    static const EditorDef def{
        "CEdycjaProfesja",
        "PROFESJA",
        {"Profesja - nowa", "Profesja - edycja", "Profesja - usunięcie"},
        "profesje",
        professionNotes(),
        {"nazwa"},
        {},
        {{"profprof",
          "id",
          "idpfor",
          "Profesje łączone z tą",
          namesOf("profprof", "id", "idpfor", "profesje", "nazwa"),
          {"DOSTĘPNOSC DLA RAS", // ProfProf
           "SELECT id,nazwa 'Profesja          ',kasta 'Kasta' FROM profesje WHERE id NOT IN (",
           "'') ORDER BY kasta DESC,nazwa DESC;", true, ""},
          {},
          "",
          "Powiązania"},
         {"profprof",
          "idpfor",
          "id",
          "Profesje, z którymi łączy się ta",
          namesOf("profprof", "idpfor", "id", "profesje", "nazwa"),
          {"DOSTĘPNE PROFESJE", // CProfProf3
           "SELECT id,nazwa 'Profesja          ',kasta 'Kasta' FROM profesje WHERE id NOT IN (",
           "'') ORDER BY kasta DESC,nazwa DESC;", true, ""},
          {},
          "",
          "Powiązania"},
         {"profrasa",
          "id",
          "idrasa",
          "Rasy",
          namesOf("profrasa", "id", "idrasa", "rasy", "nazwa", {"pozlimit"}),
          {"DOSTĘPNOŚĆ DLA RAS", // CProfRasa
           "SELECT id,nazwa 'Rasa            ' FROM rasy WHERE id NOT IN (",
           "'') ORDER BY nazwa DESC;", true, ""},
          {{"pozlimit", "Limit poziomu", K::Number}},
          "EDYCJA",
          "Powiązania"},
         {"tytuly",
          "id",
          "idtytul",
          "Tytuły",
          "SELECT idtytul,COALESCE(poz,'')||' '||COALESCE(tytul,''),poz,tytul FROM tytuly WHERE "
          "id=? ORDER BY CAST(poz AS INT),tytul;",
          {},
          {{"poz", kLevelValue, K::Number}, {"tytul", "Tytuł"}},
          "Tytuł",
          "Poziomy",
          false,
          true},
         {"profumiej",
          "id",
          "idumiej",
          "Umiejętności na poziomach",
          namesOf("profumiej", "id", "idumiej", "umiejetnosci", "nazwa", {"poz"}),
          pickByName("Lista umiejętności", "umiejetnosci", "Umiejętność          "),
          {{"poz", kLevelValue, K::Number}},
          "EDYCJA",
          "Poziomy",
          true},
         {"profwymagania",
          "id",
          "idwymagania",
          "Wymagania na poziomach",
          namesOf("profwymagania", "id", "idwymagania", "wymagania", "nazwa", {"poz"}),
          pickByName("Wymagania", "wymagania", "Nazwa          "),
          {{"poz", kLevelValue, K::Number}},
          "EDYCJA",
          "Poziomy",
          true},
         {"profcharakter",
          "id",
          "idcharakter",
          "Charaktery",
          alignmentNames("profcharakter", "id"),
          alignmentPick(),
          {},
          "",
          "Powiązania"},
         {"profklasy",
          "id",
          "idklasy",
          "Klasy społeczne",
          namesOf("profklasy", "id", "idklasy", "klasyspoleczne", "nazwa"),
          pickByName("Lista klas społecznych", "klasyspoleczne", "Klasa społeczna   "),
          {},
          "",
          "Powiązania"}},
        {},
    };
    return def;
}

} // namespace tallar::editors::catalogue
