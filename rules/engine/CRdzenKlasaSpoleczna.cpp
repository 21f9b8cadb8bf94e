#include "rules/engine/CRdzenKlasaSpoleczna.h"

#include "model/Character.h"
#include "model/Entry.h"
#include "rules/engine/EngineSupport.h"

#include <string>

namespace tallar {

namespace {

constexpr int kClassEntry = 375;      // "Klasa społeczna" under "Dodatkowe informacje"
constexpr int kClassCharisma = 16993; // "Klasa społeczna" under "Charyzma"
constexpr int kGold = 12;             // money: a count of coins worth the modifier each
constexpr int kAtHand = 1916;         // "przy sobie" under "Majątek"
constexpr int kInBank = 1932;         // "w banku/skarbcu"
constexpr int kBuildings = 2060;      // "budynki, nieruchomości, ziemia"
// Gold above this stays in the bank but for a tenth carried at hand.
constexpr int kCarriedWealthLimit = 100;

} // namespace

CRdzenKlasaSpoleczna::CRdzenKlasaSpoleczna(Database& rules, CIstota& character, UserPort& port,
                                           bool askRolls, DiceGenerator* generator)
    : rules_(rules), character_(character),
      port_(port), rolls_{.askRolls = askRolls, .port = &port, .generator = generator} {}

void CRdzenKlasaSpoleczna::Apply(std::string_view classId) {
    if (classId.empty())
        return;
    CPoz* extra = character_.link(kLinkDodatkoweInformacje);
    CPoz* wealth = character_.link(kLinkMajatek);
    (void)queryRules(
        rules_, &port_, "SELECT id,nazwa,majatek FROM klasyspoleczne WHERE id=?;", {classId},
        [&](const Row& row) {
            if (extra)
                (void)extra->SetOrAdd(extra->connection(), "", "Klasa społeczna", row.text(0),
                                      kClassEntry, 1.0, 0, row.text(1), false);
            const int n = static_cast<int>(
                EvaluateDice(row.text(2), rolls_, "Majątek", DiceMode::Roll, &character_));
            if (n < 1 || !wealth)
                return;
            const auto addMoney = [](CPoz* place, int count, double worth, std::string_view memo) {
                if (place)
                    (void)place->Append(std::make_unique<CPoz>(place->connection(), "", "złoto", "",
                                                               kGold, worth, count, memo));
            };
            if (n > kCarriedWealthLimit) {
                const int carried = roundToInt(n * 0.1);
                addMoney(wealth->FindByKind(kAtHand), carried, 1.0, "monety-święte ryje");
                addMoney(wealth->FindByKind(kInBank), n - carried, 1.0, "");
            } else {
                addMoney(wealth->FindByKind(kAtHand), n, 1.0, "monety-święte ryje");
            }
            if (CPoz* buildings = wealth->FindByKind(kBuildings))
                (void)buildings->Append(std::make_unique<CPoz>(buildings->connection(), "",
                                                               "majątek rodowy", "", kGold,
                                                               roundToHundredths(10.0 * n), 1, ""));
            (void)wealth->Recalculate(0.0, 0.0, 0);
        });
    if (extra)
        (void)extra->Recalculate(0.0, 0.0, 0);
    ApplyCharisma();
}

void CRdzenKlasaSpoleczna::ApplyCharisma() {
    const CPoz* extra = character_.link(kLinkDodatkoweInformacje);
    const CPoz* classEntry = extra ? extra->FindByKind(kClassEntry) : nullptr;
    CPoz* charisma = character_.link(kLinkCharyzma);
    if (!classEntry || !charisma)
        return;
    (void)queryRules(
        rules_, &port_, "SELECT id,charyzma FROM klasyspoleczne WHERE id=?;", {classEntry->specjal},
        [&](const Row& row) {
            const std::string id = row.text(0);
            const CPoz* existing = charisma->FindByKind(kClassCharisma);
            if (existing && existing->specjal == id)
                return;
            const double v = EvaluateDice(row.text(1), rolls_, "Charyzma - klasa społeczna",
                                          DiceMode::Roll, &character_);
            (void)charisma->SetOrAdd(charisma->connection(), "", "Klasa społeczna", id,
                                     kClassCharisma, 0.0, static_cast<int>(v), "", false);
        });
    (void)charisma->Recalculate(0.0, 0.0, 0);
}

} // namespace tallar
