#include "ui/editors/EditorDialog.h"

#include "base/Cp1250.h"
#include "store/db/Identifier.h"
#include "ui/QtText.h"
#include "ui/StatusLine.h"
#include "ui/WindowFit.h"
#include "ui/WindowMemory.h"
#include "ui/editors/CListaWybor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tallar::ui {

using editors::Field;
using editors::ValueKind;

namespace {

constexpr int kSectionsPerRow = 3;
constexpr int kNarrowest = 480; // the width a form opens with at least

// The pages of the fields in the order they first appear, then those only sections name.
std::vector<std::string> pagesOf(const std::vector<Field>& fields, const editors::EditorDef& def) {
    std::vector<std::string> pages;
    auto add = [&](const std::string& page) {
        if (std::find(pages.begin(), pages.end(), page) == pages.end())
            pages.push_back(page);
    };
    for (const std::string& page : def.pages)
        add(page);
    for (const Field& field : fields)
        add(field.page);
    for (const auto& owned : def.owned)
        if (!owned.page.empty())
            add(owned.page);
    for (const auto& link : def.links)
        if (!link.page.empty())
            add(link.page);
    for (const auto& children : def.children)
        if (!children.page.empty())
            add(children.page);
    return pages;
}

QListWidget* sectionView(QWidget* parent, const std::string& name) {
    auto* view = new QListWidget(parent);
    view->setObjectName(qs(name));
    view->setMinimumHeight(80);
    view->setMaximumHeight(140);
    return view;
}

QPushButton* sectionButton(const char* text, QWidget* parent, QHBoxLayout* row) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

EditorDialog::EditorDialog(Database& db, const editors::EditorDef& def, const std::string& id,
                           editors::EditorMode mode, QWidget* parent,
                           std::vector<editors::FixedValue> extraFixed,
                           const editors::RowValues* held)
    : QDialog(parent), db_(db), editor_(db, def, id, mode, std::move(extraFixed)), port_(this),
      held_(held != nullptr) {
    setWindowTitle(qs(editor_.title()));
    setObjectName(qs(def.className));
    if (held)
        editor_.assign(*held);
    else if (editor_.mode() != editors::RowEditor::Mode::Delete)
        loaded_ = editor_.load(); // a failure is shown by exec(), which then shows no form
    // Child rows saved while the form is open are undone by "Anuluj".
    if (!held && loaded_)
        (void)editor_.beginUnit();

    // The fields, page by page; a page is a grid whose rows are fields or groups of them,
    // followed by the sections that belong to the page.
    linkViews_.resize(def.links.size(), nullptr);
    childViews_.resize(def.children.size(), nullptr);
    ownedViews_.resize(def.owned.size(), nullptr);
    const auto pages = pagesOf(editor_.fields(), def);
    QTabWidget* tabs = pages.size() > 1 ? new QTabWidget(this) : nullptr;
    if (tabs)
        tabs->setObjectName(QStringLiteral("pages"));
    QWidget* single = nullptr;
    std::vector<QWidget*> tabOrder;
    for (const std::string& page : pages) {
        auto* content = new QWidget;
        auto* pageLayout = new QVBoxLayout(content);
        auto* grid = new QGridLayout;
        pageLayout->addLayout(grid);
        int row = -1;
        int column = 0;
        std::string group;
        bool inGroup = false;
        for (const Field& field : editor_.fields()) {
            if (field.page != page)
                continue;
            QWidget* control = makeControl(field);
            tabOrder.push_back(control);
            if (!field.group.empty() && inGroup && field.group == group) {
                if (field.label != field.group)
                    grid->addWidget(new QLabel(qs(field.label)), row, column++);
                grid->addWidget(control, row, column++);
                continue;
            }
            ++row;
            column = 1;
            inGroup = !field.group.empty();
            group = field.group;
            const std::string& caption = inGroup ? field.group : field.label;
            if (field.kind != ValueKind::Flag || inGroup)
                grid->addWidget(new QLabel(qs(caption)), row, 0);
            if (inGroup && field.label != field.group && field.kind != ValueKind::Flag)
                grid->addWidget(new QLabel(qs(field.label)), row, column++);
            grid->addWidget(control, row, column++, 1, inGroup ? 1 : 8);
        }
        if (tabs) {
            for (std::size_t i = 0; i < def.owned.size(); ++i)
                if (def.owned[i].page == page)
                    pageLayout->addWidget(makeOwnedSection(i));
            for (std::size_t i = 0; i < def.links.size(); ++i)
                if (def.links[i].page == page)
                    pageLayout->addWidget(makeLinkSection(i));
            for (std::size_t i = 0; i < def.children.size(); ++i)
                if (def.children[i].page == page)
                    pageLayout->addWidget(makeChildSection(i));
        }
        pageLayout->addStretch(1);
        if (tabs) {
            auto* scroll = new QScrollArea;
            scroll->setWidget(content);
            scroll->setWidgetResizable(true);
            scroll->setFrameShape(QFrame::NoFrame);
            // A page keeps the name of its page class ("CStadiumOdp").
            const auto& named = def.pages;
            const auto at = std::find(named.begin(), named.end(), page);
            if (at != named.end() &&
                static_cast<std::size_t>(at - named.begin()) < def.pageClasses.size())
                scroll->setObjectName(
                    qs(def.pageClasses[static_cast<std::size_t>(at - named.begin())]));
            // Fields described without a page are the general ones.
            tabs->addTab(scroll, page.empty() ? QStringLiteral("Ogólne") : qs(page));
        } else {
            single = content;
        }
    }

    // Everything but the buttons scrolls, so that "Zapisz" and "Anuluj" stay in view on a
    // small screen however long or wide the form is.
    auto* body = new QWidget;
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    if (tabs)
        bodyLayout->addWidget(tabs, 1);
    else if (single)
        bodyLayout->addWidget(single, 1);

    // Sections without a page of their own go below the pages, at most three in a row.
    auto* below = new QGridLayout;
    int placed = 0;
    const auto place = [&](QWidget* section) {
        below->addWidget(section, placed / kSectionsPerRow, placed % kSectionsPerRow);
        ++placed;
    };
    for (std::size_t i = 0; i < def.owned.size(); ++i)
        if (!ownedViews_[i])
            place(makeOwnedSection(i));
    for (std::size_t i = 0; i < def.links.size(); ++i)
        if (!linkViews_[i])
            place(makeLinkSection(i));
    for (std::size_t i = 0; i < def.children.size(); ++i)
        if (!childViews_[i])
            place(makeChildSection(i));
    bodyLayout->addLayout(below);
    sections_ = new QVBoxLayout;
    bodyLayout->addLayout(sections_);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("form"));
    scroll_->setWidget(body);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    // Tab goes through the fields in the order of the table's columns, page by page.
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);

    status_ = new StatusLine(this);
    auto* save = new QPushButton(QStringLiteral("Zapisz"), this);
    save->setObjectName(QStringLiteral("save"));
    save->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &EditorDialog::saveClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addLayout(buttons);
    // Forms of several pages are long and each page scrolls: they open large.
    fitToForm(tabs ? QSize(900, 700) : QSize());
    rememberWindow(this, QStringLiteral("edytor/") + qs(def.className));
}

