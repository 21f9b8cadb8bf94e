#pragma once

#include "model/GameDate.h"
#include "preview/EntryForms.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QButtonGroup;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tallar::ui {

class StatusLine;

// The frame of the preview's edit dialogs: a form of labelled fields, a status line and
// "OK" / "Anuluj". OK stores the fields into the form's data and closes only when the data
// pass their check; otherwise the status line says why and the field gets the focus.
class EntryFormDialog : public QDialog {
    Q_OBJECT
public:
    void accept() override;

protected:
    EntryFormDialog(const QString& title, QWidget* parent);
    QFormLayout* form() const { return form_; }
    // Adds the status line and the buttons; called once the fields are in.
    void finishLayout();
    // Copies the fields into the data and returns why they cannot be written, if so.
    virtual std::optional<std::string> store() = 0;
    // The field a refusal puts the focus on.
    virtual QWidget* firstField() const = 0;

private:
    QFormLayout* form_;
    StatusLine* status_ = nullptr;
};

// A date of the game calendar: the year, one of the twelve months by name, one of its thirty
// days, and the part of the day (or none).
class CalendarDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Kalendarz";

    CalendarDialog(const GameDate& date, int dayPart, QWidget* parent = nullptr);

    GameDate date() const;
    int dayPart() const;
    // The date with its names, as the tree will show it.
    QString dateText() const;

    QSpinBox* year() const { return year_; }
    QComboBox* month() const { return month_; }
    QButtonGroup* days() const { return days_; }
    QComboBox* part() const { return part_; }

private:
    void showText();

    QSpinBox* year_;
    QComboBox* month_;
    QButtonGroup* days_;
    QComboBox* part_;
    QLabel* text_;
};

// CPozEdycja ("Edycja"): the label, the value (a date through the calendar) and the kind.
class CPozEdycja : public EntryFormDialog {
    Q_OBJECT
public:
    CPozEdycja(GenericForm& fields, QWidget* parent = nullptr);

    QLineEdit* info() const { return info_; }
    QLineEdit* value() const { return value_; }
    QComboBox* kind() const { return kind_; }
    QPushButton* calendarButton() const { return calendar_; }
    // Opens the calendar (tests answer it through `pick`, which edits the open dialog).
    void chooseDate(const std::function<bool(CalendarDialog&)>& pick = {});

protected:
    std::optional<std::string> store() override;
    QWidget* firstField() const override;

private:
    void showKind();

    GenericForm& data_;
    QLineEdit* info_;
    QLineEdit* value_;
    QLineEdit* dateText_;
    QPushButton* calendar_;
    QComboBox* kind_;
    QLabel* valueLabel_;
};

// CPozBool ("Edycja"): the label, read-only, and "TAK" / "NIE".
class CPozBool : public EntryFormDialog {
    Q_OBJECT
public:
    CPozBool(YesNoForm& fields, QWidget* parent = nullptr);
    QComboBox* choice() const { return choice_; }

protected:
    std::optional<std::string> store() override;
    QWidget* firstField() const override;

private:
    YesNoForm& data_;
    QComboBox* choice_;
};

// CPozKasa ("Edycja"): the label, the count and the worth of one piece in gold and silver.
class CPozKasa : public EntryFormDialog {
    Q_OBJECT
public:
    CPozKasa(MoneyForm& fields, QWidget* parent = nullptr);
    QLineEdit* info() const { return info_; }
    QLineEdit* count() const { return count_; }
    QLineEdit* gold() const { return gold_; }
    QLineEdit* silver() const { return silver_; }

protected:
    std::optional<std::string> store() override;
    QWidget* firstField() const override;

private:
    MoneyForm& data_;
    QLineEdit *info_, *count_, *gold_, *silver_;
};

// CPozEkwipunek ("Ekwipunek"): the name, the count and the unit weight.
class CPozEkwipunek : public EntryFormDialog {
    Q_OBJECT
public:
    CPozEkwipunek(ItemForm& fields, QWidget* parent = nullptr);
    QLineEdit* count() const { return count_; }
    QLineEdit* unitWeight() const { return weight_; }

protected:
    std::optional<std::string> store() override;
    QWidget* firstField() const override;

private:
    ItemForm& data_;
    QLineEdit *info_, *count_, *weight_;
};

// CPozOpis ("Edycja"): the label only.
class CPozOpis : public EntryFormDialog {
    Q_OBJECT
public:
    CPozOpis(TextForm& fields, QWidget* parent = nullptr);

protected:
    std::optional<std::string> store() override;
    QWidget* firstField() const override;

private:
    TextForm& data_;
    QLineEdit* info_;
};

} // namespace tallar::ui
