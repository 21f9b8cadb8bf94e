// The list windows: the character list and one list per rules table, as the main window
// opens them, and the formula list of the editors that own formulas.
#include "editors/FormulaFields.h"
#include "editors/ListDef.h"

namespace tallar::editors::lists {

namespace c = catalogue;

const ListDef& characters() {
    static const ListDef def{
        .name = "istoty",
        .title = "Lista bohaterów",
        .select = "SELECT id,gracz,rasa,prof,imie FROM istoty order by gracz DESC,rasa DESC,prof "
                  "DESC,imie DESC;",
        .headings = {"Gracz", "Rasa", "Profesje", "Imię"},
        .nameColumn = 3,
    };
    return def;
}

const ListDef& races() {
    static const ListDef def{
        "rasy",
        "Rasy",
        "SELECT id,nazwa 'Rasa            ',rodzaj 'Rodaj       ',kryterium 'Kryterium   ' "
        "FROM rasy ORDER BY nazwa desc",
        &c::race,
    };
    return def;
}

const ListDef& bodyParts() {
    static const ListDef def{
        "czescicialadef",
        "Lista czesci ciała",
        "select id,nazwa||' ['||typistoty||']' 'Nazwa          ' from czescicialadef order by "
        "typistoty desc, nazwa desc",
        &c::bodyPart,
    };
    return def;
}

const ListDef& professions() {
    static const ListDef def{
        .name = "profesje",
        .title = "Profesje",
        .select =
            "select id,nazwa 'Profesja          ',kasta 'Kasta       ' from profesje order by "
            "kasta desc,nazwa desc;",
        .editor = &c::profession,
        .deletes = false,
    };
    return def;
}

const ListDef& requirements() {
    static const ListDef def{
        "wymagania",
        "Wymagania",
        "select id,nazwa 'Nazwa          ' from wymagania order by nazwa desc",
        &c::requirement,
    };
    return def;
}

// Roll ranges are texts: they are ordered as numbers, so that 7 comes before 45 and 100.
const ListDef& socialClasses() {
    static const ListDef def{
        "klasyspoleczne",
        "Lista klas społecznych",
        "SELECT id,nazwa'Nazwa   ',rzutod 'od' ,rzutdo 'do' FROM klasyspoleczne ORDER BY "
        "CAST(rzutod AS INT) DESC,klasa DESC,CAST(rzutdo AS INT) DESC,nazwa DESC;",
        &c::socialClass,
    };
    return def;
}

const ListDef& birthplaces() {
    static const ListDef def{
        "miejscurodz",
        "Lista miejsc urodzenia",
        "SELECT id,nazwa'Nazwa   ',rzutod 'od' ,rzutdo 'do' FROM miejscurodz ORDER BY "
        "CAST(rzutod AS INT) DESC,CAST(rzutdo AS INT) DESC,nazwa DESC;",
        &c::birthplace,
    };
    return def;
}

const ListDef& disabilities() {
    static const ListDef def{
        .name = "ulomnosci",
        .title = "Ułomności",
        .select = "select id,nazwa 'Ułomność',od,do from zdolnosci where typ='ULOMNOSC' order by "
                  "CAST(od AS INT) desc;",
        .editor = &c::disability,
        .deletes = false,
    };
    return def;
}

const ListDef& abilities() {
    static const ListDef def{
        .name = "zdolnosci",
        .title = "Zdolności nadnaturalne",
        .select = "select id,nazwa 'Zdolność',od,do from zdolnosci where typ='ZDOLNOSC' order by "
                  "CAST(od AS INT) desc;",
        .editor = &c::ability,
        .deletes = false,
    };
    return def;
}

const ListDef& trades() {
    static const ListDef def{
        "zawod",
        "Lista zawodów",
        "select id,nazwa 'Nazwa  ',od,do,klasa 'Klasa społeczna' from zawod order by klasa "
        "desc,CAST(od AS INT) desc,CAST(do AS INT) desc,nazwa desc",
        &c::trade,
    };
    return def;
}

const ListDef& skills() {
    static const ListDef def{
        "umiejetnosci",
        "Zdolnosci",
        "select id,nazwa 'Nazwa          ', grupa 'Grupa       ' from umiejetnosci order by "
        "grupa desc,nazwa desc",
        &c::skill,
    };
    return def;
}

const ListDef& weaponGroups() {
    static const ListDef def{
        "grupybroni",
        "Grupy Broni",
        "select id,nazwa 'Nazwa       ' from grupybroni order by nazwa desc;",
        &c::weaponGroup,
    };
    return def;
}

const ListDef& weapons() {
    static const ListDef def{
        "bronie",
        "Bronie",
        "select A.id,A.nazwa 'Nazwa       ',B.nazwa 'Grupa broni' from bronie A left outer join "
        "grupybroni B on A.idgrupy=B.id order by B.nazwa desc, A.nazwa desc;",
        &c::weapon,
    };
    return def;
}

const ListDef& armourElements() {
    static const ListDef def{
        "elementzbroi",
        "Składniki zbroi",
        "select id,nazwa 'Nazwa          ' from elementzbroi order by nazwa desc",
        &c::armourElement,
    };
    return def;
}

const ListDef& armours() {
    static const ListDef def{
        "zbroja",
        "Lista zbroi",
        "select id,nazwa 'Nazwa          ' from zbroja order by nazwa desc",
        &c::armour,
    };
    return def;
}

const ListDef& shields() {
    static const ListDef def{
        "tarcza",
        "Lista tarcz",
        "select id,nazwa 'Nazwa          ' from tarcza order by nazwa desc",
        &c::shield,
    };
    return def;
}

const ListDef& equipment() {
    static const ListDef def{
        "ekwipunek",
        "Lista ekwipunku",
        "SELECT id,nazwa'Nazwa   ',waga 'waga' FROM ekwipunek ORDER BY nazwa DESC;",
        &c::equipment,
    };
    return def;
}

ListDef ownedFormulas(const std::string& ownerId, const std::string& ownerKind) {
    Query query = ownedFormulasQuery(ownerId, ownerKind);
    return {
        .name = "formuly",
        .title = "Formuły",
        .select = std::move(query.sql),
        .editor = &c::formula,
        .values = std::move(query.values),
    };
}

const std::vector<const ListDef*>& rules() {
    static const std::vector<const ListDef*> all = {
        &races(),          &bodyParts(),   &professions(),  &requirements(),
        &socialClasses(),  &birthplaces(), &disabilities(), &abilities(),
        &trades(),         &skills(),      &weaponGroups(), &weapons(),
        &armourElements(), &armours(),     &shields(),      &equipment(),
    };
    return all;
}

const ListDef* named(std::string_view name) {
    for (const ListDef* list : rules())
        if (list->name == name)
            return list;
    return nullptr;
}

} // namespace tallar::editors::lists