void EditorDialog::fitToForm(QSize atLeast) {
    // A scroll area's size hint is capped at a few dozen lines; the dialog opens at the
    // size the form itself wants, as far as the screen allows.
    QWidget* body = scroll_->widget();
    const QSize natural = sizeHint() - scroll_->sizeHint() + body->sizeHint() +
                          QSize(scroll_->verticalScrollBar()->sizeHint().width(), 0);
    // Wide enough for the status line to say why in a line or two.
    resizeWithinScreen(this, natural.expandedTo(atLeast).expandedTo(QSize(kNarrowest, 0)));
}

void EditorDialog::addSection(QWidget* section) {
    sections_->addWidget(section);
    fitToForm(size());
}

QWidget* EditorDialog::control(const std::string& column) const {
    const auto it = controls_.find(column);
    return it == controls_.end() ? nullptr : it->second;
}

QWidget* EditorDialog::makeControl(const Field& field) {
    const std::string column = field.column;
    const QString value = qs(editor_.value(column));
    QWidget* control = nullptr;
    switch (field.kind) {
    case ValueKind::Flag: {
        auto* box = new QCheckBox(field.group.empty() ? qs(field.label) : QString(), this);
        box->setChecked(value.startsWith(QLatin1Char('T')));
        connect(box, &QCheckBox::toggled, this,
                [this, column](bool on) { fieldEdited(column, on ? "T" : "N"); });
        control = box;
        break;
    }
    case ValueKind::Sign: {
        auto* combo = new QComboBox(this);
        for (const std::string& sign : editors::signChoices())
            combo->addItem(qs(sign));
        if (combo->findText(value) < 0)
            combo->addItem(value);
        combo->setCurrentText(value);
        connect(combo, &QComboBox::currentTextChanged, this,
                [this, column](const QString& text) { fieldEdited(column, utf8(text)); });
        control = combo;
        break;
    }
    case ValueKind::Reference: {
        auto* combo = new QComboBox(this);
        combo->addItem(QString(), QString());
        for (const editors::LinkedRow& choice : editor_.referenceChoices(column))
            combo->addItem(qs(choice.name), qs(choice.id));
        if (combo->findData(value) < 0)
            combo->addItem(value, value);
        combo->setCurrentIndex(combo->findData(value));
        if (field.reference.freeText) {
            // A name used elsewhere, or a new one typed in.
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            connect(combo, &QComboBox::currentTextChanged, this,
                    [this, column](const QString& text) { fieldEdited(column, utf8(text)); });
        } else {
            connect(combo, &QComboBox::currentIndexChanged, this, [this, column, combo](int index) {
                fieldEdited(column, utf8(combo->itemData(index).toString()));
            });
        }
        control = combo;
        break;
    }
    case ValueKind::LongText: {
        auto* text = new QPlainTextEdit(value, this);
        text->setFixedHeight(90);
        connect(text, &QPlainTextEdit::textChanged, this,
                [this, column, text] { fieldEdited(column, utf8(text->toPlainText())); });
        control = text;
        break;
    }
    case ValueKind::Text:
    case ValueKind::Number:
    case ValueKind::Dice: {
        auto* line = new QLineEdit(value, this);
        line->setMaxLength(32767);
        if (field.kind == ValueKind::Number) {
            line->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[-+]?[0-9]*([.,][0-9]*)?")), line));
            line->setMaximumWidth(90);
        }
        if (field.kind == ValueKind::Dice)
            line->setMinimumWidth(70);
        connect(line, &QLineEdit::textEdited, this,
                [this, column](const QString& text) { fieldEdited(column, utf8(text)); });
        control = line;
        break;
    }
    }
    control->setObjectName(qs(column));
    control->setToolTip(hint(field));
    controls_[column] = control;
    markProblem(column);
    return control;
}

