#include "rules/engine/CRdzenKlasaSpoleczna.h"

#include "model/Character.h"
#include "model/Entry.h"

#include <string>

namespace tallar {

namespace {

using namespace kinds;

// Gold above this stays in the bank but for a tenth carried at hand.
constexpr int kCarriedWealthLimit = 100;

} // namespace

CRdzenKlasaSpoleczna::CRdzenKlasaSpoleczna(const EngineContext& context) : EngineStep(context) {}

void CRdzenKlasaSpoleczna::Apply(std::string_view classId) {
    if (classId.empty())
        return;
    CPoz* extra = character().link(kLinkDodatkoweInformacje);
    CPoz* wealth = character().link(kLinkMajatek);
    (void)queryRules(
        "SELECT id,nazwa,majatek FROM klasyspoleczne WHERE id=?;", {classId}, [&](const Row& row) {
            if (extra)
                (void)extra->SetOrAdd({.info = "Klasa społeczna",
                                       .specjal = row.text(0),
                                       .typ = info::kSocialClass,
                                       .modyfikator = 1.0,
                                       .memo = row.text(1)});
            const int n = static_cast<int>(roll(row.text(2), "Majątek"));
            if (n < 1 || !wealth)
                return;
            const auto addGold = [](CPoz* place, int count, std::string_view memo) {
                if (place)
                    place->AddChild({.info = "złoto",
                                     .typ = money::kMoney,
                                     .wartosc = count,
                                     .modyfikator = 1.0,
                                     .memo = std::string(memo)});
            };
            if (n > kCarriedWealthLimit) {
                const int carried = roundToInt(n * 0.1);
                addGold(wealth->FindByKind(money::kAtHand), carried, "monety-święte ryje");
                addGold(wealth->FindByKind(money::kInBank), n - carried, "");
            } else {
                addGold(wealth->FindByKind(money::kAtHand), n, "monety-święte ryje");
            }
            if (CPoz* buildings = wealth->FindByKind(money::kEstate))
                buildings->AddChild({.info = "majątek rodowy",
                                     .typ = money::kMoney,
                                     .wartosc = 1,
                                     .modyfikator = roundToHundredths(10.0 * n)});
            (void)wealth->Recalculate(0.0, 0.0, 0);
        });
    if (extra)
        (void)extra->Recalculate(0.0, 0.0, 0);
    ApplyCharisma();
}

void CRdzenKlasaSpoleczna::ApplyCharisma() {
    const CPoz* extra = character().link(kLinkDodatkoweInformacje);
    const CPoz* classEntry = extra ? extra->FindByKind(info::kSocialClass) : nullptr;
    CPoz* charisma = character().link(kLinkCharyzma);
    if (!classEntry || !charisma)
        return;
    (void)queryRules("SELECT id,charyzma FROM klasyspoleczne WHERE id=?;", {classEntry->specjal},
                     [&](const Row& row) {
                         const std::string id = row.text(0);
                         const CPoz* existing =
                             charisma->FindByKind(attribute::kSocialClassCharisma);
                         if (existing && existing->specjal == id)
                             return;
                         const double v = roll(row.text(1), "Charyzma - klasa społeczna");
                         (void)charisma->SetOrAdd({.info = "Klasa społeczna",
                                                   .specjal = id,
                                                   .typ = attribute::kSocialClassCharisma,
                                                   .wartosc = static_cast<int>(v)});
                     });
    (void)charisma->Recalculate(0.0, 0.0, 0);
}

} // namespace tallar
