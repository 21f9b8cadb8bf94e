#pragma once

#include "editors/EditorDef.h"

#include <string>
#include <vector>

// Pieces shared by the catalogue's files.
namespace tallar::editors::catalogue::parts {

// The linked rows of a link table with their names (and the link row's own columns).
inline std::string namesOf(const std::string& link, const std::string& owner,
                           const std::string& other, const std::string& table,
                           const std::string& display,
                           const std::vector<std::string>& values = {}) {
    std::string extra;
    for (const std::string& value : values)
        extra += ",L." + value;
    return "SELECT L." + other + ",COALESCE(T." + display + ",L." + other + ")" + extra + " FROM " +
           link + " L LEFT JOIN " + table + " T ON T.id=L." + other + " WHERE L." + owner +
           "=? ORDER BY 2;";
}

// `first` followed by the properties a body part has both as a definition
// (`czescicialadef`) and as a part of a race stage (`stadiumczesci`).
inline std::vector<ColumnNote> withBodyPartProperties(std::vector<ColumnNote> first) {
    using K = ValueKind;
    const std::vector<ColumnNote> properties = {
        {"proc_cal_zyw", "Procent całej żywotności", K::Dice},
        {"wpl_obr_na_zyw", "Wpływ obrażeń na żywotność", K::Dice},
        {"odc_pow_smi", "Odcięcie powoduje śmierć", K::Flag},
        {.column = "wyp_kl",
         .label = "Wyparowania kłute",
         .kind = K::Number,
         .group = "Wyparowania kłute"},
        {.column = "wyp_kl_proc", .label = "%", .kind = K::Number, .group = "Wyparowania kłute"},
        {.column = "wyp_tn",
         .label = "Wyparowania tnące",
         .kind = K::Number,
         .group = "Wyparowania tnące"},
        {.column = "wyp_tn_proc", .label = "%", .kind = K::Number, .group = "Wyparowania tnące"},
        {.column = "wyp_ob",
         .label = "Wyparowania obuchowe",
         .kind = K::Number,
         .group = "Wyparowania obuchowe"},
        {.column = "wyp_ob_proc", .label = "%", .kind = K::Number, .group = "Wyparowania obuchowe"},
        {.column = "obr", .label = "Obrona", .kind = K::Number, .group = "Obrona"},
        {.column = "obr_proc", .label = "%", .kind = K::Number, .group = "Obrona"},
        {"modtrsel", "Modyfikator trafienia selektywnego", K::Dice},
        {"bron_tarcza", "Może trzymać broń/tarczę", K::Flag},
        {"domyslna", "Domyślna lokacja ciosów", K::Flag},
    };
    first.insert(first.end(), properties.begin(), properties.end());
    return first;
}

// A pick list of the rows of `table` by name.
inline PickList pickByName(const std::string& title, const std::string& table,
                           const std::string& heading) {
    return {.title = title,
            .selectBeforeExclusion =
                "SELECT id,nazwa '" + heading + "' FROM " + table + " WHERE id NOT IN (",
            .selectAfterExclusion = "'') ORDER BY nazwa DESC;"};
}

// The pick list of weapon groups, shared by several editors.
inline PickList weaponGroupPick() {
    return {.title = "Lista grup broni",
            .selectBeforeExclusion =
                "SELECT id,nazwa 'Grupa Broni     ' FROM grupybroni WHERE id NOT IN (",
            .selectAfterExclusion = "'') ORDER BY nazwa DESC;",
            .buttonText = "Wybór"};
}

// The name of an alignment from the columns of `charaktery` under the alias `t`.
inline std::string alignmentName(const std::string& t) {
    return t + ".prawo||CASE WHEN " + t + ".prawo_ew<>'' THEN ' '||" + t +
           ".prawo_ew ELSE '' END||' / '||" + t + ".moralnosc||CASE WHEN " + t +
           ".moralnosc_ew<>'' THEN ' '||" + t + ".moralnosc_ew ELSE '' END";
}

inline PickList alignmentPick() {
    return {.title = "Lista charakterów",
            .selectBeforeExclusion =
                "SELECT C.id," + alignmentName("C") +
                " 'Charakter                         ' FROM charaktery C WHERE C.id NOT IN (",
            .selectAfterExclusion = "'') ORDER BY C.prawo DESC,C.moralnosc DESC;"};
}

inline std::string alignmentNames(const std::string& link, const std::string& owner,
                                  const std::vector<std::string>& values = {}) {
    std::string extra;
    for (const std::string& value : values)
        extra += ",L." + value;
    return "SELECT L.idcharakter,COALESCE(" + alignmentName("C") + ",L.idcharakter)" + extra +
           " FROM " + link + " L LEFT JOIN charaktery C ON C.id=L.idcharakter WHERE L." + owner +
           "=? ORDER BY 2;";
}

} // namespace tallar::editors::catalogue::parts