void EditorDialog::fieldEdited(const std::string& column, const std::string& text) {
    const auto problem = editor_.setValue(column, text);
    refused_.erase(column);
    if (problem && !representableInCp1250(text)) {
        // The character cannot be stored: put back what was there and say why at the field.
        QWidget* control = controls_.at(column);
        const QString old = qs(editor_.value(column));
        if (auto* line = qobject_cast<QLineEdit*>(control)) {
            putBackText(line, old);
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
            const QSignalBlocker quiet(plain);
            plain->setPlainText(old);
            plain->moveCursor(QTextCursor::End);
        }
        status_->showReason(aboutField(column, *problem), control);
        markProblem(column);
        return;
    }
    if (problem && editor_.value(column) != text)
        refused_[column] = *problem; // half-typed number: shown red until it is one
    status_->clear();
    markProblem(column);
}

QString EditorDialog::hint(const Field& field) const {
    const auto& required = editor_.def().required;
    return qs(editors::fieldHint(field, std::find(required.begin(), required.end(), field.column) !=
                                            required.end()));
}

QString EditorDialog::aboutField(const std::string& column, const std::string& text) const {
    const Field* field = editor_.field(column);
    return qs((field ? editors::fieldName(*field) : column) + ": " + text);
}

void EditorDialog::markProblem(const std::string& column) {
    QWidget* control = controls_.at(column);
    std::optional<std::string> problem = editor_.problem(column);
    if (const auto it = refused_.find(column); it != refused_.end())
        problem = it->second;
    const bool textual =
        qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control);
    if (!textual)
        return;
    control->setStyleSheet(problem ? QStringLiteral("background-color: rgb(255, 0, 0);")
                                   : QString());
    const Field* field = editor_.field(column);
    const QString what = field ? hint(*field) : qs(column);
    control->setToolTip(problem ? qs(*problem) + QStringLiteral("\n\n") + what : what);
}

