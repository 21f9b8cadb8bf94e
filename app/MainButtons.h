#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace tallar {
class Workspace;
}

namespace tallar::app {

// One button of the main window: its command id, its text, and what its tooltip says it
// opens; top to bottom.
struct MainButton {
    int id;
    const char* text;
    const char* tooltip;
};

inline constexpr std::array<MainButton, 18> kMainButtons = {{
    {1005, "Edycja bohatera",
     "Lista bohaterów: nowy bohater kreatorem („Dodaj”), podgląd i druk („Edycja”), usuwanie, "
     "import z pliku (prawy przycisk myszy na liście)."},
    {1006, "Edycja ras",
     "Rasy z ich stadiami życia, profesjami, grupami broni, charakterami i klasami "
     "społecznymi."},
    {1021, "Edycja części ciała", "Części ciała istot: żywotność, wyparowania i obrona."},
    {1007, "Edycja profesji",
     "Profesje z tytułami, premiami, umiejętnościami i wymaganiami na poziomach."},
    {1019, "Edycja wymagań do awansu na poz.", "Wymagania do awansu na kolejny poziom profesji."},
    {1023, "Edycja klas społecznych",
     "Klasy społeczne: zakres rzutu k100, majątek, charyzma i klasa zawodów."},
    {1024, "Edycja miejsca urodzenia", "Miejsca urodzenia i ich zakresy rzutu k100."},
    {1009, "Edycja ułomności", "Ułomności: zakres rzutu, opis, rasy i formuły."},
    {1008, "Edycja zdolności nadnaturalnych",
     "Zdolności nadnaturalne: zakres rzutu, opis, rasy i formuły."},
    {1010, "Edycja zawodów", "Zawody: zakres rzutu, stopnie, rasy, umiejętności i formuły."},
    {1017, "Edycja umiejętności",
     "Umiejętności z szansami, rzutami obronnymi, skutkami i zmianami współczynników."},
    {1018, "Edycja grup broni", "Grupy broni, w których bohaterowie mają biegłości."},
    {1011, "Edycja broni", "Bronie i ich właściwości w walce."},
    {1020, "Edycja składników zbroi",
     "Składniki zbroi: obrona, wyparowania i osłaniane części ciała."},
    {1012, "Edycja zbroi", "Zbroje złożone ze składników."},
    {1022, "Edycja tarcz", "Tarcze i ich właściwości."},
    {1761, "Edycja ekwipunku", "Ekwipunek: nazwa i waga."},
    {1025, "Info", "Wersja programu, katalog roboczy i podręcznik użytkownika."},
}};

// The texts with a keyboard mnemonic each ("Edycja &ras"): the first letter of a word
// after the first, else another letter of the text, that no earlier text took. Polish
// letters are left out, since Alt with them is awkward to type.
std::vector<std::string> withMnemonics(const std::vector<std::string>& texts);

// Opens, modally over `parent`, the window a button stands for.
using WindowOpener = std::function<void(QWidget* parent, Workspace& workspace)>;

// The opener of a button, or an empty function while its window does not exist yet (the
// button is then disabled).
WindowOpener openerFor(int buttonId);

} // namespace tallar::app
