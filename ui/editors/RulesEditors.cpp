#include "ui/editors/RulesEditors.h"

#include "editors/ListDef.h"
#include "ui/QtText.h"
#include "ui/editors/CLista.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace tallar::ui {

namespace {

std::vector<editors::FixedValue> ownerValues(const std::string& ownerId,
                                             const std::string& ownerKind) {
    if (ownerId.empty())
        return {};
    return {{"id_nad", ownerId}, {"typ_nad", ownerKind}};
}

// The formulas of one owner row, each opened in the formula editor. A formula is saved
// by its own editor at once, as its owner's other rows are.
class CListaFormul : public CLista {
public:
    CListaFormul(QWidget* parent, Database& db, const std::string& ownerId,
                 const std::string& ownerKind)
        : CLista(parent, db, editors::lists::ownedFormulas(ownerId, ownerKind)), ownerId_(ownerId),
          ownerKind_(ownerKind) {
        setWindowFlags(Qt::Widget);
        setObjectName(QStringLiteral("formulas"));
    }

protected:
    void Add(const std::string& id) override { openEditor(id, editors::EditorMode::New); }
    void Edit(const std::string& id) override { openEditor(id, editors::EditorMode::Edit); }
    void Delete(const std::string& id) override {
        CFormula formula(database(), id, editors::EditorMode::Delete, this, ownerId_, ownerKind_);
        formula.remove();
    }

private:
    void openEditor(const std::string& id, editors::EditorMode mode) {
        CFormula formula(database(), id, mode, this, ownerId_, ownerKind_);
        formula.exec();
    }
    std::string ownerId_;
    std::string ownerKind_;
};

std::string fixedValue(const editors::EditorDef& def, const std::string& column) {
    for (const editors::FixedValue& fixed : def.fixed)
        if (fixed.column == column)
            return fixed.value;
    return {};
}

} // namespace

CFormula::CFormula(Database& db, const std::string& id, editors::EditorMode mode, QWidget* parent,
                   const std::string& ownerId, const std::string& ownerKind)
    : EditorDialog(db, editors::catalogue::formula(), id, mode, parent,
                   ownerValues(ownerId, ownerKind)) {
    resize(760, 560);
}

CZdolnoscEdycjaBase::CZdolnoscEdycjaBase(Database& db, const editors::EditorDef& def,
                                         const std::string& id, editors::EditorMode mode,
                                         QWidget* parent)
    : EditorDialog(db, def, id, mode, parent) {
    auto* box = new QGroupBox(this);
    formulas_ = new CListaFormul(box, db, id, fixedValue(def, "typ"));
    box->setTitle(qs(formulas_->logic().title()));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(formulas_);
    addSection(box);
}

CRasy::CRasy(QWidget* parent, Database& db)
    : CListaTemplate<CRasa>(parent, db, editors::lists::races()) {}

CProfesjeLista::CProfesjeLista(QWidget* parent, Database& db)
    : CListaTemplate<CEdycjaProfesja>(parent, db, editors::lists::professions()) {}

CListaUlomnosci::CListaUlomnosci(QWidget* parent, Database& db)
    : CListaTemplate<CUlomnoscEdycja>(parent, db, editors::lists::disabilities()) {}

CListaZdolnosciNadnaturalnych::CListaZdolnosciNadnaturalnych(QWidget* parent, Database& db)
    : CListaTemplate<CZdolnoscNadnaturalnaEdycja>(parent, db, editors::lists::abilities()) {}

void CProfesjeLista::setUp() {
    addButton()->setText(QStringLiteral("Nowa profesja"));
    editButton()->setText(QStringLiteral("Edycja profesji"));
    // Professions are not deleted from the list; its third button closes it.
    deleteButton()->setText(QStringLiteral("Wyjscie"));
    deleteButton()->show();
    deleteButton()->disconnect();
    connect(deleteButton(), &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace tallar::ui
