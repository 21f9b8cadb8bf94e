#include "rules/engine/CRdzenOdpornosci.h"

#include "model/Character.h"
#include "model/Entry.h"
#include "rules/core/RulesMath.h"
#include "rules/engine/EngineSupport.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tallar {

namespace {

// Parts that always make up an attribute's base: racial, overweight and professional.
constexpr std::array<int, 12> kBaseParts = {14593, 14609, 14625, 14673, 14689, 14705,
                                            16641, 16657, 16705, 16721, 17169, 17185};
// Parts that count only when an ability or a disability wrote them.
constexpr std::array<int, 10> kAbilityParts = {12640, 12688, 12928, 13072, 13120,
                                               14659, 14739, 16691, 16755, 17219};

template <std::size_t N> bool contains(const std::array<int, N>& kinds, int kind) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

bool countsForBase(const CPoz& part) {
    if (contains(kBaseParts, part.typ))
        return true;
    if (!contains(kAbilityParts, part.typ))
        return false;
    const auto fields = splitText(part.memo, '|');
    return fields.size() > 1 && (fields[1] == "ulom" || fields[1] == "zdol");
}

// The total of an attribute counting only its base parts, computed on a filtered copy.
double baseTotal(const CIstota& character, std::string_view code) {
    CPoz* entry = attributeEntry(character, *findAttributeByCode(code));
    if (!entry)
        return 0.0;
    const auto copy = CPoz::CopyTree(*entry, false, countsForBase);
    (void)copy->Recalculate(0.0, 0.0, 0);
    return copy->total;
}

void setPart(CPoz& parent, std::string_view info, int kind, int value) {
    (void)parent.SetOrAdd(parent.connection(), "", info, "", kind, 0.0, value, "", false);
}

} // namespace

CRdzenOdpornosci::CRdzenOdpornosci(Database& rules, CIstota& character)
    : rules_(rules), character_(character) {}

void CRdzenOdpornosci::BaseResistances() {
    const double vitality = baseTotal(character_, "ŻYW");
    const double strength = baseTotal(character_, "SF");
    const double intelligence = baseTotal(character_, "INT");
    const double wisdom = baseTotal(character_, "MD");
    const double faith = baseTotal(character_, "WI");

    int psychic = 0;
    if (CPoz* base = character_.link(kLinkBazowaOdpornoscPsychiczna)) {
        setPart(*base, "1/20 Żywotności", 18497, roundToInt(vitality / 20));
        setPart(*base, "1/10 Inteligencji", 18513, roundToInt(intelligence / 10));
        setPart(*base, "1/10 Mądrości", 18529, roundToInt(wisdom / 10));
        (void)base->Recalculate(0.0, 0.0, 0);
        psychic = static_cast<int>(base->total);
    }
    int physical = 0;
    if (CPoz* base = character_.link(kLinkBazowaOdpornoscFizyczna)) {
        setPart(*base, "1/10 Żywotności", 18689, roundToInt(vitality / 10));
        setPart(*base, "1/10 Siły fizycznej", 18577, roundToInt(strength / 10));
        (void)base->Recalculate(0.0, 0.0, 0);
        physical = static_cast<int>(base->total);
    }

    for (int n = 0; n < 10; ++n) {
        CPoz* resistance = character_.link(kLinkOdpornosc1 + n);
        if (!resistance)
            continue;
        if (n < 5)
            setPart(*resistance, "Bazowa odpornośc psychiczna", kinds::top::kBasePsychicResistance,
                    psychic);
        else
            setPart(*resistance, "Bazowa odpornośc fizyczna", kinds::top::kBasePhysicalResistance,
                    physical);
        if (n == 0)
            setPart(*resistance, "1/10 Inteligencji", 17457, roundToInt(intelligence / 10));
        else if (n == 1)
            setPart(*resistance, "1/10 Mądrości", 17537, roundToInt(wisdom / 10));
        else if (n == 2)
            setPart(*resistance, "1/10 Wiary", 17713, roundToInt(faith / 10));
        (void)resistance->Recalculate(0.0, 0.0, 0);
    }
}

} // namespace tallar