QWidget* EditorDialog::makeLinkSection(std::size_t link) {
    const editors::LinkDef& def = editor_.def().links[link];
    auto* box = new QGroupBox(qs(def.label), this);
    auto* view = sectionView(box, def.table + "." + def.ownerColumn);
    linkViews_[link] = view;
    auto* buttons = new QHBoxLayout;
    QPushButton* add = sectionButton("Dodaj", box, buttons);
    const bool hasValues = !def.values.empty();
    if (hasValues) {
        QPushButton* edit = sectionButton("Edycja", box, buttons);
        connect(edit, &QPushButton::clicked, this, [this, link, view] {
            if (view->currentRow() >= 0)
                editLinkValues(link, static_cast<std::size_t>(view->currentRow()));
        });
        connect(view, &QListWidget::itemDoubleClicked, this, [this, link, view] {
            editLinkValues(link, static_cast<std::size_t>(view->currentRow()));
        });
    }
    QPushButton* remove = sectionButton("Usuń", box, buttons);
    buttons->addStretch();
    connect(add, &QPushButton::clicked, this, [this, link] {
        const editors::LinkDef& linkDef = editor_.def().links[link];
        if (linkDef.ownIds) {
            // A row of its own (a title): made here and filled in the value dialog.
            editor_.link(link, {NewId(), {}});
            const std::size_t index = editor_.linked(link).size() - 1;
            if (!editLinkValues(link, index))
                editor_.unlinkAt(link, index);
            showLinks(link);
            return;
        }
        CListaWybor pick(this, db_, linkDef.pick, editor_.pickQuery(link));
        if (pick.exec() == QDialog::Accepted)
            linkRows(link, pick.picked());
    });
    connect(remove, &QPushButton::clicked, this, [this, link, view] {
        if (view->currentRow() >= 0)
            editor_.unlinkAt(link, static_cast<std::size_t>(view->currentRow()));
        showLinks(link);
    });
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(view);
    layout->addLayout(buttons);
    showLinks(link);
    return box;
}

void EditorDialog::showLinks(std::size_t link) {
    QListWidget* view = linkViews_.at(link);
    const editors::LinkDef& def = editor_.def().links[link];
    view->clear();
    for (const editors::LinkedRow& row : editor_.linked(link)) {
        QString text = qs(row.name);
        if (!def.ownIds)
            for (std::size_t v = 0; v < def.values.size() && v < row.values.size(); ++v)
                text +=
                    QStringLiteral("  [%1: %2]").arg(qs(def.values[v].label), qs(row.values[v]));
        auto* item = new QListWidgetItem(text, view);
        item->setData(Qt::UserRole, qs(row.id));
    }
}

bool EditorDialog::editLinkValues(std::size_t link, std::size_t index) {
    const editors::LinkDef& def = editor_.def().links[link];
    if (index >= editor_.linked(link).size())
        return false;
    const editors::LinkedRow& row = editor_.linked(link)[index];
    LinkValueDialog dialog(this, def.valueTitle, row.name, def.values, row.values);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const std::vector<std::string> values = dialog.values();
    for (std::size_t v = 0; v < values.size(); ++v)
        if (auto problem = editors::valueProblem(def.values[v].kind, values[v])) {
            port_.showError(def.values[v].label + ": " + *problem, def.valueTitle);
            return false;
        }
    editor_.setLinkValues(link, index, values);
    showLinks(link);
    return true;
}

void EditorDialog::linkRows(std::size_t link, const std::vector<editors::LinkedRow>& rows) {
    for (const editors::LinkedRow& row : rows)
        editor_.link(link, row);
    showLinks(link);
}

