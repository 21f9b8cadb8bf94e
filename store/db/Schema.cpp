#include "store/db/Schema.h"

#include "base/UserPort.h"
#include "store/db/Database.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

namespace tallar {

int TableDef::columnIndex(std::string_view column) const {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name == column)
            return static_cast<int>(i);
    return -1;
}

namespace {

// A column holding "T" or "N".
ColumnDef flag(const char* name) {
    ColumnDef column(name);
    column.flag = true;
    return column;
}

} // namespace

const std::vector<TableDef>& rulesTables() {
    static const std::vector<TableDef> tables = {
        {"profesje",
         {"id",        "kasta",     "nazwa",     "zyw",      "sf",         "zr",        "sz",
          "inte",      "md",        "um",        "ch",       "pr",         "wi",        "zw",
          "odp01",     "odp02",     "odp03",     "odp04",    "odp05",      "odp06",     "odp07",
          "odp08",     "odp09",     "odp10",     "poz_zyw",  "poz_sf",     "poz_zr",    "poz_sz",
          "poz_inte",  "poz_md",    "poz_um",    "poz_ch",   "poz_pr",     "poz_wi",    "poz_zw",
          "bgl_start", "bgl_ilosc", "bgl_modyf", "bgl_min",  "bgl_na_poz", "zyw_podst", "sf_podst",
          "zr_podst",  "sz_podst",  "int_podst", "md_podst", "um_podst",   "ch_podst",  "pr_podst",
          "wi_podst",  "zw_podst",  "bgl_podst", "ext_zawod"},
         "id",
         {},
         false},
        {"profprof", {"id", "idpfor"}, "", {"id", "idpfor"}, false},
        {"profrasa", {"id", "idrasa", "pozlimit"}, "", {"id", "idrasa"}, false},
        {"profumiej", {"id", "idumiej", "poz"}, "", {"id", "idumiej"}, false},
        {"tytuly", {"id", "idtytul", "poz", "tytul"}, "", {"id", "idtytul"}, false},
        {"profwymagania", {"id", "idwymagania", "poz"}, "", {"id", "idwymagania"}, false},
        {"profcharakter", {"id", "idcharakter"}, "", {"id", "idcharakter"}, false},
        {"profklasy", {"id", "idklasy"}, "", {"id", "idklasy"}, false},
        {"wymagania", {"id", "nazwa", "opis"}, "id", {}, false},
        {"wymaganiagrupybroni", {"idwymagania", "idgrupy"}, "", {"idwymagania", "idgrupy"}, false},
        {"klasyspoleczne",
         {"id", "nazwa", "rzutod", "rzutdo", "klasa", "majatek", "charyzma", "zawod"},
         "id",
         {},
         false},
        {"czescicialadef",
         {"id", "typistoty", "nazwa", "proc_cal_zyw", "wpl_obr_na_zyw", "odc_pow_smi", "wyp_kl",
          "wyp_kl_proc", "wyp_tn", "wyp_tn_proc", "wyp_ob", "wyp_ob_proc", "obr", "obr_proc",
          "modtrsel", "bron_tarcza", "domyslna"},
         "id",
         {"typistoty"},
         false},
        {"rasy", {"id", "nazwa", "rodzaj", "typ", "kryterium"}, "id", {}, false},
        {"rasybronie", {"idrasa", "idgrupybroni", "bonus"}, "", {"idrasa", "idgrupybroni"}, false},
        {"stadia",
         {"id",
          "idrasa",
          "nazwa",
          "od",
          "skok",
          "zyw_znak",
          "zyw_wartosc",
          "zyw_proc",
          "zyw_przyrost",
          "zyw_limit",
          "zyw_innywsp",
          "sf_znak",
          "sf_wartosc",
          "sf_proc",
          "sf_przyrost",
          "sf_limit",
          "sf_innywsp",
          "zr_znak",
          "zr_wartosc",
          "zr_proc",
          "zr_przyrost",
          "zr_limit",
          "sz_znak",
          "sz_wartosc",
          "sz_proc",
          "sz_przyrost",
          "sz_limit",
          "int_znak",
          "int_wartosc",
          "int_proc",
          "int_przyrost",
          "int_limit",
          "md_znak",
          "md_wartosc",
          "md_proc",
          "md_przyrost",
          "md_limit",
          "um_znak",
          "um_wartosc",
          "um_proc",
          "um_przyrost",
          "um_limit",
          "ch_znak",
          "ch_wartosc",
          "ch_proc",
          "ch_przyrost",
          "ch_limit",
          "pr_znak",
          "pr_wartosc",
          "pr_proc",
          "pr_przyrost",
          "pr_limit",
          "wi_znak",
          "wi_wartosc",
          "wi_proc",
          "wi_przyrost",
          "wi_limit",
          "zw_znak",
          "zw_wartosc",
          "zw_proc",
          "zw_przyrost",
          "zw_limit",
          "wzrost_od",
          "wzrost_do",
          "wzrost_znak",
          "wzrost_wartosc",
          "wzrost_proc",
          "waga_od",
          "waga_do",
          "waga_znak",
          "waga_wartosc",
          "waga_proc",
          "odp1_znak",
          "odp1_wartosc",
          "odp1_proc",
          "odp1_przyrost",
          "odp1_limit",
          "odp2_znak",
          "odp2_wartosc",
          "odp2_proc",
          "odp2_przyrost",
          "odp2_limit",
          "odp3_znak",
          "odp3_wartosc",
          "odp3_proc",
          "odp3_przyrost",
          "odp3_limit",
          "odp4_znak",
          "odp4_wartosc",
          "odp4_proc",
          "odp4_przyrost",
          "odp4_limit",
          "odp5_znak",
          "odp5_wartosc",
          "odp5_proc",
          "odp5_przyrost",
          "odp5_limit",
          "odp6_znak",
          "odp6_wartosc",
          "odp6_proc",
          "odp6_przyrost",
          "odp6_limit",
          "odp7_znak",
          "odp7_wartosc",
          "odp7_proc",
          "odp7_przyrost",
          "odp7_limit",
          "odp8_znak",
          "odp8_wartosc",
          "odp8_proc",
          "odp8_przyrost",
          "odp8_limit",
          "odp9_znak",
          "odp9_wartosc",
          "odp9_proc",
          "odp9_przyrost",
          "odp9_limit",
          "odp10_znak",
          "odp10_wartosc",
          "odp10_proc",
          "odp10_przyrost",
          "odp10_limit",
          "smierc_starosc",
          "antymagia_znak",
          "antymagia_wartosc",
          "antymagia_procent",
          "kl_znak",
          "kl_wartosc",
          "kl_proc",
          "tn_znak",
          "tn_wartosc",
          "tn_proc",
          "ob_znak",
          "ob_wartosc",
          "ob_proc",
          "obr_znak",
          "obr_wartosc",
          "obr_proc",
          "ogr_zr_znak",
          "ogr_zr_wartosc",
          "ogr_sz_znak",
          "ogr_sz_wartosc",
          "obiekt_3d",
          "tekstura",
          "skala",
          "offset",
          "zawody",
          "gracze"},
         "id",
         {"idrasa"},
         true},
        {"stadiumbronie",
         {"id",
          "idstadium",
          "nazwa",
          "bon_do_bgl",
          "bon_do_bgl_znak",
          "bon_do_bgl_przyr",
          "bon_do_bgl_proc",
          "bgl_min",
          "bgl_min_znak",
          "bgl_min_przyr",
          "bgl_min_proc",
          "obr_kl",
          "obr_kl_znak",
          "obr_kl_przyr",
          "obr_kl_proc",
          "obr_tn",
          "obr_tn_znak",
          "obr_tn_przyr",
          "obr_tn_proc",
          "obr_ob",
          "obr_ob_znak",
          "obr_ob_przyr",
          "obr_ob_proc",
          "obrona",
          "obrona_znak",
          "obrona_przyr",
          "obrona_proc",
          "opoznienie",
          "opoznienie_znak",
          "opoznienie_przyr",
          "opoznienie_proc",
          "wsp_uszk",
          "wsp_uszk_znak",
          "wsp_uszk_przyr",
          "wsp_uszk_proc",
          "ataki",
          "ataki_znak",
          "ataki_przyr",
          "ataki_proc",
          "zasiegi",
          "bieglosc",
          "bieglosc_znak",
          "bieglosc_przyr",
          "bieglosc_proc",
          "sp_pdw_bgl",
          "sp_spec",
          "sp_pdw_spec",
          "sp_mistrz",
          "natur_obur",
          "bgl_prof",
          "reka",
          "ilosc"},
         "id",
         {"idstadium"},
         false},
        {"stadiumczesci",
         {"id", "idstadium", "id_nad", "proc_cal_zyw", "wpl_obr_na_zyw", "odc_pow_smi", "wyp_kl",
          "wyp_kl_proc", "wyp_tn", "wyp_tn_proc", "wyp_ob", "wyp_ob_proc", "obr", "obr_proc",
          "modtrsel", "bron_tarcza", "domyslna"},
         "id",
         {"idstadium"},
         false},
        {"stadiumumiej", {"idstadium", "idumiej"}, "", {"idstadium", "idumiej"}, false},
        {"rasycharakter",
         {"idrasa", "idcharakter", "procent"},
         "",
         {"idrasa", "idcharakter"},
         false},
        {"rasyklasy", {"idrasa", "idklasy"}, "", {"idrasa", "idklasy"}, false},
        {"zdolnosci", {"id", "typ", "nazwa", "od", "do", "opis"}, "id", {}, false},
        {"formuly",
         {"id",        "id_nad",    "typ_nad",  "typ1",       "znak1",    "typ2",
          "znak2",     "typ3",      "znak3",    "typ4",       "znak4",    "typ5",
          "odp1znak",  "odp1kxx",   "odp1wsp",  "odp1limit",  "odp2znak", "odp2kxx",
          "odp2wsp",   "odp2limit", "odp3znak", "odp3kxx",    "odp3wsp",  "odp3limit",
          "odp4znak",  "odp4kxx",   "odp4wsp",  "odp4limit",  "odp5znak", "odp5kxx",
          "odp5wsp",   "odp5limit", "odp6znak", "odp6kxx",    "odp6wsp",  "odp6limit",
          "odp7znak",  "odp7kxx",   "odp7wsp",  "odp7limit",  "odp8znak", "odp8kxx",
          "odp8wsp",   "odp8limit", "odp9znak", "odp9kxx",    "odp9wsp",  "odp9limit",
          "odp10znak", "odp10kxx",  "odp10wsp", "odp10limit", "amagznak", "amagkxx",
          "amagwsp",   "amaglimit", "zywznak",  "zywkxx",     "zywwsp",   "zywlimit",
          "sfznak",    "sfkxx",     "sfwsp",    "sflimit",    "zrznak",   "zrkxx",
          "zrwsp",     "zrlimit",   "szznak",   "szkxx",      "szwsp",    "szlimit",
          "intznak",   "intkxx",    "intwsp",   "intlimit",   "mdznak",   "mdkxx",
          "mdwsp",     "mdlimit",   "umznak",   "umkxx",      "umwsp",    "umlimit",
          "chznak",    "chkxx",     "chwsp",    "chlimit",    "prznak",   "prkxx",
          "prwsp",     "prlimit",   "wiznak",   "wikxx",      "wiwsp",    "wilimit",
          "zwznak",    "zwkxx",     "zwwsp",    "zwlimit",    "opznak",   "opkxx",
          "wagznak",   "wagkxx",    "wzrznak",  "wzrkxx",     "bglznak",  "bglkxx"},
         "id",
         {"id_nad"},
         false},
        {"formulybrone", {"idgrupybroni", "idformuly"}, "", {"idgrupybroni", "idformuly"}, false},
        {"rasyzdolnosci", {"idrasa", "idzdolnosci"}, "", {"idrasa", "idzdolnosci"}, false},
        {"grupybroni", {"id", "nazwa"}, "id", {}, false},
        {"bronie",
         {"id",
          "nazwa",
          "idgrupy",
          "typl",
          "skt_kluta_bliska",
          "skt_kluta_daleka",
          "skut_tnaca_bliska",
          "skut_tnaca_daleka",
          "skut_obuch_bliska",
          "skut_obuch_daleka",
          "obrona",
          "obrona_x_2",
          "obrona_tarczy",
          "obrona_zbroi",
          "ataki_na_r",
          "traf_niweluje_atak",
          "wytrzymalosc",
          "wsp_uszkodzen",
          "opoznienie",
          "atak_przygotowany",
          "traf_bonus",
          "traf_kryt_x_2",
          "max_ogr_zr",
          "max_ogr_sz",
          "min_wzrost",
          "min_sf",
          "waga",
          "czas_prod",
          "zasieg",
          "przeznaczenie",
          "tr110_obezwl",
          "tr110_ew_obezwl",
          "tr110_ew_oglusza",
          "tr_ew_obezwlad",
          "tr_12atobtrum",
          "wtorna",
          "drozna",
          "odpryskowa",
          "szarza",
          "powstrzymanie",
          "obiekt",
          "tekstura",
          "size",
          "offset"},
         "id",
         {},
         true},
        {"umiejetnosci",
         {"id",
          "nazwa",
          "grupa",
          "funkcja",
          flag("deklaracja"),
          flag("inneakcje"),
          "opis",
          flag("okres"),
          flag("okresatak"),
          "okresbaza",
          "okresjednostka",
          "okresextra",
          "okresile",
          "okreswsp",
          "okrespelne",
          "okrespowyzej",
          flag("czas"),
          "czasbaza",
          "czasczas",
          "czasextra",
          "czasile",
          "czaswsp",
          "czaspelne",
          "czaspowyzej",
          flag("zasieg"),
          flag("zasiegnasiebie"),
          flag("zasiegdotyk"),
          flag("zasiegbroni"),
          flag("zasiegwzrok"),
          "zasiegbaza",
          "zasiegodlegosc",
          "zasiegextra",
          "zasiegile",
          "zasiegwsp",
          "zasiegpelne",
          "zasiegpowyzej",
          "zasiegprombaza",
          "zasiegpromextra",
          "zasiegpromile",
          "zasiegpromwsp",
          "zasiegprompelne",
          "zasiegprompowyzej",
          flag("obszar"),
          "obszarbaza",
          "obszarobszar",
          "obszarextra",
          "obszarile",
          "obszarwsp",
          "obszarpelne",
          "obszarpowyzej",
          "obszarprombaza",
          "obszarpromextra",
          "obszarpromile",
          "obszarpromwsp",
          "obszarprompelne",
          "obszarprompowyzej",
          flag("celwybrane"),
          flag("celistoty"),
          flag("celprzedmioty"),
          flag("celsymbole"),
          flag("celznaki"),
          flag("cellimit"),
          "czelbaza",
          "celextra",
          "celile",
          "celwsp",
          "celpelne",
          "celpowyzej",
          "trwabaza",
          "trwaczas",
          "trwaextra",
          "trwaile",
          "trwawsp",
          "trwapelne",
          "trwapowyzej",
          flag("trwa"),
          flag("potencjal"),
          "potencjalbaza",
          "potencjalextra",
          "potencjalile",
          "potencjalwsp",
          "potencjalpelne",
          "potencjalpowyzej",
          flag("inneprzerwanie"),
          flag("innedobrprzerwanie"),
          flag("innewalkawagoni"),
          flag("innewalkawtrudnych"),
          flag("innewalkawtloku"),
          flag("inneszyk"),
          flag("zapozyczenie"),
          flag("obronaprzed"),
          flag("inneselektywny"),
          flag("polaczana"),
          flag("inneformszyk"),
          flag("potencjalcelu")},
         "id",
         {},
         true},
        {"szanse",
         {"id", "idumiejetnosc", "szansabaza", "szansaextra", "szansaile", "szansawsp",
          "szansapelne", "szansapowyzej", "szansaminus", "szansaprzeciwnik", "rzutid"},
         "id",
         {},
         true},
        {"rzutyobronne",
         {"id", "idumiejetnosc", "rzutbaza", "rzutextra", "rzutile", "rzutwsp", "rzutpelne",
          "rzutpowyzej", "rzutminus", "rzutprzeciwnik", "rzutid"},
         "id",
         {},
         true},
        {"skutkirzutow",
         {"id",
          "idumiejetnosc",
          "skutekbaza",
          "skutekextra",
          "skutekile",
          "skutekwsp",
          "skutekpelne",
          "skutekpowyzej",
          "skutekprzeciwnik",
          "skutekskutek",
          "skutekznak",
          "skutekwspprzeciwnik",
          "skutekid",
          "skutekudany",
          "skuteksmierc",
          "skutekogluszenie",
          "skutekobezwladnienie",
          "skutekwyczerpanie",
          "skutektrkr",
          "skutekucieczka",
          "skutekprzerazenie",
          "skutekpoprzedni",
          "skutekprzejecie"},
         "id",
         {},
         true},
        {"modyfikacje",
         {"id", "idumiejetnosc", "zmianabaza", "zmianaextra", "zmianaile", "zmianawsp",
          "zmianapelne", "zmianapowyzej", "zmianaprzeciwnik", "zmianazmiana", "zmianaznak",
          "zmianawspprzeciwnik"},
         "id",
         {},
         true},
        {"umiejumiej", {"idumiejjeden", "idumiejdwa"}, "", {"idumiejjeden", "idumiejdwa"}, false},
        {"zbroja", {"id", "nazwa"}, "id", {}, true},
        {"zbrojaelem", {"idzbroi", "idelemzbr"}, "", {"idzbroi", "idelemzbr"}, false},
        {"elementzbroi",
         {"id", "nazwa", "ogrzr", "ogrsz", "obrona", "wypkl", "wyptn", "wypob", "waga", "czasprod",
          "warstwa", "zwogrzr", "zwogrsz", "wspwypiob", "wytrzymalosc", "bonus", "metal",
          "wspzioniec"},
         "id",
         {},
         true},
        {"elemzrbrasy", {"idelemzbr", "idstadium"}, "", {"idelemzbr", "idstadium"}, false},
        {"elemzrcialo", {"idelemzbr", "idcialo"}, "", {"idelemzbr", "idcialo"}, false},
        {"tarcza",
         {"id",          "nazwa",     "ogrzr",     "ogrsz",    "obrona",     "bonus",
          "metal",       "waga",      "wytrzym",   "czasprod", "mogauzywac", "wbicieziemia",
          "mocowzbroia", "mocowreka", "szpikulce", "skutkl",   "ostrekraw",  "skuttn",
          "skutob",      "obiekt",    "tekstura",  "skala",    "offset"},
         "id",
         {},
         true},
        {"zawod",
         {"id",          "nazwa",      "od",           "do",          "klasa",
          "czas",        "czasstarz",  "opis",         "podstpdkxx",  "podstpd",
          "podstmajkxx", "podstmaj",   "starzpdkxx",   "starzpd",     "starzmajkxx",
          "starzmaj",    "specjpdkxx", "specjpd",      "specjmajkxx", "specjmaj",
          "mistrzpdkxx", "mistrzpd",   "mistrzmajkxx", "mistrzmaj",   "innaklasa"},
         "id",
         {},
         true},
        {"zawodumiej", {"idzawod", "idumiej", "typ"}, "", {"idzawod", "idumiej"}, false},
        {"zawodrasa", {"idzawod", "idrasa"}, "", {"idzawod", "idrasa"}, false},
        {"charaktery", {"id", "prawo", "prawo_ew", "moralnosc", "moralnosc_ew"}, "", {"id"}, false},
        {"miejscurodz", {"id", "nazwa", "rzutod", "rzutdo"}, "", {"id"}, false},
        {"ekwipunek", {"id", "nazwa", "waga"}, "", {"id"}, false},
    };
    return tables;
}

