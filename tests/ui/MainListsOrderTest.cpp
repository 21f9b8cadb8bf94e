#include "app/MainButtons.h"
#include "base/NonInteractiveUserPort.h"
#include "store/Database.h"
#include "store/Workspace.h"
#include "support/TempDir.h"
#include "ui/editors/CLista.h"

#include <QApplication>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace tallar {
namespace {

// The first column of the list window a main-window button opens, as shown, top to
// bottom; the window is closed once read.
QStringList shownByButton(int buttonId, Workspace& workspace) {
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        auto* list = qobject_cast<ui::CLista*>(QApplication::activeModalWidget());
        if (!list)
            return;
        for (int i = 0; i < list->view()->topLevelItemCount(); ++i)
            shown << list->view()->topLevelItem(i)->text(0);
        list->reject();
    });
    app::openerFor(buttonId)(nullptr, workspace);
    return shown;
}

// Roll ranges are texts; as texts "7" sorts after "45" and "100" before both. Each list
// shows its rows by the start of the range as a number (its query orders them descending
// and the window shows the last row first).
TEST(MainWindowLists, RollRangesAreOrderedAsNumbers) {
    test::TempDir dir;
    NonInteractiveUserPort port(nullptr);
    std::string error;
    auto workspace = Workspace::open(dir.str(), port, error);
    ASSERT_TRUE(workspace) << error;
    Database& rules = workspace->rules();
    const auto exec = [&rules](const std::string& sql) {
        ASSERT_TRUE(rules.exec(sql).ok()) << sql;
    };
    exec("INSERT INTO klasyspoleczne (id,nazwa,rzutod,rzutdo,klasa) VALUES "
         "('k1','Stu','100','100',''),('k2','Siedem','7','9',''),('k3','Czterdzieści','45','60','')"
         ";");
    exec("INSERT INTO miejscurodz (id,nazwa,rzutod,rzutdo) VALUES "
         "('m1','Stu','100','100'),('m2','Siedem','7','9'),('m3','Czterdzieści','45','60');");
    exec("INSERT INTO zdolnosci (id,typ,nazwa,od,do) VALUES "
         "('u1','ULOMNOSC','Stu','100','100'),('u2','ULOMNOSC','Siedem','7','9'),"
         "('u3','ULOMNOSC','Czterdzieści','45','60'),('z1','ZDOLNOSC','Stu','100','100'),"
         "('z2','ZDOLNOSC','Siedem','7','9'),('z3','ZDOLNOSC','Czterdzieści','45','60');");
    exec("INSERT INTO zawod (id,nazwa,od,do,klasa) VALUES ('t1','Stu','100','100','MIEJSKA'),"
         "('t2','Siedem','7','9','MIEJSKA'),('t3','Czterdzieści','45','60','MIEJSKA');");

    for (const int button : {1023, 1024, 1009, 1008, 1010})
        EXPECT_EQ(shownByButton(button, *workspace).join(", ").toStdString(),
                  "Siedem, Czterdzieści, Stu")
            << button;
}

} // namespace
} // namespace tallar
