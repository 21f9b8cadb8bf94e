#pragma once

#include "editors/RowEditor.h"
#include "ui/editors/CLista.h"

namespace tallar::ui {

// A pick list: the rows an editor may link, without those it links already. "Dodaj" (or
// the caption the list gives it, "Wybór" for weapon groups) takes every ticked row, or
// without check boxes the selected one, and closes the list; Enter and a double-click take
// the selected row.
class CListaWybor : public CLista {
    Q_OBJECT
public:
    CListaWybor(QWidget* parent, Database& db, const editors::PickList& pick,
                const editors::Query& query);

    const std::vector<editors::LinkedRow>& picked() const { return picked_; }

protected:
    void setUp() override;
    void Add(const std::string& id) override;
    void Edit(const std::string& id) override;

private:
    editors::LinkedRow rowAt(int item) const;

    std::string buttonText_;
    std::vector<editors::LinkedRow> picked_;
};

} // namespace tallar::ui