const std::vector<IndexDef>& rulesIndexes() {
    static const std::vector<IndexDef> indexes = {
        {"id_prof1", "profprof", {"id"}},
        {"id_prof2", "profprof", {"idpfor"}},
        {"id_rasa1", "profrasa", {"id"}},
        {"id_rasa2", "profrasa", {"idrasa"}},
        {"id_umiej1", "profumiej", {"id"}},
        {"id_umiej2", "profumiej", {"idumiej"}},
        {"id_tytul", "tytuly", {"id", "idtytul"}},
        {"id_profwymagania", "profwymagania", {"id", "idwymagania"}},
        {"id_profcharakter", "profcharakter", {"idcharakter"}},
        {"id_profklasy1", "profklasy", {"id"}},
        {"id_profklasy2", "profklasy", {"idklasy"}},
        {"id_wymaganiagrupybroni1", "wymaganiagrupybroni", {"idwymagania", "idgrupy"}},
        {"id_wymaganiagrupybroni2", "wymaganiagrupybroni", {"idgrupy", "idwymagania"}},
        {"id_rasybronie1", "rasybronie", {"idrasa"}},
        {"id_rasybronie2", "rasybronie", {"idgrupybroni"}},
        {"id_stadia1", "stadia", {"idrasa"}},
        {"id_stadiumbronie1", "stadiumbronie", {"idstadium"}},
        {"id_stadiumczesci1", "stadiumczesci", {"idstadium"}},
        {"id_stadiumczesci2", "stadiumczesci", {"id_nad"}},
        {"id_stadiumczesci3", "stadiumczesci", {"idstadium", "id_nad"}},
        {"id_stadiumumiej1", "stadiumumiej", {"idstadium"}},
        {"id_stadiumumiej2", "stadiumumiej", {"idumiej"}},
        {"id_rasycharakter", "rasycharakter", {"idcharakter"}},
        {"id_rasyklasy1", "rasyklasy", {"idrasa"}},
        {"id_rasyklasy2", "rasyklasy", {"idklasy"}},
        {"id_zdolnosc1", "zdolnosci", {"id"}},
        {"id_formuly2", "formuly", {"id_nad", "typ_nad"}},
        {"id_formulybrone1", "formulybrone", {"idgrupybroni"}},
        {"id_formulybrone2", "formulybrone", {"idformuly"}},
        {"id_rasyzdolnosci1", "rasyzdolnosci", {"idrasa"}},
        {"id_rasyzdolnosci2", "rasyzdolnosci", {"idzdolnosci"}},
        {"id_szanse1", "szanse", {"idumiejetnosc"}},
        {"id_rzutyobronne1", "rzutyobronne", {"idumiejetnosc"}},
        {"id_skutkirzutow1", "skutkirzutow", {"idumiejetnosc"}},
        {"id_modyfikacje1", "modyfikacje", {"idumiejetnosc"}},
        {"id_umiejumiej1", "umiejumiej", {"idumiejjeden"}},
        {"id_umiejumiej2", "umiejumiej", {"idumiejdwa"}},
        {"id_zbrojaelem1", "zbrojaelem", {"idzbroi"}},
        {"id_zbrojaelem2", "zbrojaelem", {"idelemzbr"}},
        {"id_elemzrbrasy1", "elemzrbrasy", {"idelemzbr"}},
        {"id_elemzrbrasy2", "elemzrbrasy", {"idstadium"}},
        {"id_elemzrcialo1", "elemzrcialo", {"idelemzbr"}},
        {"id_elemzrcialo2", "elemzrcialo", {"idcialo"}},
        {"id_zawodumiej1", "zawodumiej", {"idzawod"}},
        {"id_zawodumiej2", "zawodumiej", {"idumiej"}},
        {"id_zawodrasa1", "zawodrasa", {"idzawod"}},
        {"id_zawodrasa2", "zawodrasa", {"idrasa"}},
    };
    return indexes;
}

