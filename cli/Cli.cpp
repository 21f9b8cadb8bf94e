#include "cli/Cli.h"

#include "base/NonInteractiveUserPort.h"
#include "cli/Commands.h"
#include "model/Trace.h"
#include "store/Workspace.h"

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
         "Nic nie wypisuje. Brak bohatera, błąd zapisu albo pozycje leżące głębiej niż\n"
         "1000 poziomów pod bohaterem (takiego pliku nie da się wczytać): komunikat i kod 1.",
         runExport},
        {"import", "PLIK",
         "Wczytuje bohaterów z pliku xml PLIK do rtistoty.db; bohater lub pozycja o tym\n"
         "samym identyfikatorze zostaje zastąpiona. Wypisuje identyfikatory wczytanych\n"
         "bohaterów, po jednym w wierszu. Plik błędny lub urwany, także z pozycjami\n"
         "leżącymi głębiej niż 1000 poziomów pod bohaterem, nie zmienia niczego:\n"
         "komunikat z miejscem błędu (wiersz, znak) i kod 1.",
         runImport},
        {"rules list", "TABELA | --view LISTA",
         "Wypisuje wiersze tabeli reguł jako tekst rozdzielany tabulatorami: najpierw wiersz\n"
         "nazw kolumn, potem po jednym wierszu na rekord, w kolejności zapisu. Tabulator,\n"
         "koniec wiersza, powrót karetki i ukośnik wsteczny w wartości zapisuje jako \\t,\n"
         "\\n, \\r i \\\\; NULL jako pusty tekst.\n"
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
         "      [--alignment CHARAKTER] [--class-roll K100] [--birth-roll K100] | --blank\n"
         "      [--player GRACZ] [--name IMIĘ]",
         "Tworzy bohatera kreatorem bez okien i zapisuje go w rtistoty.db (jednym zapisem\n"
         "na końcu); wypisuje jego identyfikator (30 cyfr) w jednym wierszu. Rzuty są\n"
         "automatyczne; z --seed N pochodzą z generatora zasianego liczbą N, więc ten sam\n"
         "N na tych samych regułach daje tego samego bohatera. Z --ask każdy rzut jest\n"
         "pytany: pytanie idzie na stderr, odpowiedzią jest jeden wiersz stdin (wynik\n"
         "kości, jak w oknie wpisywania rzutu; K5 wpisuje się jako K10 itd.; błędny wynik\n"
         "jest pytany ponownie); także rzuty k100 klasy społecznej i miejsca urodzenia,\n"
         "gdy nie podano ich opcją. Koniec wejścia przerywa: nic nie jest zapisane, kod 1.\n"
         "Wybory: --stage (stadium rasy) i --alignment (charakter) przez identyfikator\n"
         "albo tekst z listy kreatora (np. \"Człowiek [Dorosły]\", \"prawo-dobry\");\n"
         "--class-roll i --birth-roll to rzuty k100 (liczby). Wybór niepodany jest\n"
         "losowany spośród dostępnych; bez --player graczem jest \"BN\", bez --name imię\n"
         "jest losowane z listy imion programu. Wybór niedostępny (także rzut, któremu\n"
         "nie odpowiada żadna klasa społeczna albo miejsce urodzenia): komunikat z listą\n"
         "dostępnych na stderr, nic nie jest zapisane, kod 2. Tak samo --player i --name\n"
         "ze znakiem, którego nie ma w Windows-1250: odmowa przed pierwszym rzutem.\n"
         "--count K tworzy K bohaterów (identyfikator każdego w osobnym wierszu; postęp\n"
         "na stderr, gdy jest terminalem).\n"
         "Z --blank tworzy bohatera z samym szkieletem pozycji (41 pozycji głównych i 12\n"
         "zagnieżdżonych).",
         runNewCharacter},
        {"show", "ID",
         "Wczytuje bohatera, przelicza go i wypisuje drzewo jego pozycji: jeden wiersz\n"
         "na pozycję (bez korzenia) w kolejności drzewa, z dwiema spacjami wcięcia na\n"
         "każdy poziom poniżej pozycji głównych; wiersz to etykieta pozycji, np.\n"
         "„Zręczność aktualna: 12”. Data kalendarza gry ma postać „DD.MM.RRRR r.”.\n"
         "Nieznany identyfikator: komunikat na stderr i kod 1.",
         runShowCharacter},
        {"list", "",
         "Wypisuje zapisanych bohaterów, po jednym w wierszu: identyfikator, gracz,\n"
         "rasa, profesje i imię, rozdzielone tabulatorami, rosnąco według gracza, rasy,\n"
         "profesji i imienia.",
         runListCharacters},
        {"delete", "ID",
         "Usuwa bohatera (wiersz istoty i wszystkie jego pozycje) w jednej transakcji.\n"
         "Nic nie wypisuje. Nieznany identyfikator: komunikat na stderr i kod 1.",
         runDeleteCharacter},
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
           "2 błędne wywołanie.\n";
}

std::unique_ptr<Workspace> Context::openWorkspace() {
    NonInteractiveUserPort port(&err);
    std::string error;
    auto workspace = Workspace::open(directory, port, error, &err);
    if (!workspace)
        err << Workspace::openFailureLine(error) << std::flush;
    return workspace;
}

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err, std::istream& in) {
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

} // namespace tallar::cli
