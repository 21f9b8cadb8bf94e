#include "preview/EntryForms.h"

#include "base/Cp1250.h"
#include "model/Entry.h"
#include "model/GameCalendar.h"
#include "model/Kinds.h"
#include "rules/core/RulesMath.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>

namespace tallar {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// A number as the value field shows it: whole numbers without decimals, others with up to
// four, without trailing zeros.
std::string shortNumber(double value) {
    if (std::fabs(value - std::round(value)) < 1e-9)
        return std::to_string(static_cast<long long>(std::llround(value)));
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", value);
    std::string shown = text;
    while (shown.back() == '0')
        shown.pop_back();
    return shown;
}

std::optional<std::string> textProblem(std::string_view field, std::string_view text) {
    if (const Result<std::string> status = encodeCp1250(text); !status)
        return std::string(field) + ": " + status.message();
    return std::nullopt;
}

std::optional<std::string> wholeProblem(std::string_view field, std::string_view text) {
    if (!parseWholeNumber(text))
        return std::string(field) + ": wpisz liczbę całkowitą.";
    return std::nullopt;
}

std::optional<std::string> decimalProblem(std::string_view field, std::string_view text) {
    if (!parseDecimalNumber(text))
        return std::string(field) + ": wpisz liczbę (np. 1.25).";
    return std::nullopt;
}

} // namespace