const std::vector<AlignmentSeed>& alignmentSeeds() {
    static const std::vector<AlignmentSeed> seeds = {
        {"090809003300186145251489319234", "chaotyczny", "", "dobry", ""},
        {"090809003300442009080763919294", "chaotyczny", "", "dobry", "ewidentny"},
        {"090809003300525055452233521741", "chaotyczny", "ewidentny", "dobry", ""},
        {"090809003300617042610213706324", "chaotyczny", "ewidentny", "dobry", "ewidentny"},
        {"090809003300812111962968124666", "chaotyczny", "", "neutralny", ""},
        {"090809003300821214513111229568", "chaotyczny", "", "neutralny", "ewidentny"},
        {"090809003300912265542444014908", "chaotyczny", "ewidentny", "neutralny", ""},
        {"090809003301094238280696911473", "chaotyczny", "ewidentny", "neutralny", "ewidentny"},
        {"090809003301255264072793510939", "chaotyczny", "", "zły", ""},
        {"090809003301267002330311123231", "chaotyczny", "", "zły", "ewidentny"},
        {"090809003301339300101458431552", "chaotyczny", "ewidentny", "zły", ""},
        {"090809003301531269003138824635", "chaotyczny", "ewidentny", "zły", "ewidentny"},
        {"090809003301621195172053724283", "neutralny", "", "dobry", ""},
        {"090809003301831309180701829098", "neutralny", "", "dobry", "ewidentny"},
        {"090809003302364009481582823695", "neutralny", "ewidentny", "dobry", ""},
        {"090809003302532023182517029161", "neutralny", "ewidentny", "dobry", "ewidentny"},
        {"090809003302673243392578915039", "neutralny", "", "neutralny", ""},
        {"090809003303324221210699529879", "neutralny", "", "neutralny", "ewidentny"},
        {"090809003303348162731479218637", "neutralny", "ewidentny", "neutralny", ""},
        {"090809003303558078252187213539", "neutralny", "ewidentny", "neutralny", "ewidentny"},
        {"090809003303627243751667204842", "neutralny", "", "zły", ""},
        {"090809003303633053350016811927", "neutralny", "", "zły", "ewidentny"},
        {"090809003303656202351877931310", "neutralny", "ewidentny", "zły", ""},
        {"090809003303907001471250800775", "neutralny", "ewidentny", "zły", "ewidentny"},
        {"090809003304445109060640912796", "praworządny", "", "dobry", ""},
        {"090809003304486094370410106577", "praworządny", "", "dobry", "ewidentny"},
        {"090809003304581123912443903376", "praworządny", "ewidentny", "dobry", ""},
        {"090809003304645203062545608156", "praworządny", "ewidentny", "dobry", "ewidentny"},
        {"090809003304824129941171829477", "praworządny", "", "neutralny", ""},
        {"090809003304841243252095200410", "praworządny", "", "neutralny", "ewidentny"},
        {"090809003304855142452332421472", "praworządny", "ewidentny", "neutralny", ""},
        {"090809003304959150191569600883", "praworządny", "ewidentny", "neutralny", "ewidentny"},
        {"090809003304996097922477026576", "praworządny", "", "zły", ""},
        {"090809003305188169852987110655", "praworządny", "", "zły", "ewidentny"},
        {"090809003305363203680473409748", "praworządny", "ewidentny", "zły", ""},
        {"090809003305595251681512809718", "praworządny", "ewidentny", "zły", "ewidentny"},
    };
    return seeds;
}

