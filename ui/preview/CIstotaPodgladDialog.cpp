#include "ui/preview/CIstotaPodgladDialog.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "output/FileChoice.h"
#include "ui/QtText.h"
#include "ui/SheetPreview.h"
#include "ui/WindowFit.h"
#include "ui/WindowMemory.h"
#include "ui/preview/EntryDialogs.h"
#include "ui/preview/EntryTreeModel.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

namespace tallar::ui {

namespace {

constexpr const char* kUnsavedQuestion = "Zamknąć podgląd bez zapisania zmian?";

// A change of the preview on Qt's undo stack. It has run already when it is pushed, so the
// push's redo does nothing.
class UndoCommand : public QUndoCommand {
public:
    explicit UndoCommand(std::unique_ptr<PreviewCommand> command)
        : QUndoCommand(qs(command->text())), command_(std::move(command)) {}
    void redo() override {
        if (pushed_)
            command_->redo();
        pushed_ = true;
    }
    void undo() override { command_->undo(); }

private:
    std::unique_ptr<PreviewCommand> command_;
    bool pushed_ = false;
};

// A file dialog's filter from the program's "label|pattern||" form: "Plik txt (*.txt)".
QString dialogFilter(std::string_view filter) {
    QStringList entries;
    for (const FileFilter& entry : parseFileFilter(filter))
        entries << qs(entry.label) + QStringLiteral(" (") + qs(joinTexts(entry.patterns, ' ')) +
                       QStringLiteral(")");
    return entries.join(QStringLiteral(";;"));
}

} // namespace

CIstotaPodgladDialog::CIstotaPodgladDialog(CIstotaPodglad& preview, UserPort& port, QWidget* parent)
    : QDialog(parent), preview_(preview), port_(port) {
    setWindowTitle(qs(CIstotaPodglad::kTitle) + QStringLiteral(" — ") + qs(preview_.caption()));
    model_ = new EntryTreeModel(preview_.character(), this);
    tree_ = new QTreeView(this);
    tree_->setModel(model_);
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    description_ = new QPlainTextEdit(this);
    description_->setReadOnly(true);
    auto* descriptionGroup = new QGroupBox(QStringLiteral("Opis"), this);
    auto* descriptionLayout = new QVBoxLayout(descriptionGroup);
    descriptionLayout->addWidget(description_);
    descriptionGroup->setMaximumHeight(150);

    undo_ = new QUndoStack(this);
    QAction* undoAction = undo_->createUndoAction(this, QStringLiteral("Cofnij"));
    undoAction->setShortcut(QKeySequence::Undo);
    QAction* redoAction = undo_->createRedoAction(this, QStringLiteral("Ponów"));
    redoAction->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence::Redo});
    addAction(undoAction);
    addAction(redoAction);
    auto* undoButton = new QToolButton(this);
    undoButton->setDefaultAction(undoAction);
    auto* redoButton = new QToolButton(this);
    redoButton->setDefaultAction(redoAction);

    const auto makeButton = [this](const char* text) {
        auto* button = new QPushButton(QString::fromUtf8(text), this);
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* view = makeButton("widok");
    view->setEnabled(false);
    view->setToolTip(QStringLiteral("Trójwymiarowy podgląd postaci nie jest dostępny."));
    QPushButton* recompute = makeButton("Przelicz");
    QPushButton* sheet = makeButton("Karta bohatera");
    QPushButton* stats = makeButton("Zapisz statystyki");
    QPushButton* file = makeButton("Zapisz do pliku");
    QPushButton* ok = makeButton("OK");
    ok->setDefault(true);
    QPushButton* cancel = makeButton("Anuluj");

    auto* side = new QVBoxLayout;
    for (QPushButton* button : {view, recompute, sheet, stats, file})
        side->addWidget(button);
    side->addStretch();
    side->addWidget(ok);
    side->addWidget(cancel);
    // Below the tree, where the names of the changes have room.
    auto* undoRow = new QHBoxLayout;
    undoRow->addWidget(undoButton);
    undoRow->addWidget(redoButton);
    undoRow->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(tree_, 1);
    left->addLayout(undoRow);
    left->addWidget(descriptionGroup);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(side);
    resizeWithinScreen(this, QSize(760, 700));
    rememberWindow(this, QStringLiteral("podglad-bohatera"));

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { selectEntry(model_->entryAt(current)); });
    connect(tree_, &QTreeView::customContextMenuRequested, this, [this](const QPoint& point) {
        const QModelIndex index = tree_->indexAt(point);
        CPoz* entry = model_->entryAt(index);
        if (!entry)
            return;
        tree_->setCurrentIndex(index);
        if (auto menu = contextMenu(*entry))
            menu->exec(tree_->viewport()->mapToGlobal(point));
    });
    preview_.setObserver([this] { letGoOfTree(); }, [this] { showTree(); });
    connect(recompute, &QPushButton::clicked, this, &CIstotaPodgladDialog::recompute);
    connect(sheet, &QPushButton::clicked, this,
            [this] { showSheetPreview(preview_.character(), this); });
    connect(stats, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(
            this, QString(), QString(), dialogFilter(CIstotaPodglad::kStatsFilter), nullptr,
            QFileDialog::DontConfirmOverwrite); // the block is appended
        if (!path.isEmpty())
            writeStatisticsTo(path);
    });
    connect(file, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QString(), QString(),
                                                          dialogFilter(kCharacterFileFilter));
        if (!path.isEmpty())
            exportTo(path);
    });
    connect(ok, &QPushButton::clicked, this, &CIstotaPodgladDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CIstotaPodgladDialog::reject);
}

