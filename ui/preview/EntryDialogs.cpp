#include "ui/preview/EntryDialogs.h"

#include "model/GameCalendar.h"
#include "ui/QtText.h"
#include "ui/StatusLine.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tallar::ui {

namespace {

QLineEdit* lineEdit(const std::string& text, QWidget* parent) {
    auto* line = new QLineEdit(qs(text), parent);
    line->setMinimumWidth(260);
    return line;
}

} // namespace

// --- The frame -------------------------------------------------------------------------

EntryFormDialog::EntryFormDialog(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title);
    form_ = new QFormLayout;
}

void EntryFormDialog::finishLayout() {
    status_ = new StatusLine(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &EntryFormDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EntryFormDialog::reject);
    auto* foot = new QHBoxLayout;
    foot->addWidget(status_, 1);
    foot->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addLayout(foot);
}

void EntryFormDialog::accept() {
    if (const auto problem = store()) {
        status_->showReason(qs(*problem), firstField());
        return;
    }
    QDialog::accept();
}

// --- The calendar ----------------------------------------------------------------------

CalendarDialog::CalendarDialog(const GameDate& date, int dayPart, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(kTitle));
    year_ = new QSpinBox(this);
    year_->setRange(0, 200000);
    year_->setValue(date.year);
    month_ = new QComboBox(this);
    int number = 0;
    for (const CRTdata::Month& month : CRTdata::months())
        month_->addItem(QStringLiteral("%1. ").arg(++number) + qs(month.name));
    month_->setCurrentIndex(std::clamp(date.month, 1, GameDate::kMonths) - 1);
    days_ = new QButtonGroup(this);
    days_->setExclusive(true);
    auto* grid = new QGridLayout;
    constexpr int kColumns = 6;
    for (int day = 1; day <= GameDate::kDaysPerMonth; ++day) {
        auto* button = new QPushButton(QString::number(day), this);
        button->setCheckable(true);
        button->setFixedWidth(40);
        // The chosen day in the colours of a selection, plainer than a pressed button.
        button->setStyleSheet(
            QStringLiteral("QPushButton:checked { background: palette(highlight); color: "
                           "palette(highlighted-text); font-weight: bold; }"));
        days_->addButton(button, day);
        grid->addWidget(button, (day - 1) / kColumns, (day - 1) % kColumns);
    }
    days_->button(std::clamp(date.day, 1, GameDate::kDaysPerMonth))->setChecked(true);
    part_ = new QComboBox(this);
    part_->addItem(QStringLiteral("(bez pory dnia)"));
    for (const CRTdata::DayPart& part : CRTdata::dayParts())
        part_->addItem(qs(part.name) + QStringLiteral(" (%1–%2)")
                                           .arg(part.firstHour)
                                           .arg(part.firstHour + CRTdata::kHoursPerDayPart));
    part_->setCurrentIndex(dayPart >= 0 && dayPart < part_->count() ? dayPart : 0);
    text_ = new QLabel(this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Rok:"), this));
    top->addWidget(year_);
    top->addWidget(new QLabel(QStringLiteral("Miesiąc:"), this));
    top->addWidget(month_, 1);
    auto* partRow = new QHBoxLayout;
    partRow->addWidget(new QLabel(QStringLiteral("Pora dnia:"), this));
    partRow->addWidget(part_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addLayout(partRow);
    layout->addWidget(text_);
    layout->addWidget(buttons);

    connect(year_, &QSpinBox::valueChanged, this, &CalendarDialog::showText);
    connect(month_, &QComboBox::currentIndexChanged, this, &CalendarDialog::showText);
    connect(days_, &QButtonGroup::idClicked, this, &CalendarDialog::showText);
    connect(part_, &QComboBox::currentIndexChanged, this, &CalendarDialog::showText);
    showText();
}

GameDate CalendarDialog::date() const {
    return {.year = year_->value(), .month = month_->currentIndex() + 1, .day = days_->checkedId()};
}

int CalendarDialog::dayPart() const {
    return part_->currentIndex();
}

QString CalendarDialog::dateText() const {
    return qs(CRTdata::text(date(), dayPart()));
}

void CalendarDialog::showText() {
    text_->setText(dateText());
}

// --- CPozEdycja --------------------------------------------------------------------------

CPozEdycja::CPozEdycja(GenericForm& fields, QWidget* parent)
    : EntryFormDialog(QStringLiteral("Edycja"), parent), data_(fields) {
    info_ = lineEdit(fields.info, this);
    info_->setReadOnly(fields.infoReadOnly);
    value_ = lineEdit(fields.value, this);
    dateText_ = lineEdit("", this);
    dateText_->setReadOnly(true);
    calendar_ = new QPushButton(QStringLiteral("Kalendarz…"), this);
    kind_ = new QComboBox(this);
    if (fields.kindFixed) {
        kind_->addItem(qs(valueKindName(fields.kind)), fields.kind);
        kind_->setEnabled(false);
    } else {
        for (const KindChoice& choice : newEntryKinds())
            kind_->addItem(qs(choice.name), choice.kind);
        kind_->setCurrentIndex(std::max(0, kind_->findData(fields.kind)));
    }
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(dateText_, 1);
    dateRow->addWidget(calendar_);
    auto* valueRow = new QVBoxLayout;
    valueRow->addWidget(value_);
    valueRow->addLayout(dateRow);
    valueLabel_ = new QLabel(QStringLiteral("Wartość:"), this);
    form()->addRow(QStringLiteral("Opis:"), info_);
    form()->addRow(valueLabel_, valueRow);
    form()->addRow(QStringLiteral("Rodzaj:"), kind_);
    finishLayout();

    connect(kind_, &QComboBox::currentIndexChanged, this, [this] {
        data_.setKind(kind_->currentData().toInt());
        showKind();
    });
    connect(calendar_, &QPushButton::clicked, this, [this] { chooseDate(); });
    showKind();
}

void CPozEdycja::showKind() {
    const auto shows = data_.shows();
    const bool date = shows == GenericForm::Shows::Date;
    value_->setVisible(!date);
    dateText_->setVisible(date);
    calendar_->setVisible(date);
    valueLabel_->setText(shows == GenericForm::Shows::Percent ? QStringLiteral("Wartość [%]:")
                                                              : QStringLiteral("Wartość:"));
    dateText_->setText(qs(CRTdata::text(data_.date, data_.dayPart)));
    // The whole date in view, from its start.
    dateText_->setMinimumWidth(dateText_->fontMetrics().horizontalAdvance(dateText_->text()) + 16);
    dateText_->setCursorPosition(0);
}

void CPozEdycja::chooseDate(const std::function<bool(CalendarDialog&)>& pick) {
    CalendarDialog calendar(data_.date, data_.dayPart, this);
    const bool chosen = pick ? pick(calendar) : calendar.exec() == QDialog::Accepted;
    if (!chosen)
        return;
    data_.date = calendar.date();
    data_.dayPart = calendar.dayPart();
    showKind();
}

std::optional<std::string> CPozEdycja::store() {
    data_.info = utf8(info_->text());
    data_.value = utf8(value_->text());
    return data_.problem();
}

QWidget* CPozEdycja::firstField() const {
    if (data_.shows() == GenericForm::Shows::Date)
        return calendar_;
    return value_;
}

// --- CPozBool ----------------------------------------------------------------------------

CPozBool::CPozBool(YesNoForm& fields, QWidget* parent)
    : EntryFormDialog(QStringLiteral("Edycja"), parent), data_(fields) {
    auto* info = lineEdit(fields.info, this);
    info->setReadOnly(true);
    choice_ = new QComboBox(this);
    choice_->addItems({QStringLiteral("TAK"), QStringLiteral("NIE")});
    choice_->setCurrentIndex(fields.yes ? 0 : 1);
    form()->addRow(QStringLiteral("Opis:"), info);
    form()->addRow(QString(), choice_);
    finishLayout();
}

std::optional<std::string> CPozBool::store() {
    data_.yes = choice_->currentIndex() == 0;
    return std::nullopt;
}

QWidget* CPozBool::firstField() const {
    return choice_;
}

// --- CPozKasa ----------------------------------------------------------------------------

CPozKasa::CPozKasa(MoneyForm& fields, QWidget* parent)
    : EntryFormDialog(QStringLiteral("Edycja"), parent), data_(fields) {
    info_ = lineEdit(fields.info, this);
    count_ = lineEdit(fields.count, this);
    gold_ = new QLineEdit(qs(fields.gold), this);
    silver_ = new QLineEdit(qs(fields.silver), this);
    auto* worth = new QHBoxLayout;
    worth->addWidget(gold_);
    worth->addWidget(new QLabel(QStringLiteral("[szt.złota] i"), this));
    worth->addWidget(silver_);
    worth->addWidget(new QLabel(QStringLiteral("[szt.srebra]"), this));
    form()->addRow(QStringLiteral("Opis:"), info_);
    form()->addRow(QStringLiteral("Ilość sztuk:"), count_);
    form()->addRow(QStringLiteral("Wartość jednej sztuki:"), worth);
    finishLayout();
}

std::optional<std::string> CPozKasa::store() {
    data_.info = utf8(info_->text());
    data_.count = utf8(count_->text());
    data_.gold = utf8(gold_->text());
    data_.silver = utf8(silver_->text());
    return data_.problem();
}

QWidget* CPozKasa::firstField() const {
    return count_;
}

// --- CPozEkwipunek -----------------------------------------------------------------------

CPozEkwipunek::CPozEkwipunek(ItemForm& fields, QWidget* parent)
    : EntryFormDialog(QStringLiteral("Ekwipunek"), parent), data_(fields) {
    info_ = lineEdit(fields.info, this);
    count_ = lineEdit(fields.count, this);
    weight_ = lineEdit(fields.unitWeight, this);
    form()->addRow(QStringLiteral("Nazwa:"), info_);
    form()->addRow(QStringLiteral("Ilość:"), count_);
    form()->addRow(QStringLiteral("Waga jedn.[SF]"), weight_);
    finishLayout();
}

std::optional<std::string> CPozEkwipunek::store() {
    data_.info = utf8(info_->text());
    data_.count = utf8(count_->text());
    data_.unitWeight = utf8(weight_->text());
    return data_.problem();
}

QWidget* CPozEkwipunek::firstField() const {
    return count_;
}

// --- CPozOpis ----------------------------------------------------------------------------

CPozOpis::CPozOpis(TextForm& fields, QWidget* parent)
    : EntryFormDialog(QStringLiteral("Edycja"), parent), data_(fields) {
    info_ = lineEdit(fields.info, this);
    form()->addRow(QStringLiteral("Opis:"), info_);
    finishLayout();
}

std::optional<std::string> CPozOpis::store() {
    data_.info = utf8(info_->text());
    return data_.problem();
}

QWidget* CPozOpis::firstField() const {
    return info_;
}

} // namespace tallar::ui
