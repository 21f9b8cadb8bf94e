#pragma once

#include <array>
#include <functional>

class QWidget;

namespace tallar {
class Workspace;
}

namespace tallar::app {

// One button of the main window: its command id and text, top to bottom.
struct MainButton {
    int id;
    const char* text;
};

inline constexpr std::array<MainButton, 18> kMainButtons = {{
    {1005, "Edycja bohatera"},
    {1006, "Edycja ras"},
    {1021, "Edycja części ciała"},
    {1007, "Edycja profesji"},
    {1019, "Edycja wymagań do awansu na poz."},
    {1023, "Edycja klas społecznych"},
    {1024, "Edycja miejsca urodzenia"},
    {1009, "Edycja ułomności"},
    {1008, "Edycja zdolności nadnaturalnych"},
    {1010, "Edycja zawodów"},
    {1017, "Edycja umiejętności"},
    {1018, "Edycja grup broni"},
    {1011, "Edycja broni"},
    {1020, "Edycja składników zbroi"},
    {1012, "Edycja zbroi"},
    {1022, "Edycja tarcz"},
    {1761, "Edycja ekwipunku"},
    {1025, "Info"},
}};

// Opens, modally over `parent`, the window a button stands for.
using WindowOpener = std::function<void(QWidget* parent, Workspace& workspace)>;

// The opener of a button, or an empty function while its window does not exist yet (the
// button is then disabled).
WindowOpener openerFor(int buttonId);

} // namespace tallar::app