const std::vector<TableDef>& characterTables() {
    static const std::vector<TableDef> tables = {
        {"istoty", {"id", "imie", "rasa", "prof", "gracz"}, "id", {}, false},
        {"pozycje",
         {"id",
          "id_n",
          "id_ist",
          {"lp", "INTEGER"},
          "info",
          "specjal",
          {"typ", "INTEGER"},
          {"wartosc", "INTEGER"},
          {"modyfikator", "REAL"},
          "memo"},
         "id",
         {},
         false},
    };
    return tables;
}

const std::vector<IndexDef>& characterIndexes() {
    static const std::vector<IndexDef> indexes = {
        {"id_nad", "pozycje", {"id_n"}},
        {"id_nadlp", "pozycje", {"id_n", "lp"}},
        {"id_istota", "pozycje", {"id_ist"}},
    };
    return indexes;
}

const TableDef* findTable(std::string_view name) {
    for (const auto* list : {&rulesTables(), &characterTables()})
        for (const TableDef& table : *list)
            if (table.name == name)
                return &table;
    return nullptr;
}

std::string createTableSql(const TableDef& table) {
    std::string sql = "CREATE TABLE IF NOT EXISTS " + std::string(table.name) + " (";
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const ColumnDef& column = table.columns[i];
        if (i > 0)
            sql += ", ";
        sql += std::string(column.name) + " " + std::string(column.type);
        if (column.name == table.primaryKey)
            sql += " NOT NULL PRIMARY KEY UNIQUE";
        else if (std::find(table.notNull.begin(), table.notNull.end(), column.name) !=
                 table.notNull.end())
            sql += " NOT NULL";
    }
    return sql + ");";
}

