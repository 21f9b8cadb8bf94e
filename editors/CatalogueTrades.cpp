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
    return {.table = table, .display = "klasa", .value = "klasa", .freeText = true};
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
        .className = "CEdycjaZawod",
        .dialogTitle = "Zawód",
        .titles = {"Zawód - nowy", "Zawód - edycja", "Zawód - usunięcie"},
        .table = "zawod",
        .notes = tradeNotes(),
        .required = {"nazwa"},
        .links = {{
                      .table = "zawodrasa",
                      .ownerColumn = "idzawod",
                      .otherColumn = "idrasa",
                      .label = "Rasy",
                      .namesSql = namesOf("zawodrasa", "idzawod", "idrasa", "rasy", "nazwa"),
                      .pick = pickByName("Lista ras", "rasy", "Rasa            "),
                      .page = kTradeLinks,
                  },
                  {
                      .table = "zawodumiej",
                      .ownerColumn = "idzawod",
                      .otherColumn = "idumiej",
                      .label = "Umiejętności stopni",
                      .namesSql = namesOf("zawodumiej", "idzawod", "idumiej", "umiejetnosci",
                                          "nazwa", {"typ"}),
                      .pick =
                          pickByName("Lista umiejętności", "umiejetnosci", "Umiejętność          "),
                      .values = {{"typ", "Stopień (ZAWOD1, ZAWODS, ZAWOD2 …)"}},
                      .valueTitle = "EDYCJA",
                      .page = kTradeLinks,
                      .repeatable = true,
                  }},
        .cascade = {{"formuly", "id_nad", &formula, "typ_nad LIKE 'ZAWOD%'"},
                    {"zawodumiej", "idzawod"},
                    {"zawodrasa", "idzawod"},
                    {"zawod", "id"}},
        .children = tradeFormulas(),
        .pages = {kTradeGeneral, kTradeGrades, kTradeDescription, kTradeLinks, kTradeFormulas},
        .pageClasses = {"CEdycjaZawodZ1", "CEdycjaZawodZ2", "CEdycjaZawodZ3", "CEdycjaZawodZ4",
                        "CEdycjaZawodZ5"},
    };
    return def;
}

const EditorDef& profession() {
    static const EditorDef def{
        .className = "CEdycjaProfesja",
        .dialogTitle = "PROFESJA",
        .titles = {"Profesja - nowa", "Profesja - edycja", "Profesja - usunięcie"},
        .table = "profesje",
        .notes = professionNotes(),
        .required = {"nazwa"},
        .links =
            {{
                 .table = "profprof",
                 .ownerColumn = "id",
                 .otherColumn = "idpfor",
                 .label = "Profesje łączone z tą",
                 .namesSql = namesOf("profprof", "id", "idpfor", "profesje", "nazwa"),
                 .pick = {.title = "DOSTĘPNOSC DLA RAS",
                          .selectBeforeExclusion = // ProfProf
                          "SELECT id,nazwa 'Profesja          ',kasta 'Kasta' FROM profesje WHERE "
                          "id NOT IN (",
                          .selectAfterExclusion = "'') ORDER BY kasta DESC,nazwa DESC;"},
                 .page = "Powiązania",
             },
             {
                 .table = "profprof",
                 .ownerColumn = "idpfor",
                 .otherColumn = "id",
                 .label = "Profesje, z którymi łączy się ta",
                 .namesSql = namesOf("profprof", "idpfor", "id", "profesje", "nazwa"),
                 .pick = {.title = "DOSTĘPNE PROFESJE",
                          .selectBeforeExclusion = // CProfProf3
                          "SELECT id,nazwa 'Profesja          ',kasta 'Kasta' FROM profesje WHERE "
                          "id NOT IN (",
                          .selectAfterExclusion = "'') ORDER BY kasta DESC,nazwa DESC;"},
                 .page = "Powiązania",
             },
             {
                 .table = "profrasa",
                 .ownerColumn = "id",
                 .otherColumn = "idrasa",
                 .label = "Rasy",
                 .namesSql = namesOf("profrasa", "id", "idrasa", "rasy", "nazwa", {"pozlimit"}),
                 .pick = {.title = "DOSTĘPNOŚĆ DLA RAS",
                          .selectBeforeExclusion = // CProfRasa
                          "SELECT id,nazwa 'Rasa            ' FROM rasy WHERE id NOT IN (",
                          .selectAfterExclusion = "'') ORDER BY nazwa DESC;"},
                 .values = {{"pozlimit", "Limit poziomu", K::Number}},
                 .valueTitle = "EDYCJA",
                 .page = "Powiązania",
             },
             {
                 .table = "tytuly",
                 .ownerColumn = "id",
                 .otherColumn = "idtytul",
                 .label = "Tytuły",
                 .namesSql = "SELECT idtytul,COALESCE(poz,'')||' '||COALESCE(tytul,''),poz,tytul "
                             "FROM tytuly WHERE "
                             "id=? ORDER BY CAST(poz AS INT),tytul;",
                 .values = {{"poz", kLevelValue, K::Number}, {"tytul", "Tytuł"}},
                 .valueTitle = "Tytuł",
                 .page = "Poziomy",
                 .ownIds = true,
             },
             {
                 .table = "profumiej",
                 .ownerColumn = "id",
                 .otherColumn = "idumiej",
                 .label = "Umiejętności na poziomach",
                 .namesSql =
                     namesOf("profumiej", "id", "idumiej", "umiejetnosci", "nazwa", {"poz"}),
                 .pick = pickByName("Lista umiejętności", "umiejetnosci", "Umiejętność          "),
                 .values = {{"poz", kLevelValue, K::Number}},
                 .valueTitle = "EDYCJA",
                 .page = "Poziomy",
                 .repeatable = true,
             },
             {
                 .table = "profwymagania",
                 .ownerColumn = "id",
                 .otherColumn = "idwymagania",
                 .label = "Wymagania na poziomach",
                 .namesSql =
                     namesOf("profwymagania", "id", "idwymagania", "wymagania", "nazwa", {"poz"}),
                 .pick = pickByName("Wymagania", "wymagania", "Nazwa          "),
                 .values = {{"poz", kLevelValue, K::Number}},
                 .valueTitle = "EDYCJA",
                 .page = "Poziomy",
                 .repeatable = true,
             },
             {
                 .table = "profcharakter",
                 .ownerColumn = "id",
                 .otherColumn = "idcharakter",
                 .label = "Charaktery",
                 .namesSql = alignmentNames("profcharakter", "id"),
                 .pick = alignmentPick(),
                 .page = "Powiązania",
             },
             {
                 .table = "profklasy",
                 .ownerColumn = "id",
                 .otherColumn = "idklasy",
                 .label = "Klasy społeczne",
                 .namesSql = namesOf("profklasy", "id", "idklasy", "klasyspoleczne", "nazwa"),
                 .pick =
                     pickByName("Lista klas społecznych", "klasyspoleczne", "Klasa społeczna   "),
                 .page = "Powiązania",
             }},
    };
    return def;
}

} // namespace tallar::editors::catalogue
