#include "app/MainButtons.h"

#include "app/InfoDialog.h"
#include "store/Workspace.h"
#include "ui/editors/CLista.h"
#include "ui/editors/RulesEditors.h"
#include "ui/wizard/CListaIstot.h"

namespace tallar::app {

namespace {

// Opens the list of a rules table on the rules connection, its rows edited by Editor.
template <class List> WindowOpener rulesList(const char* title, const char* query) {
    return [title, query](QWidget* parent, Workspace& workspace) {
        List list(parent, workspace.rules(), title, query, false);
        list.exec();
    };
}

template <class Editor> using ListOf = ui::CListaTemplate<Editor>;
using CListaUlomnosci = ui::CListaBezUsuwania<ui::CUlomnoscEdycja>;
using CListaZdolnosciNadnaturalnych = ui::CListaBezUsuwania<ui::CZdolnoscNadnaturalnaEdycja>;

} // namespace

WindowOpener openerFor(int buttonId) {
    switch (buttonId) {
    case 1021:
        return rulesList<ListOf<ui::CCzescCialaDef>>(
            "Lista czesci ciała", "select id,nazwa||' ['||typistoty||']' 'Nazwa          ' from "
                                  "czescicialadef order by typistoty desc, nazwa desc");
    case 1019:
        return rulesList<ListOf<ui::CEdycjaWymagan>>(
            "Wymagania", "select id,nazwa 'Nazwa          ' from wymagania order by nazwa desc");
    case 1023:
        return rulesList<ListOf<ui::CEdycjaKlasaSpoleczna>>(
            "Lista klas społecznych",
            "SELECT id,nazwa'Nazwa   ',rzutod 'od' ,rzutdo 'do' FROM klasyspoleczne ORDER BY "
            "CAST(rzutod AS INT) DESC,klasa DESC,CAST(rzutdo AS INT) DESC,nazwa DESC;");
    case 1024:
        return rulesList<ListOf<ui::CEdycjaMiasto>>(
            "Lista miejsc urodzenia",
            "SELECT id,nazwa'Nazwa   ',rzutod 'od' ,rzutdo 'do' FROM miejscurodz ORDER BY "
            "CAST(rzutod AS INT) DESC,CAST(rzutdo AS INT) DESC,nazwa DESC;");
    case 1009:
        return rulesList<CListaUlomnosci>("Ułomności",
                                          "select id,nazwa 'Ułomność',od,do from zdolnosci where "
                                          "typ='ULOMNOSC' order by CAST(od AS INT) desc;");
    case 1008:
        return rulesList<CListaZdolnosciNadnaturalnych>(
            "Zdolności nadnaturalne", "select id,nazwa 'Zdolność',od,do from zdolnosci where "
                                      "typ='ZDOLNOSC' order by CAST(od AS INT) desc;");
    case 1018:
        return rulesList<ListOf<ui::CGrupaBroniEdycja>>(
            "Grupy Broni", "select id,nazwa 'Nazwa       ' from grupybroni order by nazwa desc;");
    case 1011:
        return rulesList<ListOf<ui::CBronEdycja>>(
            "Bronie", "select A.id,A.nazwa 'Nazwa       ',B.nazwa 'Grupa broni' from bronie A "
                      "left outer join grupybroni B on A.idgrupy=B.id order by B.nazwa desc, "
                      "A.nazwa desc;");
    case 1020:
        return rulesList<ListOf<ui::CElementZbroi>>(
            "Składniki zbroi",
            "select id,nazwa 'Nazwa          ' from elementzbroi order by nazwa desc");
    case 1012:
        return rulesList<ListOf<ui::CEdycjaZbroi>>(
            "Lista zbroi", "select id,nazwa 'Nazwa          ' from zbroja order by nazwa desc");
    case 1022:
        return rulesList<ListOf<ui::CEdycjaTarczy>>(
            "Lista tarcz", "select id,nazwa 'Nazwa          ' from tarcza order by nazwa desc");
    case 1761:
        return rulesList<ListOf<ui::CEdycjaEkwipunek>>(
            "Lista ekwipunku",
            "SELECT id,nazwa'Nazwa   ',waga 'waga' FROM ekwipunek ORDER BY nazwa DESC;");
    case 1005:
        return [](QWidget* parent, Workspace& workspace) {
            ui::CListaIstot list(parent, workspace);
            list.exec();
        };
    case 1006:
        return [](QWidget* parent, Workspace& workspace) {
            ui::CRasy list(parent, workspace.rules());
            list.exec();
        };
    case 1007:
        return [](QWidget* parent, Workspace& workspace) {
            ui::CProfesjeLista list(parent, workspace.rules());
            list.exec();
        };
    case 1010:
        return rulesList<ListOf<ui::CEdycjaZawod>>(
            "Lista zawodów", "select id,nazwa 'Nazwa  ',od,do,klasa 'Klasa społeczna' from zawod "
                             "order by klasa desc,CAST(od AS INT) desc,CAST(do AS INT) desc,"
                             "nazwa desc");
    case 1017:
        return rulesList<ListOf<ui::CZdolnosc>>(
            "Zdolnosci", "select id,nazwa 'Nazwa          ', grupa 'Grupa       ' from "
                         "umiejetnosci order by grupa desc,nazwa desc");
    case 1025:
        return [](QWidget* parent, Workspace& workspace) {
            InfoDialog dialog(workspace, parent);
            dialog.exec();
        };
    default:
        return {};
    }
}

} // namespace tallar::app