std::string createIndexSql(const IndexDef& index) {
    std::string sql = "CREATE INDEX IF NOT EXISTS " + std::string(index.name) + " ON " +
                      std::string(index.table) + " (";
    for (std::size_t i = 0; i < index.columns.size(); ++i)
        sql += (i > 0 ? "," : "") + std::string(index.columns[i]);
    return sql + ");";
}

namespace {

// Fills an empty `charaktery` with the fixed alignments, all or none: a half-seeded table
// would never be completed, since seeding only happens while the table is empty. The
// emptiness is asked again inside the unit, where no other process can be seeding.
void seedAlignments(Database& rules, UserPort& port) {
    bool empty = false;
    const auto probe = [&] {
        empty = false;
        return rules.exec("SELECT '1' WHERE NOT EXISTS (SELECT 1 FROM charaktery);",
                          [&](const Row& row) { empty = row.text(0).starts_with('1'); });
    };
    if (!probe() || !empty)
        return;
    const Status seeded = inTransaction(rules, [&]() -> Status {
        if (Status s = probe(); !s || !empty)
            return s;
        for (const AlignmentSeed& s : alignmentSeeds()) {
            Status inserted = rules.exec("INSERT INTO charaktery VALUES(?,?,?,?,?);",
                                         {s.id, s.prawo, s.prawoEw, s.moralnosc, s.moralnoscEw});
            if (!inserted)
                return inserted;
        }
        return {};
    });
    if (!seeded)
        port.showError(seeded.message(), "");
}

// What sqlite_master calls a kind of object, as a noun in the instrumental case.
std::string objectKind(const std::string& type) {
    if (type == "view")
        return "widokiem";
    if (type == "index")
        return "indeksem";
    if (type == "trigger")
        return "wyzwalaczem";
    return "obiektem typu " + type;
}

// Checks that the tables and indexes exist as described. `creationErrors` holds, by
// object name, why its CREATE statement failed.
Status verifySchema(Database& db, const std::vector<TableDef>& tables,
                    const std::vector<IndexDef>& indexes,
                    const std::map<std::string_view, std::string>& creationErrors) {
    const std::string file = std::filesystem::path(db.path()).filename().string();
    const auto mismatch = [&](const std::string& what) {
        return Status::error("Baza danych " + file + " nie ma wymaganego układu: " + what + ".");
    };
    const auto why = [&](std::string_view name) {
        const auto found = creationErrors.find(name);
        return found == creationErrors.end() ? std::string() : " (" + found->second + ")";
    };
    std::map<std::string, std::string> objects; // name → type
    if (Status s = db.exec("SELECT name,type FROM sqlite_master;",
                           [&](const Row& row) { objects[row.text(0)] = row.text(1); });
        !s)
        return mismatch("nie można odczytać jej schematu (" + s.message() + ")");
    for (const TableDef& table : tables) {
        const std::string name(table.name);
        const auto found = objects.find(name);
        if (found == objects.end())
            return mismatch("brak tabeli „" + name + "”" + why(table.name));
        if (found->second != "table")
            return mismatch("„" + name + "” jest " + objectKind(found->second) +
                            ", a powinno być tabelą");
        std::set<std::string> columns;
        if (Status s = db.exec("SELECT name FROM pragma_table_info(?);", {name},
                               [&](const Row& row) { columns.insert(row.text(0)); });
            !s)
            return mismatch("nie można odczytać kolumn tabeli „" + name + "” (" + s.message() +
                            ")");
        for (const ColumnDef& column : table.columns)
            if (!columns.count(std::string(column.name)))
                return mismatch("tabela „" + name + "” nie ma kolumny „" +
                                std::string(column.name) + "”");
    }
    for (const IndexDef& index : indexes) {
        const std::string name(index.name);
        const std::string ofTable = " tabeli „" + std::string(index.table) + "”";
        const auto found = objects.find(name);
        if (found == objects.end())
            return mismatch("brak indeksu „" + name + "”" + ofTable + why(index.name));
        if (found->second != "index")
            return mismatch("„" + name + "” jest " + objectKind(found->second) +
                            ", a powinno być indeksem" + ofTable);
    }
    return {};
}

} // namespace