std::optional<int> parseWholeNumber(std::string_view text) {
    text = trimmed(text);
    if (text.starts_with('+'))
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> parseDecimalNumber(std::string_view text) {
    std::string normal(trimmed(text));
    for (char& c : normal)
        if (c == ',')
            c = '.';
    if (normal.starts_with('+'))
        normal.erase(0, 1);
    double value = 0.0;
    const char* first = normal.data();
    const char* last = first + normal.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (normal.empty() || error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string twoDecimals(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// --- The generic dialog ------------------------------------------------------------------

const std::vector<KindChoice>& newEntryKinds() {
    static const std::vector<KindChoice> kinds = {
        {kInteger, "liczba"},
        {kPercent, "procent"},
        {kDate, "data kalendarza gry"},
    };
    return kinds;
}

std::string_view valueKindName(int kind) {
    switch (valueKindOf(kind)) {
    case kInteger:
    case kRefInteger:
    case kRefOutside:
        return "liczba";
    case kPercent:
    case kRefPercent:
        return "procent";
    case kMixed:
        return "liczba lub procent";
    case kDate:
        return "data kalendarza gry";
    case kExperience:
        return "punkty doświadczenia";
    default:
        return "inna";
    }
}

GenericForm GenericForm::forNew() {
    GenericForm form;
    form.kind = newEntryKinds().front().kind;
    form.value = "0";
    form.date = {.year = 1247, .month = 1, .day = 1};
    return form;
}

GenericForm GenericForm::from(const CPoz& entry) {
    GenericForm form = forNew();
    form.info = entry.info;
    form.infoReadOnly = !entry.info.empty();
    form.kind = entry.typ;
    form.kindFixed = true;
    form.percentOfMixed_ = entry.valueKind() == kMixed && entry.modyfikator != 0.0;
    switch (form.shows()) {
    case Shows::Percent:
        form.value = shortNumber(entry.modyfikator * 100.0);
        break;
    case Shows::Date:
        (void)GameDate::fromValue(entry.wartosc, form.date); // an invalid one keeps the default
        form.dayPart = CRTdata::dayPartOf(entry.modyfikator);
        break;
    case Shows::Integer:
        form.value = std::to_string(entry.wartosc);
        break;
    }
    return form;
}

GenericForm::Shows GenericForm::shows() const {
    switch (valueKindOf(kind)) {
    case kPercent:
    case kRefPercent:
        return Shows::Percent;
    case kMixed:
        return percentOfMixed_ ? Shows::Percent : Shows::Integer;
    case kDate:
        return Shows::Date;
    default:
        return Shows::Integer;
    }
}

void GenericForm::setKind(int newKind) {
    if (!kindFixed)
        kind = newKind;
}

std::optional<std::string> GenericForm::problem() const {
    if (auto refused = textProblem("Opis", info))
        return refused;
    switch (shows()) {
    case Shows::Integer:
        return wholeProblem("Wartość", value);
    case Shows::Percent:
        return decimalProblem("Wartość", value);
    case Shows::Date: {
        GameDate checked;
        // The value holds year × 10000 + month × 100 + day in an int.
        const bool fits = date.year >= 0 && date.year <= (INT_MAX - 1230) / 10000;
        if (!fits || !GameDate::fromValue(date.toValue(), checked))
            return std::string("Wartość: wybierz datę z kalendarza.");
        return std::nullopt;
    }
    }
    return std::nullopt;
}

void GenericForm::applyTo(CPoz& entry) const {
    if (!infoReadOnly)
        entry.info = info;
    if (!kindFixed)
        entry.typ = kind;
    switch (shows()) {
    case Shows::Integer:
        entry.wartosc = parseWholeNumber(value).value_or(entry.wartosc);
        break;
    case Shows::Percent:
        if (const auto percent = parseDecimalNumber(value))
            entry.modyfikator = *percent / 100.0;
        break;
    case Shows::Date:
        entry.wartosc = date.toValue();
        entry.modyfikator = CRTdata::modifierOfDayPart(dayPart);
        break;
    }
}

// --- Yes or no ---------------------------------------------------------------------------

YesNoForm YesNoForm::from(const CPoz& entry) {
    return {entry.info, entry.wartosc != 0};
}

void YesNoForm::applyTo(CPoz& entry) const {
    if (!yes)
        entry.wartosc = 0;
    else if (entry.wartosc == 0)
        entry.wartosc = 1;
}

// --- Money -------------------------------------------------------------------------------

MoneyForm MoneyForm::from(const CPoz& entry) {
    MoneyForm form;
    form.info = entry.info;
    form.count = std::to_string(entry.wartosc);
    // As the label shows the worth: whole gold pieces, the rest in silver.
    form.gold = std::to_string(static_cast<long long>(entry.modyfikator));
    form.silver = std::to_string(roundToInt(entry.modyfikator * 100.0) % 100);
    return form;
}

std::optional<std::string> MoneyForm::problem() const {
    if (auto refused = textProblem("Opis", info))
        return refused;
    if (auto refused = wholeProblem("Ilość sztuk", count))
        return refused;
    if (auto refused = wholeProblem("Wartość jednej sztuki [szt.złota]", gold))
        return refused;
    return decimalProblem("Wartość jednej sztuki [szt.srebra]", silver);
}

double MoneyForm::unitWorth() const {
    const double goldPieces = parseWholeNumber(gold).value_or(0);
    const double silverPieces = parseDecimalNumber(silver).value_or(0.0);
    return goldPieces + roundToHundredths(silverPieces / 100.0);
}

void MoneyForm::applyTo(CPoz& entry) const {
    entry.info = info;
    entry.wartosc = parseWholeNumber(count).value_or(entry.wartosc);
    entry.modyfikator = unitWorth();
    entry.typ = kinds::money::kMoney;
}

// --- An item of equipment -----------------------------------------------------------------

ItemForm ItemForm::from(const CPoz& entry) {
    return {entry.info, std::to_string(entry.wartosc), twoDecimals(entry.modyfikator)};
}

std::optional<std::string> ItemForm::problem() const {
    if (auto refused = textProblem("Nazwa", info))
        return refused;
    if (auto refused = wholeProblem("Ilość", count))
        return refused;
    return decimalProblem("Waga jedn.[SF]", unitWeight);
}

void ItemForm::applyTo(CPoz& entry) const {
    entry.info = info;
    entry.wartosc = parseWholeNumber(count).value_or(entry.wartosc);
    entry.modyfikator = parseDecimalNumber(unitWeight).value_or(entry.modyfikator);
}

// --- The label only -----------------------------------------------------------------------

TextForm TextForm::from(const CPoz& entry) {
    return {entry.info};
}

std::optional<std::string> TextForm::problem() const {
    return textProblem("Opis", info);
}

void TextForm::applyTo(CPoz& entry) const {
    entry.info = info;
}

} // namespace tallar
