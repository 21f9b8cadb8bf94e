// The race, its stages and what a stage holds.
#include "editors/CatalogueParts.h"
#include "rules/core/AttributeSet.h"
#include "store/db/Schema.h"

#include <map>

namespace tallar::editors::catalogue {

namespace {

using K = ValueKind;
using namespace parts;

const std::string kStageAttributes = "Współczynniki"; // CStadiumWsp
const std::string kStageResistances = "Odporności";   // CStadiumOdp
const std::string kStageOther = "Inne";               // CStadiumInne

struct GroupPlace {
    std::string name;
    std::string page;
};

// The column groups of a stage by prefix: the attribute set, then height, weight and skin.
const std::map<std::string, GroupPlace>& stageGroups() {
    static const std::map<std::string, GroupPlace> groups = [] {
        std::map<std::string, GroupPlace> out;
        for (const AttributeDef& attribute : attributeSet())
            if (!attribute.stagePrefix.empty())
                out[std::string(attribute.stagePrefix)] = {
                    std::string(attribute.entryLabel), attribute.group == AttributeGroup::Attribute
                                                           ? kStageAttributes
                                                           : kStageResistances};
        out["antymagia"] = {"Antymagia", kStageResistances};
        out["wzrost"] = {"Wzrost", kStageAttributes};
        out["waga"] = {"Waga", kStageAttributes};
        out["kl"] = {"Skóra: wyparowania kłute", kStageResistances};
        out["tn"] = {"Skóra: wyparowania tnące", kStageResistances};
        out["ob"] = {"Skóra: wyparowania obuchowe", kStageResistances};
        out["obr"] = {"Skóra: obrona", kStageResistances};
        out["ogr_zr"] = {"Ograniczenia zręczności 1/", kStageOther};
        out["ogr_sz"] = {"Ograniczenia szybkości 1/", kStageOther};
        return out;
    }();
    return groups;
}

struct PartKind {
    std::string label;
    ValueKind kind;
};

const std::map<std::string, PartKind>& stageParts() {
    static const std::map<std::string, PartKind> parts = {
        {"znak", {"działanie", K::Sign}},
        {"wartosc", {"wartość", K::Dice}},
        {"proc", {"%", K::Text}},
        {"procent", {"%", K::Text}},
        {"przyrost", {"przyrost", K::Number}},
        {"limit", {"limit", K::Number}},
        {"innywsp", {"inny wsp.", K::Text}},
        {"od", {"od", K::Number}},
        {"do", {"do", K::Number}},
    };
    return parts;
}

// The description of the stage columns, made from the schema's names: each attribute,
// resistance, height, weight and skin group is one row of its page.
std::vector<ColumnNote> stageNotes() {
    std::vector<ColumnNote> notes = {
        {"nazwa", "Nazwa", K::Text, kStageAttributes},
        {"od", "Od wieku", K::Number, kStageAttributes},
        {"skok", "Co ile lat", K::Number, kStageAttributes},
        {"smierc_starosc", "Szansa śmierci ze starości", K::Dice, kStageAttributes},
        {"obiekt_3d", "Model 3D", K::Text, kStageOther},
        {"tekstura", "Tekstura", K::Text, kStageOther},
        {"skala", "Skala", K::Text, kStageOther},
        {"offset", "Przesunięcie", K::Text, kStageOther},
        {"zawody", "Może uczyć się zawodów", K::Flag, kStageOther},
        {"gracze", "Dostępne dla graczy", K::Flag, kStageOther},
    };
    const TableDef* table = findTable("stadia");
    if (!table)
        return notes;
    for (const ColumnDef& column : table->columns) {
        const std::string name(column.name);
        const auto cut = name.rfind('_');
        if (cut == std::string::npos)
            continue;
        const auto group = stageGroups().find(name.substr(0, cut));
        const auto part = stageParts().find(name.substr(cut + 1));
        if (group == stageGroups().end() || part == stageParts().end())
            continue;
        notes.push_back(
            {name, part->second.label, part->second.kind, group->second.page, group->second.name});
    }
    return notes;
}

// The natural weapon's column groups: value, sign, growth and percentage.
std::vector<ColumnNote> naturalWeaponNotes() {
    static const std::vector<std::pair<std::string, std::string>> groups = {
        {"bon_do_bgl", "Bonus do biegłości"},
        {"bgl_min", "Minimalna biegłość"},
        {"obr_kl", "Obrażenia kłute"},
        {"obr_tn", "Obrażenia tnące"},
        {"obr_ob", "Obrażenia obuchowe"},
        {"obrona", "Obrona"},
        {"opoznienie", "Opóźnienie"},
        {"wsp_uszk", "Współczynnik uszkodzeń"},
        {"ataki", "Ataki"},
        {"bieglosc", "Biegłość"},
    };
    const std::string values = "Wartości";
    const std::string traits = "Właściwości";
    std::vector<ColumnNote> notes = {{"nazwa", "Nazwa", K::Text, values}};
    for (const auto& [prefix, label] : groups) {
        notes.push_back({prefix, "wartość", K::Dice, values, label});
        notes.push_back({prefix + "_znak", "działanie", K::Sign, values, label});
        notes.push_back({prefix + "_przyr", "przyrost", K::Number, values, label});
        notes.push_back({prefix + "_proc", "%", K::Text, values, label});
    }
    notes.insert(notes.end(), {{"zasiegi", "Zasięg", K::Text, traits},
                               {"sp_pdw_bgl", "Podwójnie biegły", K::Flag, traits},
                               {"sp_spec", "Specjalista", K::Flag, traits},
                               {"sp_pdw_spec", "Podwójny specjalista", K::Flag, traits},
                               {"sp_mistrz", "Mistrz", K::Flag, traits},
                               {"natur_obur", "Naturalna oburęczność", K::Flag, traits},
                               {"bgl_prof", "Biegłość zależna od profesji", K::Flag, traits},
                               {"reka", "Zajmuje kończynę trzymającą broń/tarczę", K::Flag, traits},
                               {"ilosc", "Ilość", K::Number, traits}});
    return notes;
}

const std::string kBodyPartName = "nazwa||' ['||typistoty||']'";

} // namespace

const EditorDef& naturalWeapon() {
    static const EditorDef def{
        .className = "CBronNaturalna",
        .dialogTitle = "Broń naturalna",
        .titles = {"Broń naturalna - nowa", "Broń naturalna - edycja",
                   "Broń naturalna - usunięcie"},
        .table = "stadiumbronie",
        .notes = naturalWeaponNotes(),
        .required = {"nazwa"},
        .cascade = {{"stadiumbronie", "id"}},
    };
    return def;
}

const EditorDef& stageBodyPart() {
    static const EditorDef def{
        .className = "CCzescCiala",
        .dialogTitle = "Część ciała",
        .titles = {"Część ciała - nowa", "Część ciała - edycja", "Część ciała - usunięcie"},
        .table = "stadiumczesci",
        .notes = parts::withBodyPartProperties(
            {{.column = "id_nad",
              .label = "Część ciała",
              .kind = K::Reference,
              .reference = {.table = "czescicialadef", .display = kBodyPartName}}}),
        .required = {"id_nad"},
        .cascade = {{"stadiumczesci", "id"}},
    };
    return def;
}

const EditorDef& stage() {
    static const EditorDef def{
        .className = "CStadium",
        .dialogTitle = "Stadium",
        .titles = {"Stadium - nowe", "Stadium - edycja", "Stadium - usunięcie"},
        .table = "stadia",
        .notes = stageNotes(),
        .required = {"nazwa"},
        .links = {{
            .table = "stadiumumiej",
            .ownerColumn = "idstadium",
            .otherColumn = "idumiej",
            .label = "Umiejętności",
            .namesSql = namesOf("stadiumumiej", "idstadium", "idumiej", "umiejetnosci", "nazwa"),
            .pick = pickByName("Lista umiejętności", "umiejetnosci", "Umiejętność          "),
            .page = kStageOther,
        }},
        .cascade = {{"stadiumczesci", "idstadium"},
                    {"stadiumbronie", "idstadium"},
                    {"stadiumumiej", "idstadium"},
                    {"stadia", "id"},
                    {"elemzrbrasy", "idstadium"}},
        .owned = {{
                      .label = "Bronie naturalne",
                      .editor = &naturalWeapon,
                      .ownerColumn = "idstadium",
                      .nameColumn = "nazwa",
                      .page = kStageResistances,
                  },
                  {
                      .label = "Części ciała",
                      .editor = &stageBodyPart,
                      .ownerColumn = "idstadium",
                      .nameColumn = "id_nad",
                      .reference = {.table = "czescicialadef", .display = kBodyPartName},
                      .page = kStageOther,
                  }},
        .pages = {kStageAttributes, kStageResistances, kStageOther},
        .pageClasses = {"CStadiumWsp", "CStadiumOdp", "CStadiumInne"},
    };
    return def;
}

const EditorDef& race() {
    static const EditorDef def{
        .className = "CRasa",
        .dialogTitle = "Rasa",
        .titles = {"Rasa - nowa", "Rasa - edycja", "Rasa - usunięcie"},
        .table = "rasy",
        .notes = {{"nazwa", "Nazwa"},
                  {"rodzaj", "Rodzaj"},
                  {.column = "typ",
                   .label = "Typ istoty (części ciała)",
                   .kind = K::Reference,
                   .reference = {.table = "czescicialadef",
                                 .display = "typistoty",
                                 .value = "typistoty",
                                 .freeText = true}},
                  {"kryterium", "Kryterium"}},
        .required = {"nazwa"},
        .links =
            {{
                 .table = "profrasa",
                 .ownerColumn = "idrasa",
                 .otherColumn = "id",
                 .label = "Profesje",
                 .namesSql = namesOf("profrasa", "idrasa", "id", "profesje", "nazwa", {"pozlimit"}),
                 .pick =
                     {.title = "PROFESJE",
                      .selectBeforeExclusion =
                          "SELECT id,nazwa 'Profesja          ',kasta 'Kasta' FROM profesje WHERE "
                          "id NOT IN (",
                      .selectAfterExclusion = "'') ORDER BY kasta DESC,nazwa DESC;"},
                 .values = {{"pozlimit", "Limit poziomu", K::Number}},
                 .valueTitle = "EDYCJA PROFESJI",
             },
             {
                 .table = "rasybronie",
                 .ownerColumn = "idrasa",
                 .otherColumn = "idgrupybroni",
                 .label = "Grupy broni",
                 .namesSql = namesOf("rasybronie", "idrasa", "idgrupybroni", "grupybroni", "nazwa",
                                     {"bonus"}),
                 .pick = weaponGroupPick(),
                 .values = {{"bonus", "Bonus", K::Number}},
                 .valueTitle = "EDYCJA",
             },
             {
                 .table = "rasycharakter",
                 .ownerColumn = "idrasa",
                 .otherColumn = "idcharakter",
                 .label = "Charaktery",
                 .namesSql = alignmentNames("rasycharakter", "idrasa", {"procent"}),
                 .pick = alignmentPick(),
                 .values = {{"procent", "Procent", K::Number}},
                 .valueTitle = "EDYCJA",
             },
             {
                 .table = "rasyklasy",
                 .ownerColumn = "idrasa",
                 .otherColumn = "idklasy",
                 .label = "Klasy społeczne",
                 .namesSql = namesOf("rasyklasy", "idrasa", "idklasy", "klasyspoleczne", "nazwa"),
                 .pick =
                     pickByName("Lista klas społecznych", "klasyspoleczne", "Klasa społeczna   "),
             },
             {
                 .table = "rasyzdolnosci",
                 .ownerColumn = "idrasa",
                 .otherColumn = "idzdolnosci",
                 .label = "Zdolności i ułomności",
                 .namesSql =
                     namesOf("rasyzdolnosci", "idrasa", "idzdolnosci", "zdolnosci", "nazwa"),
                 .pick =
                     pickByName("Lista zdolności i ułomności", "zdolnosci", "Nazwa              "),
             }},
        .cascade = {{"stadia", "idrasa", &stage},
                    {"profrasa", "idrasa"},
                    {"rasyzdolnosci", "idrasa"},
                    {"rasybronie", "idrasa"},
                    {"rasycharakter", "idrasa"},
                    {"zawodrasa", "idrasa"},
                    {"rasyklasy", "idrasa"},
                    {"rasy", "id"}},
        .children = {{
            .label = "Stadia",
            .editor = &stage,
            .ownerColumn = "idrasa",
            .namesSql = "SELECT id,nazwa||CASE WHEN od<>'' THEN ' (od '||od||')' ELSE '' END FROM "
                        "stadia WHERE "
                        "idrasa=? ORDER BY "
                        "CAST(od AS INT),nazwa;",
            .prune = {{"stadiumbronie", "idstadium"},
                      {"stadiumczesci", "idstadium"},
                      {"stadiumumiej", "idstadium"},
                      {"elemzrbrasy", "idstadium"}},
        }},
    };
    return def;
}

} // namespace tallar::editors::catalogue