Status ensureRulesSchema(Database& rules, UserPort& port) {
    const auto& indexes = rulesIndexes();
    std::map<std::string_view, std::string> creationErrors;
    const auto create = [&](std::string_view name, const Status& status) {
        if (!status)
            creationErrors.emplace(name, status.message());
    };
    for (const TableDef& table : rulesTables()) {
        const std::string sql = createTableSql(table);
        if (table.creationFailureShown) {
            Status status = rules.tryExec(sql);
            if (!status)
                port.showError(status.message(), "");
            create(table.name, status);
        } else {
            create(table.name, rules.exec(sql));
        }
        for (const IndexDef& index : indexes)
            if (index.table == table.name)
                create(index.name, rules.exec(createIndexSql(index)));
        if (table.name == "charaktery" && !creationErrors.count(table.name))
            seedAlignments(rules, port);
    }
    return verifySchema(rules, rulesTables(), indexes, creationErrors);
}

Status ensureCharacterSchema(Database& characters) {
    std::map<std::string_view, std::string> creationErrors;
    for (const TableDef& table : characterTables()) {
        if (Status s = characters.exec(createTableSql(table)); !s)
            creationErrors.emplace(table.name, s.message());
        for (const IndexDef& index : characterIndexes())
            if (index.table == table.name)
                if (Status s = characters.exec(createIndexSql(index)); !s)
                    creationErrors.emplace(index.name, s.message());
    }
    return verifySchema(characters, characterTables(), characterIndexes(), creationErrors);
}

} // namespace tallar
