#include "model/Entry.h"

#include "model/GameDate.h"
#include "rules/core/RulesMath.h"

#include <cmath>

namespace tallar {

namespace {

std::string whole(double x) {
    return std::to_string(roundToInt(x));
}

std::string integerForm(const CPoz& e) {
    std::string text = ": " + std::to_string(e.wartosc);
    if (e.total != 0.0 && e.total != e.wartosc)
        text += " (" + whole(e.total) + ")";
    return text;
}

std::string percentForm(const CPoz& e) {
    const std::string shown = whole(e.modyfikator * 100.0);
    std::string text = ": " + shown;
    // Compared as shown: a total that only rounds the modifier would repeat it.
    if (e.total != 0.0 && whole(e.total * 100.0) != shown)
        text += " (" + whole(e.total * 100.0) + ")";
    return text + " %";
}

std::string moneyForm(const CPoz& e) {
    std::string text;
    if (e.wartosc != 0 && e.wartosc != 1)
        text += " " + e.memo + " sztuk " + std::to_string(e.wartosc);
    if (std::fabs(e.total - e.wartosc) >= 1e-6) {
        text += " ( ";
        if (!e.empty() || e.wartosc != 1)
            text += "łączna ";
        const long long gold = static_cast<long long>(e.total);
        const int silver = roundToInt(e.total * 100.0) % 100;
        text += "wartość: " + std::to_string(gold) + " złota ";
        if (silver != 0)
            text += std::to_string(silver) + " srebra ";
        text += ")";
    }
    return text;
}

std::string experienceForm(const CPoz& e) {
    const int level = levelFromExperience(e.wartosc);
    const int circle = spellCircle(level);
    return ": " + std::to_string(e.wartosc) + " ( " + std::to_string(level) + " poziom / " +
           std::to_string(circle) + (circle < 11 ? " krąg czarów" : " krąg czarów specjalnych") +
           " )";
}

} // namespace

std::string BuildLabel(const CPoz& e) {
    std::string label = e.info;
    switch (e.valueKind()) {
    case kInteger:
    case kRefInteger:
    case kRefOutside:
        return label + integerForm(e);
    case kPercent:
    case kRefPercent:
        return label + percentForm(e);
    case kMixed:
        return label + (e.modyfikator != 0.0 ? percentForm(e) : integerForm(e));
    case kYesNo:
        return label + (e.wartosc != 0 ? ": TAK" : ": NIE");
    case kTotal:
        return label + ": " + whole(e.total);
    case kTotalPercent:
        return label + ": " + whole(e.total * 100.0) + " %";
    case kText:
        return label + ": " + e.memo;
    case kDate:
        return label + ": " + gameDateText(e.wartosc);
    case kMoney:
        return label + moneyForm(e);
    case kExperience:
        return label + experienceForm(e);
    default:
        return label;
    }
}

} // namespace tallar
