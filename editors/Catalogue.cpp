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
        "CEdycjaEkwipunek",
        "Ekwipunek",
        {"Ekwipunek - nowy", "Ekwipunek - edycja", "Ekwipunek - usunięcie"},
        "ekwipunek",
        {{"nazwa", "Nazwa:"}, {"waga", "Waga:", K::Number}},
        {"nazwa", "waga"},
        {},
        {},
        {{"ekwipunek", "id"}},
    };
    return def;
}

const EditorDef& birthplace() {
    static const EditorDef def{
        "CEdycjaMiasto",
        "Miasto",
        {"Miejsce pochodzenia - nowe", "Miejsce pochodzenia - edycja",
         "Miejsce pochodzenia - usunięcie"},
        "miejscurodz",
        {{"nazwa", "Nazwa"}, {"rzutod", "Rzut od", K::Number}, {"rzutdo", "Rzut do", K::Number}},
        {},
        {},
        {},
        {{"miejscurodz", "id"}},
    };
    return def;
}

const EditorDef& socialClass() {
    static const EditorDef def{
        "CEdycjaKlasaSpoleczna",
        "Klasa społeczna",
        {"Klasa społeczna - nowa", "Klasa społeczna - edycja", "Klasa społeczna - usunięcie"},
        "klasyspoleczne",
        {{"nazwa", "Nazwa"},
         {"rzutod", "Rzut od", K::Number},
         {"rzutdo", "Rzut do", K::Number},
         {"klasa", "Klasa zawodów", K::Reference, "", "", {"zawod", "klasa", "klasa", true}},
         {"majatek", "Majątek", K::Dice},
         {"charyzma", "Charyzma", K::Dice},
         {"zawod", "Modyfikator liczby zawodów", K::Number}},
        {},
        {},
        {},
        {{"rasyklasy", "idklasy"}, {"profklasy", "idklasy"}, {"klasyspoleczne", "id"}},
    };
    return def;
}

const EditorDef& bodyPart() {
    static const EditorDef def{
        "CCzescCialaDef",
        "Część ciała",
        {"Część ciała - nowa", "Część ciała - edycja", "Część ciała - usunięcie"},
        "czescicialadef",
        parts::withBodyPartProperties(
            {{"typistoty", "Typ istoty", K::Reference, "", "", {"rasy", "typ", "typ", true}},
             {"nazwa", "Nazwa"}}),
        {"typistoty"},
        {},
        {},
        {{"czescicialadef", "id"}, {"elemzrcialo", "idcialo"}, {"stadiumczesci", "id_nad"}},
    };
    return def;
}

