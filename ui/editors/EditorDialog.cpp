#include "ui/editors/EditorDialog.h"

#include "base/Cp1250.h"
#include "store/Database.h"
#include "ui/QtText.h"
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
#include <QTabWidget>
#include <QVBoxLayout>

namespace tallar::ui {

using editors::Field;
using editors::ValueKind;

namespace {

// The pages of the fields in the order they first appear.
std::vector<std::string> pagesOf(const std::vector<Field>& fields) {
    std::vector<std::string> pages;
    for (const Field& field : fields)
        if (std::find(pages.begin(), pages.end(), field.page) == pages.end())
            pages.push_back(field.page);
    return pages;
}

} // namespace

EditorDialog::EditorDialog(Database& db, const editors::EditorDef& def, const std::string& id,
                           char mode, QWidget* parent, std::vector<editors::FixedValue> extraFixed)
    : QDialog(parent), db_(db), editor_(db, def, id, mode, std::move(extraFixed)), port_(this) {
    setWindowTitle(qs(editor_.title()));
    setObjectName(qs(def.className));
    if (editor_.mode() != editors::RowEditor::Mode::Delete)
        (void)editor_.load(); // a failure is written to the error stream; the form stays empty

    // The fields, page by page; a page is a grid whose rows are fields or groups of them.
    const auto pages = pagesOf(editor_.fields());
    QTabWidget* tabs = pages.size() > 1 ? new QTabWidget(this) : nullptr;
    QWidget* single = nullptr;
    for (const std::string& page : pages) {
        auto* content = new QWidget;
        auto* grid = new QGridLayout(content);
        int row = -1;
        int column = 0;
        std::string group;
        bool inGroup = false;
        for (const Field& field : editor_.fields()) {
            if (field.page != page)
                continue;
            QWidget* control = makeControl(field);
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
        grid->setRowStretch(row + 1, 1);
        if (tabs) {
            auto* scroll = new QScrollArea;
            scroll->setWidget(content);
            scroll->setWidgetResizable(true);
            scroll->setFrameShape(QFrame::NoFrame);
            tabs->addTab(scroll, qs(page));
        } else {
            single = content;
        }
    }

    auto* layout = new QVBoxLayout(this);
    if (tabs)
        layout->addWidget(tabs, 1);
    else if (single)
        layout->addWidget(single, 1);

    if (!def.links.empty()) {
        auto* links = new QHBoxLayout;
        for (std::size_t i = 0; i < def.links.size(); ++i)
            links->addWidget(makeLinkSection(i));
        layout->addLayout(links);
    }
    sections_ = new QVBoxLayout;
    layout->addLayout(sections_);

    auto* save = new QPushButton(QStringLiteral("Zapisz"), this);
    save->setObjectName(QStringLiteral("save"));
    save->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &EditorDialog::saveClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void EditorDialog::addSection(QWidget* section) {
    sections_->addWidget(section);
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
        (void)db_.exec("SELECT id," + field.reference.display + " FROM " + field.reference.table +
                           " ORDER BY 2;",
                       [&](const Row& row) { combo->addItem(qs(row.text(1)), qs(row.text(0))); });
        if (combo->findData(value) < 0)
            combo->addItem(value, value);
        combo->setCurrentIndex(combo->findData(value));
        connect(combo, &QComboBox::currentIndexChanged, this, [this, column, combo](int index) {
            fieldEdited(column, utf8(combo->itemData(index).toString()));
        });
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
    control->setToolTip(qs(field.label));
    controls_[column] = control;
    markProblem(column);
    return control;
}

void EditorDialog::fieldEdited(const std::string& column, const std::string& text) {
    const auto problem = editor_.setValue(column, text);
    refused_.erase(column);
    if (problem && !representableInCp1250(text)) {
        // The character cannot be stored: say so and put back what was there.
        port_.showError(*problem, editor_.title());
        QWidget* control = controls_.at(column);
        const QString old = qs(editor_.value(column));
        if (auto* line = qobject_cast<QLineEdit*>(control))
            line->setText(old);
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
            plain->setPlainText(old);
    } else if (problem && editor_.value(column) != text) {
        refused_[column] = *problem; // half-typed number: shown red until it is one
    }
    markProblem(column);
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
    control->setToolTip(problem ? qs(*problem) : qs(field ? field->label : column));
}

QWidget* EditorDialog::makeLinkSection(std::size_t link) {
    const editors::LinkDef& def = editor_.def().links[link];
    auto* box = new QGroupBox(qs(def.label), this);
    auto* view = new QListWidget(box);
    view->setObjectName(qs(def.table));
    view->setMaximumHeight(120);
    linkViews_.push_back(view);
    auto* add = new QPushButton(QStringLiteral("Dodaj"), box);
    auto* remove = new QPushButton(QStringLiteral("Usuń"), box);
    add->setAutoDefault(false);
    remove->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, [this, link] {
        CListaWybor pick(this, db_, editor_.def().links[link].pick, editor_.pickQuery(link));
        if (pick.exec() == QDialog::Accepted)
            linkRows(link, pick.picked());
    });
    connect(remove, &QPushButton::clicked, this, [this, link, view] {
        for (QListWidgetItem* item : view->selectedItems())
            editor_.unlink(link, utf8(item->data(Qt::UserRole).toString()));
        showLinks(link);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(view);
    layout->addLayout(buttons);
    showLinks(link);
    return box;
}

void EditorDialog::showLinks(std::size_t link) {
    QListWidget* view = linkViews_.at(link);
    view->clear();
    for (const editors::LinkedRow& row : editor_.linked(link)) {
        auto* item = new QListWidgetItem(qs(row.name), view);
        item->setData(Qt::UserRole, qs(row.id));
    }
}

void EditorDialog::linkRows(std::size_t link, const std::vector<editors::LinkedRow>& rows) {
    for (const editors::LinkedRow& row : rows)
        editor_.link(link, row);
    showLinks(link);
}

void EditorDialog::saveClicked() {
    if (!refused_.empty()) {
        const auto& [column, problem] = *refused_.begin();
        const Field* field = editor_.field(column);
        port_.showError((field ? field->label : column) + ": " + problem, editor_.title());
        return;
    }
    if (editor_.save(port_) == editors::RowEditor::SaveResult::Saved)
        accept();
}

bool EditorDialog::remove() {
    return editor_.remove().ok();
}

} // namespace tallar::ui