QWidget* EditorDialog::makeChildSection(std::size_t list) {
    const editors::ChildrenDef& def = editor_.def().children[list];
    auto* box = new QGroupBox(qs(def.label), this);
    auto* view = sectionView(box, def.editor().table);
    childViews_[list] = view;
    auto* buttons = new QHBoxLayout;
    QPushButton* add = sectionButton("Dodaj", box, buttons);
    QPushButton* edit = sectionButton("Edycja", box, buttons);
    QPushButton* remove = sectionButton("Usuń", box, buttons);
    buttons->addStretch();
    connect(add, &QPushButton::clicked, this, [this, list] { addChild(list); });
    connect(edit, &QPushButton::clicked, this,
            [this, list, view] { editChild(list, view->currentRow()); });
    connect(view, &QListWidget::itemDoubleClicked, this,
            [this, list, view] { editChild(list, view->currentRow()); });
    connect(remove, &QPushButton::clicked, this,
            [this, list, view] { removeChild(list, view->currentRow()); });
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(view);
    layout->addLayout(buttons);
    showChildren(list);
    return box;
}

void EditorDialog::showChildren(std::size_t list) {
    QListWidget* view = childViews_.at(list);
    view->clear();
    for (const editors::LinkedRow& row : editor_.children(list)) {
        auto* item = new QListWidgetItem(qs(row.name), view);
        item->setData(Qt::UserRole, qs(row.id));
    }
}

void EditorDialog::addChild(std::size_t list) {
    EditorDialog child(db_, editor_.def().children[list].editor(), NewId(),
                       editors::EditorMode::New, this, editor_.childFixed(list));
    child.exec();
    (void)editor_.reloadChildren(list);
    showChildren(list);
}

void EditorDialog::editChild(std::size_t list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= editor_.children(list).size())
        return;
    EditorDialog child(db_, editor_.def().children[list].editor(),
                       editor_.children(list)[static_cast<std::size_t>(index)].id,
                       editors::EditorMode::Edit, this, editor_.childFixed(list));
    child.exec();
    (void)editor_.reloadChildren(list);
    showChildren(list);
}

void EditorDialog::removeChild(std::size_t list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= editor_.children(list).size())
        return;
    const std::string id = editor_.children(list)[static_cast<std::size_t>(index)].id;
    if (Status status = editor_.removeChild(list, id); !status)
        port_.showError("Nie usunięto: " + status.message(), editor_.title());
    showChildren(list);
}

QWidget* EditorDialog::makeOwnedSection(std::size_t list) {
    const editors::OwnedRowsDef& def = editor_.def().owned[list];
    auto* box = new QGroupBox(qs(def.label), this);
    auto* view = sectionView(box, def.editor().table);
    ownedViews_[list] = view;
    auto* buttons = new QHBoxLayout;
    QPushButton* add = sectionButton("Dodaj", box, buttons);
    QPushButton* edit = sectionButton("Edycja", box, buttons);
    QPushButton* remove = sectionButton("Usuń", box, buttons);
    buttons->addStretch();
    connect(add, &QPushButton::clicked, this, [this, list] { addOwned(list); });
    connect(edit, &QPushButton::clicked, this,
            [this, list, view] { editOwned(list, view->currentRow()); });
    connect(view, &QListWidget::itemDoubleClicked, this,
            [this, list, view] { editOwned(list, view->currentRow()); });
    connect(remove, &QPushButton::clicked, this,
            [this, list, view] { removeOwned(list, view->currentRow()); });
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(view);
    layout->addLayout(buttons);
    showOwned(list);
    return box;
}

void EditorDialog::showOwned(std::size_t list) {
    QListWidget* view = ownedViews_.at(list);
    view->clear();
    for (std::size_t i = 0; i < editor_.owned(list).size(); ++i)
        new QListWidgetItem(qs(editor_.ownedName(list, i)), view);
}

