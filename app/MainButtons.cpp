#include "app/MainButtons.h"

#include "app/InfoDialog.h"
#include "editors/ListDef.h"
#include "store/db/Workspace.h"
#include "ui/editors/RulesEditors.h"
#include "ui/wizard/CListaIstot.h"

namespace tallar::app {

namespace {

// Opens the list of rules described by `def`, its rows edited by Editor.
template <class Editor> WindowOpener rulesList(editors::ListRef def) {
    return [def](QWidget* parent, Workspace& workspace) {
        ui::CListaTemplate<Editor> list(parent, workspace.rules(), def());
        list.exec();
    };
}

// Opens a list class of its own on the rules connection.
template <class List> WindowOpener ownList() {
    return [](QWidget* parent, Workspace& workspace) {
        List list(parent, workspace.rules());
        list.exec();
    };
}

} // namespace

WindowOpener openerFor(int buttonId) {
    namespace lists = editors::lists;
    switch (buttonId) {
    case 1005:
        return [](QWidget* parent, Workspace& workspace) {
            ui::CListaIstot list(parent, workspace);
            list.exec();
        };
    case 1006:
        return ownList<ui::CRasy>();
    case 1021:
        return rulesList<ui::CCzescCialaDef>(&lists::bodyParts);
    case 1007:
        return ownList<ui::CProfesjeLista>();
    case 1019:
        return rulesList<ui::CEdycjaWymagan>(&lists::requirements);
    case 1023:
        return rulesList<ui::CEdycjaKlasaSpoleczna>(&lists::socialClasses);
    case 1024:
        return rulesList<ui::CEdycjaMiasto>(&lists::birthplaces);
    case 1009:
        return ownList<ui::CListaUlomnosci>();
    case 1008:
        return ownList<ui::CListaZdolnosciNadnaturalnych>();
    case 1010:
        return rulesList<ui::CEdycjaZawod>(&lists::trades);
    case 1017:
        return rulesList<ui::CZdolnosc>(&lists::skills);
    case 1018:
        return rulesList<ui::CGrupaBroniEdycja>(&lists::weaponGroups);
    case 1011:
        return rulesList<ui::CBronEdycja>(&lists::weapons);
    case 1020:
        return rulesList<ui::CElementZbroi>(&lists::armourElements);
    case 1012:
        return rulesList<ui::CEdycjaZbroi>(&lists::armours);
    case 1022:
        return rulesList<ui::CEdycjaTarczy>(&lists::shields);
    case 1761:
        return rulesList<ui::CEdycjaEkwipunek>(&lists::equipment);
    case 1025:
        return [](QWidget* parent, Workspace& workspace) {
            InfoDialog dialog(workspace, parent);
            dialog.exec();
        };
    default:
        return {};
    }
}

std::vector<std::string> withMnemonics(const std::vector<std::string>& texts) {
    std::vector<std::string> marked;
    std::string used;
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (const std::string& text : texts) {
        // Candidates in order: starts of the words after the first, then every letter after
        // the first word, then the letters of the first word.
        std::vector<std::size_t> candidates;
        const std::size_t firstWord = text.find(' ');
        const std::size_t rest = firstWord == std::string::npos ? 0 : firstWord + 1;
        for (std::size_t i = rest; i < text.size(); ++i)
            if (i == rest || text[i - 1] == ' ')
                candidates.push_back(i);
        for (std::size_t i = rest; i < text.size(); ++i)
            candidates.push_back(i);
        for (std::size_t i = 0; i < rest; ++i)
            candidates.push_back(i);
        std::string result = text;
        for (std::size_t at : candidates) {
            const char c = text[at];
            if (isLetter(c) && used.find(lower(c)) == std::string::npos) {
                used += lower(c);
                result.insert(at, 1, '&');
                break;
            }
        }
        marked.push_back(std::move(result));
    }
    return marked;
}

} // namespace tallar::app
