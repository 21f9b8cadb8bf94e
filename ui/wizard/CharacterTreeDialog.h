#pragma once

#include <QDialog>

class QTreeWidget;

namespace tallar {
class CIstota;
}

namespace tallar::ui {

// A stored character's entries as a read-only tree, labelled as the entries label
// themselves. An entry's children are shown from its first expansion on; the character
// must outlive the dialog.
class CharacterTreeDialog : public QDialog {
    Q_OBJECT
public:
    CharacterTreeDialog(const CIstota& hero, QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }

private:
    QTreeWidget* tree_;
};

} // namespace tallar::ui