void EditorDialog::addOwned(std::size_t list) {
    const editors::OwnedRowsDef& def = editor_.def().owned[list];
    const editors::RowValues row{{"id", NewId()}};
    EditorDialog form(db_, def.editor(), row.at("id"), editors::EditorMode::New, this,
                      {{def.ownerColumn, editor_.id()}}, &row);
    if (form.exec() != QDialog::Accepted)
        return;
    editors::RowValues values = form.editor().values();
    values["id"] = row.at("id");
    editor_.setOwned(list, editor_.owned(list).size(), std::move(values));
    showOwned(list);
}

void EditorDialog::editOwned(std::size_t list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= editor_.owned(list).size())
        return;
    const auto at = static_cast<std::size_t>(index);
    const editors::OwnedRowsDef& def = editor_.def().owned[list];
    const editors::RowValues row = editor_.owned(list)[at];
    const auto id = row.find("id");
    EditorDialog form(db_, def.editor(), id == row.end() ? std::string() : id->second,
                      editors::EditorMode::Edit, this, {{def.ownerColumn, editor_.id()}}, &row);
    if (form.exec() != QDialog::Accepted)
        return;
    editors::RowValues values = row;
    for (const auto& [column, value] : form.editor().values())
        values[column] = value;
    editor_.setOwned(list, at, std::move(values));
    showOwned(list);
}

void EditorDialog::removeOwned(std::size_t list, int index) {
    if (index < 0)
        return;
    editor_.removeOwned(list, static_cast<std::size_t>(index));
    showOwned(list);
}

void EditorDialog::reject() {
    if (!held_)
        (void)editor_.cancel(); // a failure is written to the error stream
    QDialog::reject();
}

LinkValueDialog::LinkValueDialog(QWidget* parent, const std::string& title,
                                 const std::string& rowName,
                                 const std::vector<editors::ColumnNote>& columns,
                                 const std::vector<std::string>& values)
    : QDialog(parent), columns_(columns) {
    setWindowTitle(qs(title));
    setObjectName(QStringLiteral("LinkValueDialog"));
    auto* layout = new QVBoxLayout(this);
    if (!rowName.empty())
        layout->addWidget(new QLabel(qs(rowName), this));
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        auto* edit = new QLineEdit(qs(i < values.size() ? values[i] : std::string()), this);
        edit->setObjectName(qs(columns[i].column));
        edit->setToolTip(qs(editors::fieldHint(editors::fieldFrom(columns[i]), false)));
        grid->addWidget(new QLabel(qs(columns[i].label), this), static_cast<int>(i), 0);
        grid->addWidget(edit, static_cast<int>(i), 1);
        edits_.push_back(edit);
    }
    layout->addLayout(grid);
    status_ = new StatusLine(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setAutoDefault(false);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void LinkValueDialog::accept() {
    const std::vector<std::string> typed = values();
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (auto problem = editors::valueProblem(columns_[i].kind, typed[i])) {
            status_->showReason(qs(columns_[i].label + ": " + *problem), edits_[i]);
            return;
        }
    QDialog::accept();
}

std::vector<std::string> LinkValueDialog::values() const {
    std::vector<std::string> out;
    for (QWidget* edit : edits_)
        out.push_back(utf8(static_cast<QLineEdit*>(edit)->text()));
    return out;
}

int EditorDialog::exec() {
    // A row read only in part is not shown: its save would write the part over the rest.
    if (!loaded_) {
        port_.showError("Nie wczytano wiersza: " + loaded_.message(), editor_.title());
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void EditorDialog::saveClicked() {
    // A blocked save says why in the status line and goes to the field at fault.
    if (!refused_.empty()) {
        const auto& [column, problem] = *refused_.begin();
        status_->showReason(aboutField(column, problem), control(column));
        return;
    }
    if (const auto blocked = editor_.blocker()) {
        status_->showReason(qs(blocked->message), control(blocked->column));
        return;
    }
    status_->clear();
    if (held_) {
        // The opener keeps the row and saves it with its own.
        if (editor_.check(port_) == editors::RowEditor::SaveResult::Saved)
            accept();
        return;
    }
    if (editor_.save(port_) == editors::RowEditor::SaveResult::Saved)
        accept();
}

bool EditorDialog::remove() {
    return editor_.remove().ok();
}

} // namespace tallar::ui
