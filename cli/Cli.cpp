#include "cli/Cli.h"

#include "base/NonInteractiveUserPort.h"
#include "cli/Commands.h"
#include "model/Trace.h"
#include "store/db/Workspace.h"

#include <iostream>

namespace tallar::cli {

const std::vector<Command>& commands() {
    static const std::vector<Command> list = {
        {"init", "[--sample-rules]",
         "Otwiera lub zakłada bazy rtistoty.db i tallar.db w katalogu roboczym (brakujący\n"
         "katalog zakłada) i tworzy brakujące tabele, tak jak program okienkowy przy\n"
         "starcie. Nic nie wypisuje.\n"
         "Z --sample-rules wczytuje też do tallar.db przykładowe reguły (rasy, profesje,\n"
         "zawody, bronie, zbroje...), wszystkie albo nic; gdy baza reguł zawiera już\n"
         "jakąś rasę, nic nie wczytuje, wypisuje powód na standardowe wyjście błędów\n"
         "i kończy się kodem 1.",
         runInit},
        {"export", "ID PLIK",
         "Zapisuje bohatera o identyfikatorze ID z rtistoty.db do pliku xml PLIK (nadpisuje\n"
         "go; plik powstaje pod nazwą tymczasową i zastępuje stary dopiero w całości).\n"
         "Nic nie wypisuje. Brak bohatera, błąd zapisu, pozycje leżące głębiej niż 1000\n"
         "poziomów pod bohaterem albo plik większy niż 32 MB (takiego pliku import nie\n"
         "wczyta): komunikat i kod 1.",
         runExport},
        {"import", "PLIK",
         "Wczytuje bohaterów z pliku xml PLIK do rtistoty.db; bohater lub pozycja o tym\n"
         "samym identyfikatorze zostaje zastąpiona. Wypisuje identyfikatory wczytanych\n"
         "bohaterów, po jednym w wierszu. Plik błędny lub urwany, także z pozycjami\n"
         "leżącymi głębiej niż 1000 poziomów pod bohaterem, nie zmienia niczego:\n"
         "komunikat z miejscem błędu (wiersz, znak) i kod 1. Tak samo plik zapisany\n"
         "w UTF-8 zamiast Windows-1250 (poznany po polskich literach), plik, w którym\n"
         "pozycje bohatera nie tworzą jednego drzewa pod jego pozycją główną (cykl,\n"
         "pozycja nadrzędna sama dla siebie lub nieobecna, brak pozycji głównej albo\n"
         "rekordu istoty, lp/typ/wartosc niebędące liczbą całkowitą, modyfikator niebędący\n"
         "skończoną liczbą), i plik, którego pozycja ma identyfikator innego zapisanego\n"
         "bohatera lub jego pozycji (komunikat podaje identyfikator i obu bohaterów).",
         runImport},
        {"rules list", "TABELA | --view LISTA",
         "Wypisuje wiersze tabeli reguł jako tekst rozdzielany tabulatorami: najpierw wiersz\n"
         "nazw kolumn, potem po jednym wierszu na rekord, w kolejności zapisu. Tabulator,\n"
         "koniec wiersza, powrót karetki i ukośnik wsteczny w wartości zapisuje jako \\t,\n"
         "\\n, \\r i \\\\, inne znaki sterujące (kody 0-31 i 127-159) jako \\x i dwie cyfry\n"
         "szesnastkowe kodu (ESC jako \\x1B); NULL jako pusty tekst.\n"
         "Z --view wypisuje to, co pokazuje lista otwierana przyciskiem okna głównego, tym\n"
         "samym zapytaniem: wiersz nagłówków kolumn (bez spacji, które je poszerzają),\n"
         "potem wiersze od góry do dołu; identyfikator jest ostatnią kolumną. LISTA to\n"
         "nazwa tabeli jej wierszy (rasy, czescicialadef, profesje, wymagania,\n"
         "klasyspoleczne, miejscurodz, zawod, umiejetnosci, grupybroni, bronie,\n"
         "elementzbroi, zbroja, tarcza, ekwipunek), a dla ułomności i zdolności\n"
         "nadnaturalnych: ulomnosci i zdolnosci. Pusta lista nie wypisuje nic (nagłówki\n"
         "biorą się z wierszy wyniku, jak w oknie).",
         runRulesList},
        {"rules delete", "TABELA ID",
         "Usuwa wiersz tabeli reguł tak jak przycisk „Usuń” jej listy: razem z wierszami,\n"
         "które od niego zależą, w jednej transakcji (albo wszystko, albo nic). Nic nie\n"
         "wypisuje. Błąd (1), gdy wiersza nie ma albo tabela nie ma procedury usuwania.",
         runRulesDelete},
        {"dice", "WYRAŻENIE [--mode roll|max|min|zero] [--seed N] [--count N]",
         "Oblicza wyrażenie kości (np. \"2K10+3\", \"K100_\", \"MAX(2K10)\") bez bohatera:\n"
         "nazwy cech (\"CH\", \"WIEK\" itd.) dają 0. Tryb: roll rzuca (domyślnie), max i min\n"
         "dają największy i najmniejszy możliwy wynik, zero liczy kości jako 0. Wypisuje\n"
         "tyle wyników, ile podaje --count (domyślnie 1, najwyżej 1000000), każdy w osobnym\n"
         "wierszu: liczbę całkowitą, gdy wynik jest całkowity, inaczej liczbę z co najwyżej\n"
         "dwoma miejscami po kropce. Z --seed N rzuty pochodzą z generatora zasianego\n"
         "liczbą N (powtarzalne), bez niego z zegara. Liczby mogą mieć część dziesiętną\n"
         "po kropce (\"0.75\"). Niepoprawne wyrażenie nie jest błędem: składnik bez cyfr\n"
         "daje 0. Kości jest w składniku najwyżej 1000, a ścian kości najwyżej 10000:\n"
         "wyrażenie z większymi nie jest obliczane (komunikat na stderr, kod 1).",
         runDice},
        {"rules check", "",
         "Sprawdza bazę reguł i wypisuje po jednej linii na każdy znaleziony problem:\n"
         "  TABELA ID: KOLUMNA „WARTOŚĆ” nie wskazuje wiersza tabeli CEL\n"
         "      (tabela łącząca jest nazwana wszystkimi kolumnami wiersza w nawiasie;\n"
         "      wymagana kolumna pusta: „... KOLUMNA jest puste”)\n"
         "  zawod ID: innaklasa „KLASA” nie jest klasą żadnego zawodu\n"
         "  CO: rzuty 41-45, 100 nie trafiają w żaden zakres\n"
         "      (klasy społeczne, także każdej rasy grywalnej, miejsca urodzenia,\n"
         "      ułomności i zdolności każdej rasy, zawody każdej klasy; liczby 1-100)\n"
         "  TABELA ID: KOLUMNA „TEKST” nie jest poprawnym wyrażeniem kostek (POWÓD)\n"
         "  stadia rasy ID: ID1 i ID2 zaczynają się w tym samym wieku WIEK\n"
         "  CO: nie można sprawdzić: KOMUNIKAT (brak tabeli lub kolumny; na standardowe\n"
         "      wyjście błędów idzie wtedy też linia „SQL error: ...”)\n"
         "Kod wyjścia 1, gdy jest choć jeden problem; bez problemów nic nie wypisuje.",
         runRulesCheck},
        {"new",
         "[--seed N] [--ask] [--count K] [--player GRACZ] [--name IMIĘ] [--stage RASA]\n"
         "      [--alignment CHARAKTER] [--class-roll K100] [--birth-roll K100]\n"
         "      [--profession PROFESJA[:POZIOM]]... [--trade-roll K100]...\n"
         "      [--training NAZWA|none] [--borrowed NAZWA]... [--weapon-group GRUPA]...\n"
         "      [--weapon BROŃ]... [--armour NAZWA|none] [--shield NAZWA|none]\n"
         "      [--item NAZWA[:ILOŚĆ]]... [--place RZECZ=MIEJSCE]... | --blank [--player GRACZ]\n"
         "      [--name IMIĘ]",
         "Tworzy bohatera kreatorem bez okien i zapisuje go w rtistoty.db (jednym zapisem na\n"
         "końcu); wypisuje jego identyfikator (30 cyfr) w jednym wierszu. Rzuty są\n"
         "automatyczne; z --seed N pochodzą z generatora zasianego liczbą N (same cyfry, od\n"
         "0 do 4294967295), więc ten sam N na tych samych regułach daje tego samego\n"
         "bohatera. Z --ask każdy rzut jest pytany: pytanie idzie na stderr, odpowiedzią\n"
         "jest jeden wiersz stdin (wynik kości, jak w oknie wpisywania rzutu; K5 wpisuje się\n"
         "jako K10 itd.; błędny wynik jest pytany ponownie); także rzuty k100 klasy\n"
         "społecznej i miejsca urodzenia, gdy nie podano ich opcją. Odpowiedź \"a\" zostawia\n"
         "programowi ten i każdy dalszy rzut tego bohatera (jak \"Rzucaj dalej\n"
         "automatycznie\" w oknie rzutu): o nic więcej nie pyta, a bohater jest dokończony\n"
         "i zapisany; z --count następny bohater znów pyta. Koniec wejścia przerywa:\n"
         "nic nie jest zapisane, kod 1. Wybory: --stage (stadium rasy) i --alignment\n"
         "(charakter) przez identyfikator albo tekst z listy kreatora (np. \"Człowiek\n"
         "[Dorosły]\", \"prawo-dobry\"); --class-roll i --birth-roll to rzuty k100 (liczby).\n"
         "Wybór niepodany jest losowany spośród dostępnych; bez --player graczem jest \"BN\",\n"
         "bez --name imię jest losowane z listy imion programu. Wybór niedostępny (także\n"
         "rzut, podany, wylosowany albo wpisany, któremu nie odpowiada żadna klasa społeczna\n"
         "albo miejsce urodzenia): komunikat z listą dostępnych na stderr, nic nie jest\n"
         "zapisane, kod 2. Tak samo --player i --name ze znakiem, którego nie ma w\n"
         "Windows-1250: odmowa przed pierwszym rzutem.\n"
         "Profesje: --profession (najwyżej trzy razy, w kolejności strony profesji) przez\n"
         "identyfikator, nazwę albo tekst z listy (np. \"Mag [limit: 6 poz]\"); POZIOM, po\n"
         "ostatnim dwukropku, to tekst pola poziomu zaczynający się cyfrą (od 0 do 999, nie\n"
         "ponad limit profesji). Trzecią profesję otwiera poziom drugiej ze znacznikiem\n"
         "specjalizacji po liczbie (np. Mag:5spec), który znosi też limity. Profesja,\n"
         "której strona nie proponuje (np. nie łączy się z wcześniejszymi), albo poziom\n"
         "ponad limit: komunikat z listą dostępnych, kod 2. Bez --profession losowana jest\n"
         "jedna profesja, a co drugi raz (losowo) także druga, która się z nią łączy;\n"
         "poziom niepodany jest losowany od 1 do 10, nie ponad limit.\n"
         "Z --ask pytane są też rzuty k100 ułomności i zdolności („Czy postać ma\n"
         "ułomność? K100”, „Ułomność K100” ...) i każdy nowy poziom doświadczenia: wiersz\n"
         "„Awans: PROFESJA, poziom N. Odporność bazowa P x, F y; odporności 1-10: ... K10\n"
         "poziomu do (P, F, 1-10) [Z]: ”. Odpowiedź P (odporność bazowa psychiczna), F\n"
         "(fizyczna) albo liczba od 1 do 10 (odporność nr 1-10) daje tam K10 tego poziomu,\n"
         "pusty wiersz przyjmuje propozycję Z (niższą odporność bazową, przy remisie\n"
         "psychiczną); inna odpowiedź jest pytana ponownie. --count K tworzy K bohaterów\n"
         "(identyfikator każdego w osobnym wierszu; postęp na stderr, gdy jest terminalem).\n"
         "Gdy identyfikatora zapisanego bohatera nie da się wypisać, jest on podany na\n"
         "stderr, dalsi bohaterowie nie powstają, kod 1. Z --blank tworzy bohatera z samym\n"
         "szkieletem pozycji (41 pozycji głównych i 12 zagnieżdżonych); łączy się tylko z\n"
         "--player i --name, inna opcja to kod 2.\n"
         "Zawody: --trade-roll K100 (można powtarzać) podaje kolejne rzuty k100 na zawód\n"
         "(przed modyfikatorem klasy społecznej; także rzut powtórzony w klasie, do której\n"
         "odsyła zawód); gdy ich zabraknie, rzut jest pytany (--ask) albo losowany. Liczba\n"
         "spoza 1-100: kod 2. Umiejętności: --training wybiera szkolenie (nazwa umiejętności,\n"
         "tekst z listy albo identyfikator; none: żadne), --borrowed (można powtarzać)\n"
         "kolejne umiejętności wybierane za zapożyczone. Lista wyboru bez podanej opcji jest\n"
         "losowana (wybór dodatkowego zawodu, szkolenia, umiejętności zapożyczonej); z --ask\n"
         "idzie na stderr jako wiersz „TYTUŁ LISTY:” i wiersze „  N  TEKST” (N od 1),\n"
         "a odpowiedzią jest wiersz stdin z numerem N albo 0 (anuluj; błędny numer jest\n"
         "pytany ponownie). Z --ask pytanie tak/nie (np. „Zawód: NAZWA - czy dobrowolny\n"
         "starz ?”) kończy się „ [t/n]: ”, odpowiedzią jest t albo n. Wybór podany opcją,\n"
         "którego lista nie zawiera: komunikat z listą dostępnych, nic nie jest zapisane,\n"
         "kod 2.\n"
         "Biegłości w broniach: --weapon-group (powtarzalna) zaznacza grupę broni, --weapon\n"
         "(powtarzalna) broń, którą bohater nosi przy sobie (i jej grupę), obie przez\n"
         "identyfikator albo nazwę. Nowa grupa kosztuje jedną wolną biegłość (z profesji);\n"
         "grupa, w której bohater już jest biegły (rasowa, broń naturalna), nic. Bez\n"
         "--weapon-group losowane są najpierw grupy, których wymagają profesje, potem inne,\n"
         "dopóki są wolne biegłości; bez --weapon po jednej broni z każdej zaznaczonej\n"
         "grupy (taka, do której bohater ma dość wzrostu i siły, jeśli jest). Każda nowa\n"
         "grupa dostaje jeden rzut szkolenia K100 (z --ask wpisywany jak każdy rzut,\n"
         "pytanie „Biegłość: GRUPA K100”; z dodatkowym rzutem profesji pytane są dwa:\n"
         "„... K100 1 z 2” i „... K100 2 z 2”, liczy się lepszy), bez specjalizacji i\n"
         "oburęczności. Grupa albo broń, której strona broni by nie przyjęła (nieznana,\n"
         "albo nowa grupa bez wolnej biegłości), i wymaganie profesji, którego nie da się\n"
         "spełnić podanymi grupami: komunikat z listą dostępnych na stderr, kod 2.\n"
         "Wyposażenie: --armour i --shield wybierają zbroję i tarczę (nazwa albo\n"
         "identyfikator z listy kreatora; none: bez zbroi, bez tarczy); --item dodaje\n"
         "rzecz z listy ekwipunku (np. \"Plecak\", \"Pochodnia:3\"; powtarzalna; none: nic\n"
         "poza bronią, zbroją i tarczą); --place\n"
         "kładzie rzecz (broń, tarczę, zbroję) w miejscu z listy rozmieszczenia: kończynie\n"
         "(\"Prawa ręka\"), \"Prawa ręka (umocowanie)\", \"Umocowanie do zbroi\",\n"
         "\"Oparcie/wbicie w ziemię\" albo \"Ciało\" dla zbroi (np. --place\n"
         "\"Tarcza okrągła=Lewa ręka\"; broń dwuręczna: dwa razy, po jednej kończynie).\n"
         "Niepodane są losowane: zbroja spośród tych, które stadium może nosić, tarcza\n"
         "tylko dla istoty z co najmniej dwiema kończynami chwytnymi, dwie do czterech\n"
         "rzeczy ekwipunku; bez --place zbroja idzie na ciało, pierwsza broń do kończyny\n"
         "(dwuręczna do dwóch), tarcza do wolnej kończyny, a gdy jej brak, na umocowanie\n"
         "lub do ziemi. Z --place rozmieszczone jest tylko to, co podano (--place none:\n"
         "nic). Z --ask wybory niepodane opcjami są pytane po jednym wierszu stdin:\n"
         "zbroja i tarcza (nazwa, identyfikator albo \"brak\"; pusty wiersz: losowo),\n"
         "ekwipunek (NAZWA[:ILOŚĆ] rozdzielone \";\", \"brak\"; pusty: losowo), potem dla\n"
         "każdej rzeczy jej miejsca\n"
         "rozdzielone \";\" (pusty albo \"brak\": nigdzie; rzecz, dla której żadne miejsce\n"
         "nie jest wolne, nie jest pytana). Rzecz lub miejsce niedostępne:\n"
         "komunikat z listą dostępnych, kod 2. Po odpowiedzi \"a\" także te wybory są\n"
         "losowane.",
         runNewCharacter},
        {"show", "ID",
         "Wczytuje bohatera, przelicza go i wypisuje drzewo jego pozycji: jeden wiersz\n"
         "na pozycję (bez korzenia) w kolejności drzewa, z dwiema spacjami wcięcia na\n"
         "każdy poziom poniżej pozycji głównych; wiersz to etykieta pozycji, np.\n"
         "„Zręczność aktualna: 12”. Data kalendarza gry ma postać „15 Siewnika 1247 r.\n"
         "Ery Królestw” (dzień, miesiąc, rok i era; po przecinku pora dnia, gdy jest\n"
         "zapisana).\n"
         "Identyfikator, który nie jest bohaterem (żadnym wierszem istoty, także\n"
         "identyfikator pozycji): komunikat „Nie ma bohatera ...” na stderr i kod 1.",
         runShowCharacter},
        {"list", "",
         "Wypisuje zapisanych bohaterów, po jednym w wierszu: identyfikator, gracz,\n"
         "rasa, profesje i imię, rozdzielone tabulatorami, rosnąco według gracza, rasy,\n"
         "profesji i imienia. Tabulatory, końce wierszy, ukośniki wsteczne i inne znaki\n"
         "sterujące w wartościach są zapisane jak w „rules list”.",
         runListCharacters},
        {"delete", "ID",
         "Usuwa bohatera (wiersz istoty i wszystkie pozycje, których id_ist to ID)\n"
         "w jednej transakcji. Nic nie wypisuje. Identyfikator, który nie jest bohaterem\n"
         "(także identyfikator pozycji): komunikat „Nie ma bohatera ...” na stderr, kod 1,\n"
         "nic nie jest usunięte.",
         runDeleteCharacter},
        {"recalc", "ID",
         "Przelicza bohatera od nowa według reguł, jak przycisk „Przelicz” podglądu (stadium\n"
         "rasy, ułomności i zdolności, odporności, obciążenie i wszystkie sumy; rzuty, które\n"
         "trzeba wykonać od nowa, są automatyczne), i zapisuje go w rtistoty.db. Nic nie\n"
         "wypisuje. Identyfikator, który nie jest bohaterem: komunikat „Nie ma bohatera ...”\n"
         "na stderr i kod 1; błąd zapisu: komunikat i kod 1, zapisany bohater bez zmian.",
         runRecalc},
        {"stats", "ID PLIK",
         "Dopisuje na koniec pliku PLIK (tworzy go, gdy go nie ma) statystyki bohatera, jak\n"
         "przycisk „Zapisz statystyki” podglądu: blok wierszy w Windows-1250 zakończonych\n"
         "CR LF, pola rozdzielone „; ”. Wiersze: „NAZ. ” z imieniem, rasą, wiekiem, profesjami\n"
         "(„PozN.”) i charakterem; „ŻYW … SF … ZR …(aktualna) SZ …(aktualna)”; „INT … MD …\n"
         "UM … CH … PR … WI … ZW …”; „Odp.w%: ” z dziesięcioma odpornościami i „AM …%”;\n"
         "„BR. ” z nazwą każdej broni trzymanej (statystyki z „Walka/Bronie”) i jej „AT ”\n"
         "(ataki), „OPÓŹ. ” (opóźnienie), „TR ” (trafienie), „OB ” (obrona), „RANY ” i\n"
         "„RANY DAL. ” (rany kłute/tnące/obuchowe z bliska i z daleka), potem z samą nazwą\n"
         "każdej broni noszonej „przy sobie”, której nic nie trzyma; „ZBR.: ” z pancerzem\n"
         "(„skóra”, gdy bohater nie nosi zbroi), tarczami, „OGR. ” (ograniczenia\n"
         "zręczności/szybkości), „OB.BL/DAL ” (obrona bliska/daleka) i „WYP. ” (wyparowania\n"
         "kłute/tnące/obuchowe); „DATY: ” z datami kalendarza gry, gdy bohater je ma. Nazwa\n"
         "pliku zostaje taka, jak podana. Nic nie wypisuje. Brak bohatera lub błąd zapisu:\n"
         "komunikat i kod 1.",
         runStats},
        {"sheet", "ID PLIK.pdf|PLIK.png [--dpi N] [--page A4|Letter]",
         "Zapisuje dwustronicową kartę bohatera o identyfikatorze ID (wczytanego i\n"
         "przeliczonego jak w „show”) do pliku PDF albo do obrazów PNG, bez ekranu.\n"
         "Rodzaj pliku wynika z rozszerzenia. PDF ma dwie strony z tekstem jako tekstem\n"
         "i osadzonymi czcionkami; PNG to dwa pliki, PLIK-1.png i PLIK-2.png, białe\n"
         "strony w rozdzielczości --dpi N (od 50 do 600, domyślnie 150 punktów na cal).\n"
         "--page wybiera rozmiar strony (domyślnie A4); karta ma na obu ten sam układ.\n"
         "Wypisuje nazwy zapisanych plików, po jednej w wierszu; plik, który już był,\n"
         "zostaje zastąpiony dopiero w całości. Brak bohatera („Nie ma bohatera ...”)\n"
         "albo błąd zapisu: komunikat na stderr i kod 1.",
         runSheet},
    };
    return list;
}

void printUsage(std::ostream& out) {
    out << "Użycie: tallar2-cli [-C KATALOG] [--trace] POLECENIE [ARGUMENTY...]\n"
           "\n"
           "Tallar2 z wiersza poleceń: praca wsadowa na bazach bohaterów i reguł.\n"
           "\n"
           "Opcje:\n"
           "  -C KATALOG   pracuj w KATALOGU zamiast w bieżącym (tam leżą rtistoty.db\n"
           "               i tallar.db)\n"
           "  --trace      wypisuj na standardowe wyjście linie śladu pozycji bohatera\n"
           "  -h, --help   pokaż ten opis\n"
           "  --version    pokaż wersję\n"
           "\n"
           "Polecenia:\n";
    for (const Command& command : commands()) {
        out << "  " << command.name;
        if (!command.synopsis.empty())
            out << ' ' << command.synopsis;
        out << '\n';
        std::string_view text = command.description;
        while (!text.empty()) {
            const auto end = text.find('\n');
            out << "      " << text.substr(0, end) << '\n';
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        }
    }
    out << "\n"
           "Teksty wejścia i wyjścia są w UTF-8. Kody wyjścia: 0 powodzenie, 1 błąd,\n"
           "2 błędne wywołanie. Wynik, którego nie da się zapisać na standardowe wyjście\n"
           "(np. pełny dysk), jest błędem: komunikat na stderr i kod 1.\n"
           "Polecenie, które otwiera bazy, kończy się kodem 1 z komunikatem na stderr, gdy\n"
           "bazy nie da się otworzyć (\"Brak połączenia z bazą danych: ...\") albo jej tabele\n"
           "nie dają się utworzyć lub nie mają wymaganego układu (tabela, która jest\n"
           "widokiem, brak kolumny lub indeksu: \"Baza danych PLIK nie ma wymaganego\n"
           "układu: ...\"). Na bazę zajętą przez inny proces (np. drugie tallar2-cli)\n"
           "polecenie czeka do 5 sekund, zanim zgłosi \"database is locked\".\n";
}

std::unique_ptr<Workspace> Context::openWorkspace() {
    NonInteractiveUserPort port(&err);
    auto workspace = Workspace::open(directory, port, &err);
    if (!workspace) {
        err << workspace.message() << '\n' << std::flush;
        return nullptr;
    }
    return std::move(*workspace);
}

namespace {

int runCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err,
               std::istream& in) {
    Context context{.out = out, .err = err, .in = in};
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-C") {
            if (++i == args.size()) {
                err << "tallar2-cli: opcja -C wymaga katalogu\n";
                printUsage(err);
                return kUsage;
            }
            context.directory = args[i];
        } else if (arg == "--trace") {
            context.trace = true;
        } else if (arg == "-h" || arg == "--help") {
            printUsage(out);
            return kSuccess;
        } else if (arg == "--version") {
            out << "tallar2-cli " << TALLAR_VERSION << '\n';
            return kSuccess;
        } else {
            break;
        }
    }
    if (i == args.size()) {
        printUsage(err);
        return kUsage;
    }
    // A command's name may have several words ("rules check"); the longest match wins.
    const Command* found = nullptr;
    std::size_t foundWords = 0;
    for (const Command& command : commands()) {
        std::size_t words = 0;
        std::string_view rest = command.name;
        bool matches = true;
        while (matches && !rest.empty()) {
            const auto space = rest.find(' ');
            const std::string_view word = rest.substr(0, space);
            rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
            matches = i + words < args.size() && args[i + words] == word;
            ++words;
        }
        if (matches && words > foundWords)
            found = &command, foundWords = words;
    }
    if (found) {
        // Trace lines of the entries go to standard output only when asked for.
        TraceScope traceScope(context.trace ? &out : nullptr);
        return found->run(context, args.subspan(i + foundWords));
    }
    err << "tallar2-cli: nieznane polecenie „" << args[i] << "”\n";
    printUsage(err);
    return kUsage;
}

} // namespace

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err, std::istream& in) {
    const int code = runCommand(args, out, err, in);
    // Output that could not be written (a full disk, a closed pipe) is a failure: whoever
    // reads it would take a part for the whole.
    if (!out.flush()) {
        err << "tallar2-cli: nie można zapisać wyniku na standardowe wyjście\n" << std::flush;
        return code == kSuccess ? kFailure : code;
    }
    return code;
}

} // namespace tallar::cli