const EditorDef& weaponGroup() {
    static const EditorDef def{
        "CGrupaBroniEdycja",
        "Grupa broni",
        {"Grupa broni - nowa", "Grupa broni - edycja", "Grupa broni - usunięcie"},
        "grupybroni",
        {{"nazwa", "Nazwa"}},
        {},
        {},
        {},
        {{"formulybrone", "idgrupybroni"},
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
        "CBronEdycja",
        "Broń",
        {"Broń - nowa", "Broń - edycja", "Broń - usunięcie"},
        "bronie",
        {
            {"nazwa", "Nazwa", K::Text, general},
            {"idgrupy", "Grupa broni", K::Reference, general, {}, {"grupybroni"}},
            {"typl", "Typ (JL, J, PT, DW)", K::Text, general},
            {"skt_kluta_bliska", "bliska", K::Number, combat, "Skuteczność kłuta"},
            {"skt_kluta_daleka", "daleka", K::Number, combat, "Skuteczność kłuta"},
            {"skut_tnaca_bliska", "bliska", K::Number, combat, "Skuteczność tnąca"},
            {"skut_tnaca_daleka", "daleka", K::Number, combat, "Skuteczność tnąca"},
            {"skut_obuch_bliska", "bliska", K::Number, combat, "Skuteczność obuchowa"},
            {"skut_obuch_daleka", "daleka", K::Number, combat, "Skuteczność obuchowa"},
            {"obrona", "Obrona", K::Number, combat},
            {"obrona_x_2", "Obrona x2 jeśli trzymany oburącz", K::Flag, traits},
            {"obrona_tarczy", "Modyfikator obrony tarczy", K::Dice, combat},
            {"obrona_zbroi", "Modyfikator obrony zbroi", K::Dice, combat},
            {"ataki_na_r", "Ataki na rundę", K::Number, combat},
            {"traf_niweluje_atak", "Trafienie niweluje następny atak", K::Flag, traits},
            {"wytrzymalosc", "Wytrzymałość", K::Number, general},
            {"wsp_uszkodzen", "Współczynnik uszkodzeń", K::Dice, combat},
            {"opoznienie", "Opóźnienie", K::Number, combat},
            {"atak_przygotowany", "Umożliwia atak przygotowany", K::Flag, traits},
            {"traf_bonus", "Bonus do trafienia", K::Number, combat},
            {"traf_kryt_x_2", "Trafienie krytyczne x 2", K::Flag, traits},
            {"max_ogr_zr", "Maksymalne ogr.Zr (1/N)", K::Text, combat},
            {"max_ogr_sz", "Maksymalne ogr.Sz (1/N)", K::Text, combat},
            {"min_wzrost", "Minimalny wzrost", K::Number, general},
            {"min_sf", "Minimalna siła fizyczna", K::Number, general},
            {"waga", "Waga", K::Number, general},
            {"czas_prod", "Czas produkcji", K::Number, general},
            {"zasieg", "Zasięg", K::Text, combat},
            {"przeznaczenie", "Przeznaczona dla", K::Text, general},
            {"tr110_obezwl", "1/10 trafienia obezwładnia", K::Flag, traits},
            {"tr110_ew_obezwl", "1/10 trafienia ew.obezwładnia", K::Flag, traits},
            {"tr110_ew_oglusza", "1/10 trafienia ew.ogłusza", K::Flag, traits},
            {"tr_ew_obezwlad", "Trafienie ew.obezwładnia", K::Flag, traits},
            {"tr_12atobtrum", "Trafienie redukuje AT,TR,UM,OB do 1/2", K::Flag, traits},
            {"wtorna", "Broń wtórna", K::Flag, traits},
            {"drozna", "Broń drożna", K::Flag, traits},
            {"odpryskowa", "Broń odpryskowa", K::Flag, traits},
            {"szarza", "Umożliwia szarżę", K::Flag, traits},
            {"powstrzymanie", "Umożliwia powstrzymanie", K::Flag, traits},
            {"obiekt", "Model", K::Text, model},
            {"tekstura", "Tekstura", K::Text, model},
            {"size", "Skala", K::Text, model},
            {"offset", "Przesunięcie", K::Text, model},
        },
        {},
        {},
        {},
        {{"bronie", "id"}},
    };
    return def;
}

const EditorDef& shield() {
    const std::string model = "Model 3D";
    static const EditorDef def{
        "CEdycjaTarczy",
        "Tarcza",
        {"Tarcza - nowa", "Tarcza - edycja", "Tarcza - usunięcie"},
        "tarcza",
        {
            {"nazwa", "Nazwa"},
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
            {"szpikulce", "Szpikulce", K::Flag, "", "Szpikulce"},
            {"skutkl", "skuteczność kłuta", K::Number, "", "Szpikulce"},
            {"ostrekraw", "Ostre krawędzie", K::Flag, "", "Ostre krawędzie"},
            {"skuttn", "skuteczność tnąca", K::Number, "", "Ostre krawędzie"},
            {"skutob", "Skuteczność obuchowa", K::Number},
            {"obiekt", "Model", K::Text, model},
            {"tekstura", "Tekstura", K::Text, model},
            {"skala", "Skala", K::Text, model},
            {"offset", "Przesunięcie", K::Text, model},
        },
        {},
        {},
        {},
        {{"tarcza", "id"}},
    };
    return def;
}

const EditorDef& requirement() {
    static const EditorDef def{
        "CEdycjaWymagan",
        "Wymagania do awansu na poz.",
        {"Wymóg - nowy", "Wymóg - edycja", "Wymóg - usunięcie"},
        "wymagania",
        {{"nazwa", "Nazwa"}, {"opis", "Opis", K::LongText}},
        {},
        {},
        {{"wymaganiagrupybroni", "idwymagania", "idgrupy", "Grupy broni",
          namesOf("wymaganiagrupybroni", "idwymagania", "idgrupy", "grupybroni", "nazwa"),
          weaponGroupPick()}},
        {{"wymagania", "id"}, {"wymaganiagrupybroni", "idwymagania"}},
    };
    return def;
}

const EditorDef& armourElement() {
    static const EditorDef def{
        "CElementZbroi",
        "Element zbroi",
        {"Element zbroi - nowy", "Element zbroi - edycja", "Element zbroi - usunięcie"},
        "elementzbroi",
        {
            {"nazwa", "Nazwa"},
            {"ogrzr", "Ograniczenia zręczności 1/", K::Number},
            {"ogrsz", "Ograniczenia szybkości 1/", K::Number},
            {"obrona", "Obrona", K::Number},
            {"wypkl", "kłute", K::Number, "", "Wyparowania"},
            {"wyptn", "tnące", K::Number, "", "Wyparowania"},
            {"wypob", "obuchowe", K::Number, "", "Wyparowania"},
            {"waga", "Waga", K::Number},
            {"czasprod", "Czas produkcji", K::Number},
            {"warstwa", "Warstwa", K::Number},
            {"zwogrzr", "zręczności", K::Number, "", "Zwiększenie ograniczeń"},
            {"zwogrsz", "szybkości", K::Number, "", "Zwiększenie ograniczeń"},
            {"wspwypiob", "Współczynnik wyparowań i obrony 1/", K::Number},
            {"wytrzymalosc", "Wytrzymałość", K::Number},
            {"bonus", "Bonus do odporności", K::Number},
            {"metal", "Metalowy", K::Flag},
            {"wspzioniec", "Współczynnik obrażeń od zionięcia 1/", K::Number},
        },
        {},
        {},
        {{"elemzrbrasy",
          "idelemzbr",
          "idstadium",
          "Dozwolone stadia ras",
          "SELECT L.idstadium,COALESCE(R.nazwa||' - '||S.nazwa,S.nazwa,L.idstadium) FROM "
          "elemzrbrasy L LEFT JOIN stadia S ON S.id=L.idstadium LEFT JOIN rasy R ON "
          "R.id=S.idrasa WHERE L.idelemzbr=? ORDER BY 2;",
          {"Lista stadiów ras",
           "SELECT S.id,COALESCE(R.nazwa||' - '||S.nazwa,S.nazwa) 'Stadium              ' FROM "
           "stadia S LEFT JOIN rasy R ON R.id=S.idrasa WHERE S.id NOT IN (",
           "'') ORDER BY R.nazwa DESC,S.nazwa DESC;", true, ""}},
         {"elemzrcialo",
          "idelemzbr",
          "idcialo",
          "Osłaniane części ciała",
          namesOf("elemzrcialo", "idelemzbr", "idcialo", "czescicialadef",
                  "nazwa||' ['||T.typistoty||']'"),
          {"Lista części ciała",
           "SELECT id,nazwa||' ['||typistoty||']' 'Nazwa          ' FROM czescicialadef WHERE "
           "id NOT IN (",
           "'') ORDER BY typistoty DESC,nazwa DESC;", true, ""}}},
        {{"elementzbroi", "id"}, {"elemzrbrasy", "idelemzbr"}, {"elemzrcialo", "idelemzbr"}},
    };
    return def;
}

const EditorDef& armour() {
    static const EditorDef def{
        "CEdycjaZbroi",
        "Zbroja",
        {"Zbroja - nowa", "Zbroja - edycja", "Zbroja - usunięcie"},
        "zbroja",
        {{"nazwa", "Nazwa"}},
        {},
        {},
        {{"zbrojaelem",
          "idzbroi",
          "idelemzbr",
          "Elementy zbroi",
          namesOf("zbrojaelem", "idzbroi", "idelemzbr", "elementzbroi", "nazwa"),
          {"Lista elementów zbroi",
           "SELECT id,nazwa 'Nazwa          ' FROM elementzbroi WHERE id NOT IN (",
           "'') ORDER BY nazwa DESC;", true, ""}}},
        {{"zbroja", "id"}, {"zbrojaelem", "idzbroi"}},
    };
    return def;
}

namespace {

// Disabilities and supernatural abilities share one table, told apart by `typ`.
EditorDef abilityEditor(std::string className, std::array<std::string, 3> titles,
                        std::string kind) {
    return EditorDef{
        std::move(className),
        "UŁOMNOŚĆ",
        std::move(titles),
        "zdolnosci",
        {{"nazwa", "Nazwa"},
         {"od", "Rzut od", K::Number},
         {"do", "Rzut do", K::Number},
         {"opis", "Opis", K::LongText}},
        {},
        {{"typ", std::move(kind)}},
        {{"rasyzdolnosci",
          "idzdolnosci",
          "idrasa",
          "Rasy",
          namesOf("rasyzdolnosci", "idzdolnosci", "idrasa", "rasy", "nazwa"),
          {"Lista ras", "SELECT id,nazwa 'Rasa            ' FROM rasy WHERE id NOT IN (",
           "'') ORDER BY nazwa DESC;", true, ""}}},
        {},
        true,
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
        "CFormula",
        "FROMUŁA",
        {"Formuła - nowa", "Formuła - edycja", "Formuła - usunięcie"},
        "formuly",
        formulaNotes(),
        {},
        {},
        {{"formulybrone", "idformuly", "idgrupybroni", "Grupy broni biegłości",
          namesOf("formulybrone", "idformuly", "idgrupybroni", "grupybroni", "nazwa"),
          weaponGroupPick()}},
        {{"formuly", "id"}, {"formulybrone", "idformuly"}},
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
