#include "rules/engine/CRdzenOdpornosci.h"

#include "model/Character.h"
#include "model/Entry.h"
#include "rules/core/RulesMath.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tallar {

namespace {

using namespace kinds;

// Parts that always make up an attribute's base: racial, overweight and professional.
constexpr std::array<int, 12> kBaseParts = {perMember::kRacial[member::kVitality],
                                            attribute::kOverweightVitality,
                                            perMember::kProfession[member::kVitality],
                                            perMember::kRacial[member::kStrength],
                                            attribute::kOverweightStrength,
                                            perMember::kProfession[member::kStrength],
                                            perMember::kRacial[member::kIntelligence],
                                            perMember::kProfession[member::kIntelligence],
                                            perMember::kRacial[member::kWisdom],
                                            perMember::kProfession[member::kWisdom],
                                            perMember::kRacial[member::kFaith],
                                            perMember::kProfession[member::kFaith]};
// Parts that count only when an ability or a disability wrote them: formula effects and
// shares.
constexpr std::array<int, 10> kAbilityParts = {perMember::kFormulaEffect[member::kVitality],
                                               perMember::kFormulaEffect[member::kStrength],
                                               perMember::kFormulaEffect[member::kIntelligence],
                                               perMember::kFormulaEffect[member::kWisdom],
                                               perMember::kFormulaEffect[member::kMagic],
                                               perMember::kFormulaShare[member::kVitality],
                                               perMember::kFormulaShare[member::kStrength],
                                               perMember::kFormulaShare[member::kIntelligence],
                                               perMember::kFormulaShare[member::kWisdom],
                                               perMember::kFormulaShare[member::kFaith]};

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

void setPart(CPoz& parent, std::string_view info, int kind, int value) {
    (void)parent.SetOrAdd({.info = std::string(info), .typ = kind, .wartosc = value});
}

} // namespace

CRdzenOdpornosci::CRdzenOdpornosci(const EngineContext& context) : EngineStep(context) {}

// The total of an attribute counting only its base parts, computed on a filtered copy.
double CRdzenOdpornosci::baseTotal(std::size_t member) const {
    CPoz* entry = attributeEntry(member);
    if (!entry)
        return 0.0;
    const auto copy = CPoz::CopyTree(*entry, false, countsForBase);
    (void)copy->Recalculate(0.0, 0.0, 0);
    return copy->total;
}

void CRdzenOdpornosci::BaseResistances() {
    const double vitality = baseTotal(member::kVitality);
    const double strength = baseTotal(member::kStrength);
    const double intelligence = baseTotal(member::kIntelligence);
    const double wisdom = baseTotal(member::kWisdom);
    const double faith = baseTotal(member::kFaith);

    int psychic = 0;
    if (CPoz* base = character().link(kLinkBazowaOdpornoscPsychiczna)) {
        setPart(*base, "1/20 Żywotności", attribute::kPsychicVitality, roundToInt(vitality / 20));
        setPart(*base, "1/10 Inteligencji", attribute::kPsychicIntelligence,
                roundToInt(intelligence / 10));
        setPart(*base, "1/10 Mądrości", attribute::kPsychicWisdom, roundToInt(wisdom / 10));
        (void)base->Recalculate(0.0, 0.0, 0);
        psychic = static_cast<int>(base->total);
    }
    int physical = 0;
    if (CPoz* base = character().link(kLinkBazowaOdpornoscFizyczna)) {
        setPart(*base, "1/10 Żywotności", attribute::kPhysicalVitality, roundToInt(vitality / 10));
        setPart(*base, "1/10 Siły fizycznej", attribute::kPhysicalStrength,
                roundToInt(strength / 10));
        (void)base->Recalculate(0.0, 0.0, 0);
        physical = static_cast<int>(base->total);
    }

    for (int n = 0; n < 10; ++n) {
        CPoz* resistance = character().link(kLinkOdpornosc1 + n);
        if (!resistance)
            continue;
        if (n < 5)
            setPart(*resistance, "Bazowa odpornośc psychiczna", top::kBasePsychicResistance,
                    psychic);
        else
            setPart(*resistance, "Bazowa odpornośc fizyczna", top::kBasePhysicalResistance,
                    physical);
        if (n == 0)
            setPart(*resistance, "1/10 Inteligencji", attribute::kIllusionIntelligence,
                    roundToInt(intelligence / 10));
        else if (n == 1)
            setPart(*resistance, "1/10 Mądrości", attribute::kSuggestionWisdom,
                    roundToInt(wisdom / 10));
        else if (n == 2)
            setPart(*resistance, "1/10 Wiary", attribute::kSpellFaith, roundToInt(faith / 10));
        (void)resistance->Recalculate(0.0, 0.0, 0);
    }
}

} // namespace tallar
