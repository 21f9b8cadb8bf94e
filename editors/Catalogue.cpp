#include "editors/EditorDef.h"

#include "editors/CatalogueParts.h"
#include "editors/FormulaFields.h"

namespace tallar::editors::catalogue {

namespace {

using K = ValueKind;
using parts::namesOf;
using parts::weaponGroupPick;

} // namespace

const EditorDef& equipment() {
    static const EditorDef def{
        .className = "CEdycjaEkwipunek",
        .dialogTitle = "Ekwipunek",
        .titles = {"Ekwipunek - nowy", "Ekwipunek - edycja", "Ekwipunek - usunięcie"},
        .table = "ekwipunek",
        .notes = {{"nazwa", "Nazwa:"}, {"waga", "Waga:", K::Number}},
        .required = {"nazwa", "waga"},
        .cascade = {{"ekwipunek", "id"}},
    };
    return def;
}

const EditorDef& birthplace() {
    static const EditorDef def{
        .className = "CEdycjaMiasto",
        .dialogTitle = "Miasto",
        .titles = {"Miejsce pochodzenia - nowe", "Miejsce pochodzenia - edycja",
                   "Miejsce pochodzenia - usunięcie"},
        .table = "miejscurodz",
        .notes = {{"nazwa", "Nazwa"},
                  {"rzutod", "Rzut od", K::Number},
                  {"rzutdo", "Rzut do", K::Number}},
        .cascade = {{"miejscurodz", "id"}},
    };
    return def;
}

const EditorDef& socialClass() {
    static const EditorDef def{
        .className = "CEdycjaKlasaSpoleczna",
        .dialogTitle = "Klasa społeczna",
        .titles = {"Klasa społeczna - nowa", "Klasa społeczna - edycja",
                   "Klasa społeczna - usunięcie"},
        .table = "klasyspoleczne",
        .notes = {{"nazwa", "Nazwa"},
                  {"rzutod", "Rzut od", K::Number},
                  {"rzutdo", "Rzut do", K::Number},
                  {.column = "klasa",
                   .label = "Klasa zawodów",
                   .kind = K::Reference,
                   .reference =
                       {.table = "zawod", .display = "klasa", .value = "klasa", .freeText = true}},
                  {"majatek", "Majątek", K::Dice},
                  {"charyzma", "Charyzma", K::Dice},
                  {"zawod", "Modyfikator liczby zawodów", K::Number}},
        .cascade = {{"rasyklasy", "idklasy"}, {"profklasy", "idklasy"}, {"klasyspoleczne", "id"}},
    };
    return def;
}

const EditorDef& bodyPart() {
    static const EditorDef def{
        .className = "CCzescCialaDef",
        .dialogTitle = "Część ciała",
        .titles = {"Część ciała - nowa", "Część ciała - edycja", "Część ciała - usunięcie"},
        .table = "czescicialadef",
        .notes = parts::withBodyPartProperties(
            {{.column = "typistoty",
              .label = "Typ istoty",
              .kind = K::Reference,
              .reference = {.table = "rasy", .display = "typ", .value = "typ", .freeText = true}},
             {"nazwa", "Nazwa"}}),
        .required = {"typistoty"},
        .cascade = {{"czescicialadef", "id"},
                    {"elemzrcialo", "idcialo"},
                    {"stadiumczesci", "id_nad"}},
    };
    return def;
}

const EditorDef& weaponGroup() {
    static const EditorDef def{
        .className = "CGrupaBroniEdycja",
        .dialogTitle = "Grupa broni",
        .titles = {"Grupa broni - nowa", "Grupa broni - edycja", "Grupa broni - usunięcie"},
        .table = "grupybroni",
        .notes = {{"nazwa", "Nazwa"}},
        .cascade = {{"formulybrone", "idgrupybroni"},
                    {"wymaganiagrupybroni", "idgrupy"},
                    {"rasybronie", "idgrupybroni"},
                    {"grupybroni", "id"}},
    };
    return def;
}

const EditorDef& weapon() {
    const std::string general = "Ogólne";
    const std::string combat = "Walka";
    const std::string traits = "Właściwości";
    const std::string model = "Model 3D";
    static const EditorDef def{
        .className = "CBronEdycja",
        .dialogTitle = "Broń",
        .titles = {"Broń - nowa", "Broń - edycja", "Broń - usunięcie"},
        .table = "bronie",
        .notes =
            {{.column = "nazwa", .label = "Nazwa", .kind = K::Text, .page = general},
             {.column = "idgrupy",
              .label = "Grupa broni",
              .kind = K::Reference,
              .page = general,
              .reference = {.table = "grupybroni"}},
             {.column = "typl", .label = "Typ (JL, J, PT, DW)", .kind = K::Text, .page = general},
             {.column = "skt_kluta_bliska",
              .label = "bliska",
              .kind = K::Number,
              .page = combat,
              .group = "Skuteczność kłuta"},
             {.column = "skt_kluta_daleka",
              .label = "daleka",
              .kind = K::Number,
              .page = combat,
              .group = "Skuteczność kłuta"},
             {.column = "skut_tnaca_bliska",
              .label = "bliska",
              .kind = K::Number,
              .page = combat,
              .group = "Skuteczność tnąca"},
             {.column = "skut_tnaca_daleka",
              .label = "daleka",
              .kind = K::Number,
              .page = combat,
              .group = "Skuteczność tnąca"},
             {.column = "skut_obuch_bliska",
              .label = "bliska",
              .kind = K::Number,
              .page = combat,
              .group = "Skuteczność obuchowa"},
             {.column = "skut_obuch_daleka",
              .label = "daleka",
              .kind = K::Number,
              .page = combat,
              .group = "Skuteczność obuchowa"},
             {.column = "obrona", .label = "Obrona", .kind = K::Number, .page = combat},
             {.column = "obrona_x_2",
              .label = "Obrona x2 jeśli trzymany oburącz",
              .kind = K::Flag,
              .page = traits},
             {.column = "obrona_tarczy",
              .label = "Modyfikator obrony tarczy",
              .kind = K::Dice,
              .page = combat},
             {.column = "obrona_zbroi",
              .label = "Modyfikator obrony zbroi",
              .kind = K::Dice,
              .page = combat},
             {.column = "ataki_na_r", .label = "Ataki na rundę", .kind = K::Number, .page = combat},
             {.column = "traf_niweluje_atak",
              .label = "Trafienie niweluje następny atak",
              .kind = K::Flag,
              .page = traits},
             {.column = "wytrzymalosc",
              .label = "Wytrzymałość",
              .kind = K::Number,
              .page = general},
             {.column = "wsp_uszkodzen",
              .label = "Współczynnik uszkodzeń",
              .kind = K::Dice,
              .page = combat},
             {.column = "opoznienie", .label = "Opóźnienie", .kind = K::Number, .page = combat},
             {.column = "atak_przygotowany",
              .label = "Umożliwia atak przygotowany",
              .kind = K::Flag,
              .page = traits},
             {.column = "traf_bonus",
              .label = "Bonus do trafienia",
              .kind = K::Number,
              .page = combat},
             {.column = "traf_kryt_x_2",
              .label = "Trafienie krytyczne x 2",
              .kind = K::Flag,
              .page = traits},
             {.column = "max_ogr_zr",
              .label = "Maksymalne ogr.Zr (1/N)",
              .kind = K::Text,
              .page = combat},
             {.column = "max_ogr_sz",
              .label = "Maksymalne ogr.Sz (1/N)",
              .kind = K::Text,
              .page = combat},
             {.column = "min_wzrost",
              .label = "Minimalny wzrost",
              .kind = K::Number,
              .page = general},
             {.column = "min_sf",
              .label = "Minimalna siła fizyczna",
              .kind = K::Number,
              .page = general},
             {.column = "waga", .label = "Waga", .kind = K::Number, .page = general},
             {.column = "czas_prod", .label = "Czas produkcji", .kind = K::Number, .page = general},
             {.column = "zasieg", .label = "Zasięg", .kind = K::Text, .page = combat},
             {.column = "przeznaczenie",
              .label = "Przeznaczona dla",
              .kind = K::Text,
              .page = general},
             {.column = "tr110_obezwl",
              .label = "1/10 trafienia obezwładnia",
              .kind = K::Flag,
              .page = traits},
             {.column = "tr110_ew_obezwl",
              .label = "1/10 trafienia ew.obezwładnia",
              .kind = K::Flag,
              .page = traits},
             {.column = "tr110_ew_oglusza",
              .label = "1/10 trafienia ew.ogłusza",
              .kind = K::Flag,
              .page = traits},
             {.column = "tr_ew_obezwlad",
              .label = "Trafienie ew.obezwładnia",
              .kind = K::Flag,
              .page = traits},
             {.column = "tr_12atobtrum",
              .label = "Trafienie redukuje AT,TR,UM,OB do 1/2",
              .kind = K::Flag,
              .page = traits},
             {.column = "wtorna", .label = "Broń wtórna", .kind = K::Flag, .page = traits},
             {.column = "drozna", .label = "Broń drożna", .kind = K::Flag, .page = traits},
             {.column = "odpryskowa", .label = "Broń odpryskowa", .kind = K::Flag, .page = traits},
             {.column = "szarza", .label = "Umożliwia szarżę", .kind = K::Flag, .page = traits},
             {.column = "powstrzymanie",
              .label = "Umożliwia powstrzymanie",
              .kind = K::Flag,
              .page = traits},
             {.column = "obiekt", .label = "Model", .kind = K::Text, .page = model},
             {.column = "tekstura", .label = "Tekstura", .kind = K::Text, .page = model},
             {.column = "size", .label = "Skala", .kind = K::Text, .page = model},
             {.column = "offset", .label = "Przesunięcie", .kind = K::Text, .page = model}},
        .cascade = {{"bronie", "id"}},
    };
    return def;
}

const EditorDef& shield() {
    const std::string model = "Model 3D";
    static const EditorDef def{
        .className = "CEdycjaTarczy",
        .dialogTitle = "Tarcza",
        .titles = {"Tarcza - nowa", "Tarcza - edycja", "Tarcza - usunięcie"},
        .table = "tarcza",
        .notes =
            {{"nazwa", "Nazwa"},
             {"ogrzr", "Ograniczenia zręczności 1/", K::Number},
             {"ogrsz", "Ograniczenia szybkości 1/", K::Number},
             {"obrona", "Obrona", K::Number},
             {"bonus", "Bonus do odp.7,8,10", K::Number},
             {"metal", "Tarcza metalowa", K::Flag},
             {"waga", "Waga", K::Number},
             {"wytrzym", "Wytrzymałość", K::Number},
             {"czasprod", "Czas produkcji", K::Number},
             {"mogauzywac", "Mogą używać"},
             {"wbicieziemia", "Można wbić w ziemię / oprzeć", K::Flag},
             {"mocowzbroia", "Mocowanie do zbroi", K::Flag},
             {"mocowreka", "Mocowanie do ręki", K::Flag},
             {.column = "szpikulce", .label = "Szpikulce", .kind = K::Flag, .group = "Szpikulce"},
             {.column = "skutkl",
              .label = "skuteczność kłuta",
              .kind = K::Number,
              .group = "Szpikulce"},
             {.column = "ostrekraw",
              .label = "Ostre krawędzie",
              .kind = K::Flag,
              .group = "Ostre krawędzie"},
             {.column = "skuttn",
              .label = "skuteczność tnąca",
              .kind = K::Number,
              .group = "Ostre krawędzie"},
             {"skutob", "Skuteczność obuchowa", K::Number},
             {.column = "obiekt", .label = "Model", .kind = K::Text, .page = model},
             {.column = "tekstura", .label = "Tekstura", .kind = K::Text, .page = model},
             {.column = "skala", .label = "Skala", .kind = K::Text, .page = model},
             {.column = "offset", .label = "Przesunięcie", .kind = K::Text, .page = model}},
        .cascade = {{"tarcza", "id"}},
    };
    return def;
}

const EditorDef& requirement() {
    static const EditorDef def{
        .className = "CEdycjaWymagan",
        .dialogTitle = "Wymagania do awansu na poz.",
        .titles = {"Wymóg - nowy", "Wymóg - edycja", "Wymóg - usunięcie"},
        .table = "wymagania",
        .notes = {{"nazwa", "Nazwa"}, {"opis", "Opis", K::LongText}},
        .links = {{
            .table = "wymaganiagrupybroni",
            .ownerColumn = "idwymagania",
            .otherColumn = "idgrupy",
            .label = "Grupy broni",
            .namesSql =
                namesOf("wymaganiagrupybroni", "idwymagania", "idgrupy", "grupybroni", "nazwa"),
            .pick = weaponGroupPick(),
        }},
        .cascade = {{"wymagania", "id"}, {"wymaganiagrupybroni", "idwymagania"}},
    };
    return def;
}

const EditorDef& armourElement() {
    static const EditorDef def{
        .className = "CElementZbroi",
        .dialogTitle = "Element zbroi",
        .titles = {"Element zbroi - nowy", "Element zbroi - edycja", "Element zbroi - usunięcie"},
        .table = "elementzbroi",
        .notes =
            {{"nazwa", "Nazwa"},
             {"ogrzr", "Ograniczenia zręczności 1/", K::Number},
             {"ogrsz", "Ograniczenia szybkości 1/", K::Number},
             {"obrona", "Obrona", K::Number},
             {.column = "wypkl", .label = "kłute", .kind = K::Number, .group = "Wyparowania"},
             {.column = "wyptn", .label = "tnące", .kind = K::Number, .group = "Wyparowania"},
             {.column = "wypob", .label = "obuchowe", .kind = K::Number, .group = "Wyparowania"},
             {"waga", "Waga", K::Number},
             {"czasprod", "Czas produkcji", K::Number},
             {"warstwa", "Warstwa", K::Number},
             {.column = "zwogrzr",
              .label = "zręczności",
              .kind = K::Number,
              .group = "Zwiększenie ograniczeń"},
             {.column = "zwogrsz",
              .label = "szybkości",
              .kind = K::Number,
              .group = "Zwiększenie ograniczeń"},
             {"wspwypiob", "Współczynnik wyparowań i obrony 1/", K::Number},
             {"wytrzymalosc", "Wytrzymałość", K::Number},
             {"bonus", "Bonus do odporności", K::Number},
             {"metal", "Metalowy", K::Flag},
             {"wspzioniec", "Współczynnik obrażeń od zionięcia 1/", K::Number}},
        .links =
            {{
                 .table = "elemzrbrasy",
                 .ownerColumn = "idelemzbr",
                 .otherColumn = "idstadium",
                 .label = "Dozwolone stadia ras",
                 .namesSql =
                     "SELECT L.idstadium,COALESCE(R.nazwa||' - '||S.nazwa,S.nazwa,L.idstadium) "
                     "FROM "
                     "elemzrbrasy L LEFT JOIN stadia S ON S.id=L.idstadium LEFT JOIN rasy R ON "
                     "R.id=S.idrasa WHERE L.idelemzbr=? ORDER BY 2;",
                 .pick = {.title = "Lista stadiów ras",
                          .selectBeforeExclusion =
                              "SELECT S.id,COALESCE(R.nazwa||' - '||S.nazwa,S.nazwa) 'Stadium      "
                              "        ' FROM "
                              "stadia S LEFT JOIN rasy R ON R.id=S.idrasa WHERE S.id NOT IN (",
                          .selectAfterExclusion = "'') ORDER BY R.nazwa DESC,S.nazwa DESC;"},
             },
             {
                 .table = "elemzrcialo",
                 .ownerColumn = "idelemzbr",
                 .otherColumn = "idcialo",
                 .label = "Osłaniane części ciała",
                 .namesSql = namesOf("elemzrcialo", "idelemzbr", "idcialo", "czescicialadef",
                                     "nazwa||' ['||T.typistoty||']'"),
                 .pick = {.title = "Lista części ciała",
                          .selectBeforeExclusion = "SELECT id,nazwa||' ['||typistoty||']' 'Nazwa   "
                                                   "       ' FROM czescicialadef WHERE "
                                                   "id NOT IN (",
                          .selectAfterExclusion = "'') ORDER BY typistoty DESC,nazwa DESC;"},
             }},
        .cascade = {{"elementzbroi", "id"},
                    {"elemzrbrasy", "idelemzbr"},
                    {"elemzrcialo", "idelemzbr"}},
    };
    return def;
}

const EditorDef& armour() {
    static const EditorDef def{
        .className = "CEdycjaZbroi",
        .dialogTitle = "Zbroja",
        .titles = {"Zbroja - nowa", "Zbroja - edycja", "Zbroja - usunięcie"},
        .table = "zbroja",
        .notes = {{"nazwa", "Nazwa"}},
        .links = {{
            .table = "zbrojaelem",
            .ownerColumn = "idzbroi",
            .otherColumn = "idelemzbr",
            .label = "Elementy zbroi",
            .namesSql = namesOf("zbrojaelem", "idzbroi", "idelemzbr", "elementzbroi", "nazwa"),
            .pick = {.title = "Lista elementów zbroi",
                     .selectBeforeExclusion =
                         "SELECT id,nazwa 'Nazwa          ' FROM elementzbroi WHERE id NOT IN (",
                     .selectAfterExclusion = "'') ORDER BY nazwa DESC;"},
        }},
        .cascade = {{"zbroja", "id"}, {"zbrojaelem", "idzbroi"}},
    };
    return def;
}

namespace {

// Disabilities and supernatural abilities share one table, told apart by `typ`.
EditorDef abilityEditor(std::string className, std::array<std::string, 3> titles,
                        std::string kind) {
    return EditorDef{
        .className = std::move(className),
        .dialogTitle = "UŁOMNOŚĆ",
        .titles = std::move(titles),
        .table = "zdolnosci",
        .notes = {{"nazwa", "Nazwa"},
                  {"od", "Rzut od", K::Number},
                  {"do", "Rzut do", K::Number},
                  {"opis", "Opis", K::LongText}},
        .fixed = {{"typ", std::move(kind)}},
        .links = {{
            .table = "rasyzdolnosci",
            .ownerColumn = "idzdolnosci",
            .otherColumn = "idrasa",
            .label = "Rasy",
            .namesSql = namesOf("rasyzdolnosci", "idzdolnosci", "idrasa", "rasy", "nazwa"),
            .pick = {.title = "Lista ras",
                     .selectBeforeExclusion =
                         "SELECT id,nazwa 'Rasa            ' FROM rasy WHERE id NOT IN (",
                     .selectAfterExclusion = "'') ORDER BY nazwa DESC;"},
        }},
        .ownsFormulas = true,
    };
}

} // namespace

const EditorDef& disability() {
    static const EditorDef def =
        abilityEditor("CUlomnoscEdycja", {"Ulomnosc - Nowa", "Ulomnosc - Edycja", ""}, "ULOMNOSC");
    return def;
}

const EditorDef& ability() {
    static const EditorDef def = abilityEditor(
        "CZdolnoscNadnaturalnaEdycja",
        {"Zdolność nadnaturalna - Nowa", "Zdolność nadnaturalna - Edycja", ""}, "ZDOLNOSC");
    return def;
}

const EditorDef& formula() {
    static const EditorDef def{
        .className = "CFormula",
        .dialogTitle = "FROMUŁA",
        .titles = {"Formuła - nowa", "Formuła - edycja", "Formuła - usunięcie"},
        .table = "formuly",
        .notes = formulaNotes(),
        .links = {{
            .table = "formulybrone",
            .ownerColumn = "idformuly",
            .otherColumn = "idgrupybroni",
            .label = "Grupy broni biegłości",
            .namesSql = namesOf("formulybrone", "idformuly", "idgrupybroni", "grupybroni", "nazwa"),
            .pick = weaponGroupPick(),
        }},
        .cascade = {{"formuly", "id"}, {"formulybrone", "idformuly"}},
    };
    return def;
}

const std::vector<const EditorDef*>& all() {
    static const std::vector<const EditorDef*> editors = {
        &equipment(),     &birthplace(),    &socialClass(), &bodyPart(),      &weaponGroup(),
        &weapon(),        &shield(),        &requirement(), &armourElement(), &armour(),
        &disability(),    &ability(),       &formula(),     &race(),          &stage(),
        &naturalWeapon(), &stageBodyPart(), &skill(),       &chance(),        &savingThrow(),
        &throwEffect(),   &modification(),  &trade(),       &profession(),
    };
    return editors;
}

const EditorDef* forTable(std::string_view table) {
    for (const EditorDef* def : all())
        if (def->table == table)
            return def;
    return nullptr;
}

} // namespace tallar::editors::catalogue