CIstotaPodgladDialog::~CIstotaPodgladDialog() {
    preview_.setObserver({}, {});
}

QPushButton* CIstotaPodgladDialog::button(const QString& text) const {
    for (QPushButton* candidate : findChildren<QPushButton*>())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

// --- Selection and the tree ------------------------------------------------------------

void CIstotaPodgladDialog::selectEntry(const CPoz* entry) {
    preview_.select(entry);
    description_->setPlainText(qs(preview_.description()));
}

std::set<std::string> CIstotaPodgladDialog::expandedIds() const {
    std::set<std::string> ids;
    std::vector<QModelIndex> pending{QModelIndex()};
    while (!pending.empty()) {
        const QModelIndex parent = pending.back();
        pending.pop_back();
        for (int row = 0; row < model_->rowCount(parent); ++row) {
            const QModelIndex index = model_->index(row, 0, parent);
            if (tree_->isExpanded(index)) {
                ids.insert(model_->entryAt(index)->id());
                pending.push_back(index);
            }
        }
    }
    return ids;
}

void CIstotaPodgladDialog::letGoOfTree() {
    expandedBeforeChange_ = expandedIds();
    model_->beginChange();
}

void CIstotaPodgladDialog::showTree() {
    model_->endChange();
    // Qt keeps an entry expanded below a collapsed parent, so the order does not matter.
    for (const std::string& id : expandedBeforeChange_)
        if (const CPoz* entry = preview_.find(id))
            tree_->setExpanded(model_->indexOf(entry), true);
    showSelection();
    setWindowTitle(qs(CIstotaPodglad::kTitle) + QStringLiteral(" — ") + qs(preview_.caption()));
}

void CIstotaPodgladDialog::showSelection() {
    const CPoz* selected = preview_.selected();
    const QModelIndex index = model_->indexOf(selected);
    tree_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (index.isValid())
        tree_->scrollTo(index);
    selectEntry(selected);
}

// --- The context menu ------------------------------------------------------------------

std::unique_ptr<QMenu> CIstotaPodgladDialog::contextMenu(CPoz& entry) {
    const EntryCommands commands = preview_.commandsFor(entry);
    if (!commands.any())
        return nullptr;
    auto menu = std::make_unique<QMenu>(this);
    // The entry is looked up again when the command runs: the tree may have been rebuilt.
    const auto act = [this, id = entry.id()](void (CIstotaPodgladDialog::*what)(CPoz&)) {
        return [this, id, what] {
            if (CPoz* target = preview_.find(id))
                (this->*what)(*target);
        };
    };
    if (commands.modify)
        connect(menu->addAction(QStringLiteral("Modyfikacja")), &QAction::triggered, this,
                act(&CIstotaPodgladDialog::modifyEntry));
    if (commands.add)
        connect(menu->addAction(QStringLiteral("Dodaj")), &QAction::triggered, this,
                act(&CIstotaPodgladDialog::addBelow));
    if (commands.remove)
        connect(menu->addAction(QStringLiteral("Usuń")), &QAction::triggered, this,
                act(&CIstotaPodgladDialog::removeEntry));
    return menu;
}

bool CIstotaPodgladDialog::run(QDialog& dialog) {
    return runDialog_ ? runDialog_(dialog) : dialog.exec() == QDialog::Accepted;
}

void CIstotaPodgladDialog::addBelow(CPoz& context) {
    switch (preview_.adderOf(context)) {
    case EntryAdder::Generic: {
        GenericForm form = GenericForm::forNew();
        CPozEdycja dialog(form, this);
        if (run(dialog))
            perform(preview_.addEntry(context, form));
        break;
    }
    case EntryAdder::Money: {
        MoneyForm form;
        CPozKasa dialog(form, this);
        if (run(dialog))
            perform(preview_.addMoney(context, form));
        break;
    }
    case EntryAdder::Skill:
    case EntryAdder::Weapons:
    case EntryAdder::Equipment:
        perform(preview_.addThroughPages(context));
        break;
    }
}

namespace {

template <typename Form, typename Dialog>
std::unique_ptr<PreviewCommand> editWith(CIstotaPodglad& preview, CPoz& entry, QWidget* parent,
                                         const std::function<bool(QDialog&)>& run) {
    Form form = Form::from(entry);
    Dialog dialog(form, parent);
    return run(dialog) ? preview.modify(entry, form) : nullptr;
}

} // namespace

void CIstotaPodgladDialog::modifyEntry(CPoz& entry) {
    const auto runner = [this](QDialog& dialog) { return run(dialog); };
    switch (preview_.editorOf(entry)) {
    case EntryEditor::Generic:
        perform(editWith<GenericForm, CPozEdycja>(preview_, entry, this, runner));
        break;
    case EntryEditor::YesNo:
        perform(editWith<YesNoForm, CPozBool>(preview_, entry, this, runner));
        break;
    case EntryEditor::Money:
        perform(editWith<MoneyForm, CPozKasa>(preview_, entry, this, runner));
        break;
    case EntryEditor::Item:
        perform(editWith<ItemForm, CPozEkwipunek>(preview_, entry, this, runner));
        break;
    case EntryEditor::Text:
        perform(editWith<TextForm, CPozOpis>(preview_, entry, this, runner));
        break;
    case EntryEditor::Proficiency:
    case EntryEditor::Placement:
        perform(preview_.modifyThroughPages(entry));
        break;
    }
}

void CIstotaPodgladDialog::removeEntry(CPoz& entry) {
    perform(preview_.remove(entry));
}

void CIstotaPodgladDialog::recompute() {
    perform(preview_.recompute(true));
}

void CIstotaPodgladDialog::perform(std::unique_ptr<PreviewCommand> command) {
    if (!command)
        return;
    command->redo();
    if (command->changed())
        undo_->push(new UndoCommand(std::move(command)));
}

// --- Saving and closing ----------------------------------------------------------------

void CIstotaPodgladDialog::exportTo(const QString& path) {
    if (preview_.exportFile(utf8(path)))
        undo_->setClean();
}

void CIstotaPodgladDialog::writeStatisticsTo(const QString& path) {
    (void)preview_.writeStatistics(utf8(path)); // a failure is shown
}

void CIstotaPodgladDialog::accept() {
    if (!preview_.save())
        return; // shown; the window stays open with the changes
    undo_->setClean();
    QDialog::accept();
}

void CIstotaPodgladDialog::reject() {
    if (!undo_->isClean() && !port_.askYesNo(kUnsavedQuestion, CIstotaPodglad::kTitle))
        return;
    QDialog::reject();
}

} // namespace tallar::ui
