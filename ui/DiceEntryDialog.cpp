#include "ui/DiceEntryDialog.h"

#include "ui/QtText.h"
#include "ui/StatusLine.h"
#include "wizard/AskedThrows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tallar::ui {

namespace {

constexpr std::size_t kThrowsShown = 8; // the latest throws the dialog lists

} // namespace

DiceEntryDialog::DiceEntryDialog(int sides, const QString& caption, QWidget* parent)
    : QDialog(parent), entry_(sides), body_(new QVBoxLayout), buttons_(new QHBoxLayout),
      edit_(new QLineEdit(this)), roll_(new QPushButton(qs(entry_.rollCaption()), this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(caption);
    edit_->setMaxLength(8);
    edit_->setAutoFillBackground(true);
    ok_->setDefault(true);
    roll_->setAutoDefault(false);

    roll_->setToolTip(QStringLiteral("Program rzuca za ciebie tym jednym rzutem."));
    edit_->setObjectName(QStringLiteral("throw"));
    if (const auto explanation = entry_.explanation()) {
        auto* explained = new QLabel(qs(*explanation), this);
        explained->setObjectName(QStringLiteral("explanation"));
        explained->setWordWrap(true);
        body_->addWidget(explained);
    }
    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(roll_);
    entryRow->addWidget(edit_, 1);
    if (entry_.scale().divisor > 1) {
        gives_ = new QLabel(this);
        gives_->setObjectName(QStringLiteral("gives"));
        entryRow->addWidget(gives_);
    }
    body_->addLayout(entryRow);

    status_ = new StatusLine(this);
    buttons_->addWidget(status_, 1);
    buttons_->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body_);
    layout->addLayout(buttons_);

    connect(edit_, &QLineEdit::textChanged, this, &DiceEntryDialog::updateEntry);
    connect(roll_, &QPushButton::clicked, this, &DiceEntryDialog::roll);
    connect(ok_, &QPushButton::clicked, this, &DiceEntryDialog::accept);
    updateEntry(QString());
    setMinimumWidth(320);
}

void DiceEntryDialog::addCancelButton() {
    cancel_ = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel_->setAutoDefault(false);
    buttons_->addWidget(cancel_);
    connect(cancel_, &QPushButton::clicked, this, &DiceEntryDialog::reject);
}

void DiceEntryDialog::updateEntry(const QString& text) {
    entry_.setText(utf8(text));
    QPalette colours = edit_->palette();
    colours.setColor(QPalette::Base, entry_.valid() ? QColor(255, 255, 255) : QColor(255, 0, 0));
    edit_->setPalette(colours);
    // While OK is refused, the entry, the button and the status line say why.
    const QString why = qs(entry_.problem().value_or(""));
    edit_->setToolTip(why);
    ok_->setToolTip(why);
    status_->setText(why);
    ok_->setEnabled(entry_.valid());
    if (gives_) {
        const auto result = entry_.result();
        gives_->setText(result ? QStringLiteral("→ K%1: %2")
                                     .arg(entry_.scale().shownSize / entry_.scale().divisor)
                                     .arg(*result)
                               : QString());
    }
    entryChanged();
}

void DiceEntryDialog::accept() {
    const auto value = entry_.result();
    if (!value) {
        status_->showReason(qs(entry_.problem().value_or("")), edit_);
        return;
    }
    result_ = *value;
    QDialog::accept();
}

void DiceEntryDialog::roll() {
    entry_.roll(diceGenerator());
    edit_->setText(qs(entry_.text()));
    // The throw stays in view for a moment, then counts as OK; nothing may change it now.
    edit_->setReadOnly(true);
    roll_->setEnabled(false);
    ok_->setEnabled(false);
    if (cancel_)
        cancel_->setEnabled(false);
    repaint();
    QTimer::singleShot(rollPause_, this, &DiceEntryDialog::accept);
}

CKxxAsk::CKxxAsk(int sides, const QString& prompt, QWidget* parent, const AskedThrows* throws)
    : DiceEntryDialog(sides, prompt, parent) {
    int at = 0;
    if (!prompt.isEmpty()) {
        auto* asked = new QLabel(QStringLiteral("<b>%1</b>").arg(prompt.toHtmlEscaped()), this);
        body()->insertWidget(at++, asked);
    }
    if (!throws)
        return;
    auto* number =
        new QLabel(QStringLiteral("Rzut nr %1 tego bohatera.").arg(throws->nextNumber()), this);
    number->setObjectName(QStringLiteral("throwNumber"));
    body()->insertWidget(at, number);

    const auto lines = throws->lastLines(kThrowsShown);
    auto* history = new QLabel(this);
    history->setObjectName(QStringLiteral("throwsSoFar"));
    history->setTextFormat(Qt::PlainText);
    history->setText(lines.empty() ? QStringLiteral("Dotąd nie było rzutów.")
                                   : QStringLiteral("Dotychczasowe rzuty:"));
    body()->addWidget(history);
    for (const std::string& line : lines) {
        auto* shown = new QLabel(qs(line), this);
        shown->setIndent(12);
        body()->addWidget(shown);
    }

    throwTheRest_ = new QPushButton(QString::fromUtf8(kThrowTheRest), this);
    throwTheRest_->setObjectName(QStringLiteral("throwTheRest"));
    throwTheRest_->setAutoDefault(false);
    throwTheRest_->setToolTip(
        QStringLiteral("Program wykona ten i każdy następny rzut tego bohatera bez pytania; "
                       "bohater zostanie dokończony."));
    buttonRow()->insertWidget(1, throwTheRest_);
    connect(throwTheRest_, &QPushButton::clicked, this, [this] {
        leftToTheProgram_ = true;
        QDialog::done(QDialog::Accepted);
    });
}

std::optional<int> CKxxAsk::ask(int sides, const QString& prompt, QWidget* parent,
                                const AskedThrows* throws) {
    CKxxAsk dialog(sides, prompt, parent, throws);
    while (dialog.exec() != QDialog::Accepted) {
    }
    if (dialog.throwsLeftToTheProgram())
        return std::nullopt;
    return dialog.result();
}

CWizardKxx::CWizardKxx(int sides, const QString& caption, const QString& label, QWidget* parent)
    : DiceEntryDialog(sides, caption, parent), label_(new QLabel(label, this)),
      resultField_(new QLineEdit(this)) {
    resultField_->setReadOnly(true);
    auto* row = new QHBoxLayout;
    row->addWidget(label_);
    row->addWidget(resultField_, 1);
    body()->addLayout(row);
    addCancelButton();
}

QString CWizardKxx::lookUp(int) const {
    return QString();
}

void CWizardKxx::showEvent(QShowEvent* event) {
    entryChanged();
    DiceEntryDialog::showEvent(event);
}

void CWizardKxx::entryChanged() {
    resultField_->setText(lookUp(entry().entered()));
    resultField_->repaint();
}

} // namespace tallar::ui
