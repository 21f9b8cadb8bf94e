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
        "CBronNaturalna",
        "Broń naturalna",
        {"Broń naturalna - nowa", "Broń naturalna - edycja", "Broń naturalna - usunięcie"},
        "stadiumbronie",
        naturalWeaponNotes(),
        {"nazwa"},
        {},
        {},
        {{"stadiumbronie", "id"}},
    };
    return def;
}

const EditorDef& stageBodyPart() {
    static const EditorDef def{
        "CCzescCiala",
        "Część ciała",
        {"Część ciała - nowa", "Część ciała - edycja", "Część ciała - usunięcie"},
        "stadiumczesci",
        parts::withBodyPartProperties(
            {{"id_nad", "Część ciała", K::Reference, "", "", {"czescicialadef", kBodyPartName}}}),
        {"id_nad"},
        {},
        {},
        {{"stadiumczesci", "id"}},
    };
    return def;
}

const EditorDef& stage() {
    static const EditorDef def{
        "CStadium",
        "Stadium",
        {"Stadium - nowe", "Stadium - edycja", "Stadium - usunięcie"},
        "stadia",
        stageNotes(),
        {"nazwa"},
        {},
        {{"stadiumumiej",
          "idstadium",
          "idumiej",
          "Umiejętności",
          namesOf("stadiumumiej", "idstadium", "idumiej", "umiejetnosci", "nazwa"),
          pickByName("Lista umiejętności", "umiejetnosci", "Umiejętność          "),
          {},
          "",
          kStageOther}},
        {{"stadiumczesci", "idstadium"},
         {"stadiumbronie", "idstadium"},
         {"stadiumumiej", "idstadium"},
         {"stadia", "id"},
         {"elemzrbrasy", "idstadium"}},
        false,
        {{"Bronie naturalne", &naturalWeapon, "idstadium", "nazwa", {}, kStageResistances},
         {"Części ciała",
          &stageBodyPart,
          "idstadium",
          "id_nad",
          {"czescicialadef", kBodyPartName},
          kStageOther}},
        {},
        {kStageAttributes, kStageResistances, kStageOther},
        {"CStadiumWsp", "CStadiumOdp", "CStadiumInne"},
    };
    return def;
}

const EditorDef& race() {
    static const EditorDef def{
        "CRasa",
        "Rasa",
        {"Rasa - nowa", "Rasa - edycja", "Rasa - usunięcie"},
        "rasy",
        {{"nazwa", "Nazwa"},
         {"rodzaj", "Rodzaj"},
         {"typ",
          "Typ istoty (części ciała)",
          K::Reference,
          "",
          "",
          {"czescicialadef", "typistoty", "typistoty", true}},
         {"kryterium", "Kryterium"}},
        {"nazwa"},
        {},
        {{"profrasa",
          "idrasa",
          "id",
          "Profesje",
          namesOf("profrasa", "idrasa", "id", "profesje", "nazwa", {"pozlimit"}),
          {"PROFESJE",
           "SELECT id,nazwa 'Profesja          ',kasta 'Kasta' FROM profesje WHERE "
           "id NOT IN (",
           "'') ORDER BY kasta DESC,nazwa DESC;", true, ""},
          {{"pozlimit", "Limit poziomu", K::Number}},
          "EDYCJA PROFESJI"},
         {"rasybronie",
          "idrasa",
          "idgrupybroni",
          "Grupy broni",
          namesOf("rasybronie", "idrasa", "idgrupybroni", "grupybroni", "nazwa", {"bonus"}),
          weaponGroupPick(),
          {{"bonus", "Bonus", K::Number}},
          "EDYCJA"},
         {"rasycharakter",
          "idrasa",
          "idcharakter",
          "Charaktery",
          alignmentNames("rasycharakter", "idrasa", {"procent"}),
          alignmentPick(),
          {{"procent", "Procent", K::Number}},
          "EDYCJA"},
         {"rasyklasy", "idrasa", "idklasy", "Klasy społeczne",
          namesOf("rasyklasy", "idrasa", "idklasy", "klasyspoleczne", "nazwa"),
          pickByName("Lista klas społecznych", "klasyspoleczne", "Klasa społeczna   ")},
         {"rasyzdolnosci", "idrasa", "idzdolnosci", "Zdolności i ułomności",
          namesOf("rasyzdolnosci", "idrasa", "idzdolnosci", "zdolnosci", "nazwa"),
          pickByName("Lista zdolności i ułomności", "zdolnosci", "Nazwa              ")}},
        {{"stadia", "idrasa", &stage},
         {"profrasa", "idrasa"},
         {"rasyzdolnosci", "idrasa"},
         {"rasybronie", "idrasa"},
         {"rasycharakter", "idrasa"},
         {"zawodrasa", "idrasa"},
         {"rasyklasy", "idrasa"},
         {"rasy", "id"}},
        false,
        {},
        {{"Stadia",
          &stage,
          "idrasa",
          "SELECT id,nazwa||CASE WHEN od<>'' THEN ' (od '||od||')' ELSE '' END FROM stadia WHERE "
          "idrasa=? ORDER BY "
          "CAST(od AS INT),nazwa;",
          "",
          {{"stadiumbronie", "idstadium"},
           {"stadiumczesci", "idstadium"},
           {"stadiumumiej", "idstadium"},
           {"elemzrbrasy", "idstadium"}}}},
    };
    return def;
}

} // namespace tallar::editors::catalogue
