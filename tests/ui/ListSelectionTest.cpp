#include "support/RulesFixture.h"
#include "ui/PickRowsDialog.h"
#include "ui/editors/CLista.h"
#include "ui/editors/ListModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QTreeView>

#include <gtest/gtest.h>

namespace tallar {
namespace {

// The pixels of a rectangle of a view's viewport as they are painted now.
QImage grabbed(QAbstractItemView* view, const QRect& rect) {
    QApplication::processEvents();
    return view->viewport()->grab(rect).toImage();
}

// A selected row must look selected and still show its text: its pixels differ from the
// same row unselected, and from the same row selected with its text taken away.
TEST(ListSelection, ASelectedRowOfAListWindowShowsItsText) {
    test::RulesFixture r;
    ASSERT_TRUE(
        r.db->exec("INSERT INTO tarcza (id,nazwa) VALUES ('t1','Puklerz'),('t2','Duża');").ok());
    ui::CLista list(nullptr, *r.db, "Lista tarcz",
                    "select id,nazwa 'Nazwa          ' from tarcza order by nazwa desc", false);
    list.show();
    QApplication::processEvents();
    QTreeView* view = list.view();
    ASSERT_EQ(list.shownCount(), 2);
    const QModelIndex row = view->model()->index(0, 0);
    const QRect rect = view->visualRect(row);
    ASSERT_FALSE(rect.isEmpty());

    view->clearSelection();
    const QImage plain = grabbed(view, rect);
    list.selectShown(0);
    ASSERT_TRUE(view->selectionModel()->isSelected(row));
    const QImage selected = grabbed(view, rect);
    // The same row without its name: read again, it stays first and selected.
    ASSERT_TRUE(r.db->exec("UPDATE tarcza SET nazwa='' WHERE id='t2';").ok());
    list.refresh();
    ASSERT_TRUE(view->selectionModel()->isSelected(view->model()->index(0, 0)));
    ASSERT_EQ(list.shownText(0, 0), QString());
    const QImage selectedWithoutText = grabbed(view, rect);

    EXPECT_NE(plain, selected) << "the selection is not shown";
    EXPECT_NE(selected, selectedWithoutText) << "the selected row's text is not drawn";
}

TEST(ListSelection, ASelectedRowOfAPickDialogShowsItsText) {
    PickTable table{{"id", "Nazwa"}, {{"a", "Miecze"}, {"b", "Topory"}}};
    ui::PickRowsDialog dialog(QStringLiteral("Lista"), table, false);
    dialog.show();
    QApplication::processEvents();
    QTreeView* view = dialog.view();
    const QModelIndex row = view->model()->index(0, 0);
    const QRect rect = view->visualRect(row);

    view->clearSelection();
    const QImage plain = grabbed(view, rect);
    view->setCurrentIndex(row);
    const QImage selected = grabbed(view, rect);
    // The same row, selected, without its text.
    table.rows[0][1].clear();
    ui::PickRowsDialog emptied(QStringLiteral("Lista"), table, false);
    emptied.show();
    QApplication::processEvents();
    emptied.view()->setCurrentIndex(emptied.view()->model()->index(0, 0));
    const QImage selectedWithoutText = grabbed(emptied.view(), rect);

    EXPECT_NE(plain, selected);
    EXPECT_NE(selected, selectedWithoutText);
}

// The pick dialog sorts and filters like a list, and still picks the row chosen.
TEST(PickRows, SortedAndFilteredTheChosenRowIsPicked) {
    const PickTable table{{"id", "Nazwa"},
                          {{"z", "Żelazo"}, {"l", "Łuk"}, {"m", "Miecz"}, {"k", "Kij"}}};
    ui::PickRowsDialog dialog(QStringLiteral("Lista"), table, false);
    emit dialog.view()->header()->sectionClicked(0);
    QStringList shown;
    for (int r = 0; r < dialog.shownRows()->rowCount(); ++r)
        shown << dialog.shownRows()->index(r, 0).data().toString();
    EXPECT_EQ(shown, (QStringList{"Kij", "Łuk", "Miecz", "Żelazo"}));
    dialog.filterField()->setText(QStringLiteral("luk"));
    ASSERT_EQ(dialog.shownRows()->rowCount(), 1);
    EXPECT_EQ(dialog.chosenIds(), std::vector<std::string>{"l"}); // the row left is selected
}

} // namespace
} // namespace tallar
