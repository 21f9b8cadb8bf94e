#pragma once

#include <string_view>

namespace tallar {

class CIstota;
class Database;
class UserPort;

// The equipment list "Ekwipunek" opened on a character (from the preview's "Dodaj" on
// "Ekwipunek"): the rows of `ekwipunek` picked become items carried "przy sobie", one piece
// each, with the row's weight as the unit weight and its identifier as the key text.
class CWizard10 {
public:
    static constexpr std::string_view kCaption = "Ekwipunek";
    static constexpr std::string_view kQuery =
        "SELECT id,nazwa'Nazwa   ',waga 'waga' FROM ekwipunek ORDER BY nazwa DESC;";

    CWizard10(Database& rules, CIstota& hero, UserPort& port);

    // Shows the list; true when items were added (false: cancelled, nothing picked, or the
    // rules could not be read, which is shown).
    bool Run();

private:
    Database& rules_;
    CIstota& hero_;
    UserPort& port_;
};

} // namespace tallar
