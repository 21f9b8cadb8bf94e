#include "output/SheetRecord.h"

#include "model/ArmourLimits.h"
#include "model/Character.h"
#include "model/Kinds.h"
#include "rules/core/RulesMath.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <unordered_map>

namespace tallar {

namespace {

namespace k = kinds;
using Number = std::optional<long long>;

// The whole part of a total, toward zero, held within the range of int.
long long wholePart(double total) {
    if (std::isnan(total))
        return 0;
    constexpr double kLow = std::numeric_limits<int>::min();
    constexpr double kHigh = std::numeric_limits<int>::max();
    return static_cast<long long>(std::trunc(std::clamp(total, kLow, kHigh)));
}

std::string text(Number n) {
    return n ? std::to_string(*n) : std::string();
}

// Sums present numbers; a missing one leaves the sum missing.
Number operator+(Number a, Number b) {
    return a && b ? Number(*a + *b) : std::nullopt;
}
Number operator-(Number a, Number b) {
    return a && b ? Number(*a - *b) : std::nullopt;
}

const CPoz* childOfKind(const CPoz* parent, int kind) {
    return parent ? parent->FindByKind(kind) : nullptr;
}

// The truncated total of an entry; nothing for a missing entry.
Number truncated(const CPoz* entry) {
    return entry ? Number(wholePart(entry->total)) : std::nullopt;
}

// round(total × factor), halves away from zero; nothing for a missing entry.
Number rounded(const CPoz* entry, double factor) {
    return entry ? Number(roundToInt(entry->total * factor)) : std::nullopt;
}

// "kł/tn/ob" of three entries, "-" for a missing one; empty when all three are missing.
std::string triple(const CPoz* piercing, const CPoz* cutting, const CPoz* blunt) {
    if (!piercing && !cutting && !blunt)
        return {};
    const auto part = [](const CPoz* e) { return e ? text(truncated(e)) : std::string("-"); };
    return part(piercing) + "/" + part(cutting) + "/" + part(blunt);
}

std::string joined(const std::vector<std::string>& texts, std::string_view separator) {
    std::string all;
    for (const std::string& t : texts) {
        if (!all.empty())
            all += separator;
        all += t;
    }
    return all;
}

// The start of a text with its Latin letters and "Ł" lowered.
std::string loweredPrefix(std::string_view text, std::size_t length) {
    std::string lowered;
    for (std::size_t i = 0; i < text.size() && lowered.size() < length; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        lowered += c;
        // "Ł" is C5 81, "ł" C5 82.
        if (c == '\xC5' && i + 1 < text.size() && text[i + 1] == '\x81') {
            lowered += '\x82';
            ++i;
        }
    }
    return lowered;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return loweredPrefix(text, prefix.size()) == prefix;
}

class RecordBuilder {
public:
    explicit RecordBuilder(const CIstota& character) : c_(character) {
        WalkTree(c_, [this](const CPoz& entry, int) { byId_.emplace(entry.id(), &entry); });
    }

    SheetRecord build() {
        origin();
        money();
        equipment();
        professionsAndLists();
        attributes();
        weapons();
        protection();
        load();
        return std::move(r_);
    }

private:
    const CPoz* top(int link) const { return c_.link(link); }

    // The entry a reference names: its target link, else the entry whose identifier
    // follows the "&" of its key text.
    const CPoz* resolve(const CPoz& reference) const {
        if (reference.target())
            return reference.target();
        if (!reference.specjal.starts_with('&'))
            return nullptr;
        const auto found = byId_.find(reference.specjal.substr(1));
        return found == byId_.end() ? nullptr : found->second;
    }

    const CPoz* information(int kind) const {
        return childOfKind(top(kLinkDodatkoweInformacje), kind);
    }
    const CPoz* appearance(int kind) const {
        return childOfKind(information(k::info::kAppearance), kind);
    }

    void origin() {
        r_.name = c_.imie;
        if (const CPoz* height = appearance(k::stage::kHeight))
            r_.height = std::to_string(height->wartosc);
        if (const CPoz* weight = appearance(k::stage::kWeight))
            r_.weight = std::to_string(weight->wartosc) + "/";
        if (const CPoz* place = information(k::info::kBirthplace))
            r_.birthplace = place->memo;
        if (const CPoz* socialClass = information(k::info::kSocialClass))
            r_.socialClass = socialClass->memo;
    }

    // The coin a money entry is: by its name, else by the worth of one piece; -1: none.
    static int coinOf(const CPoz& money) {
        static constexpr std::array<std::string_view, 4> kNames = {"mitryl", "platyn",
                                                                   "z\xC5\x82ot", "srebr"};
        static constexpr std::array<double, 4> kWorth = {100.0, 10.0, 1.0, 0.01};
        for (std::size_t i = 0; i < kNames.size(); ++i)
            if (startsWith(money.info, kNames[i]))
                return static_cast<int>(i);
        for (std::size_t i = 0; i < kWorth.size(); ++i)
            if (nearlyEqual(money.modyfikator, kWorth[i]))
                return static_cast<int>(i);
        return -1;
    }

    void money() {
        const CPoz* wealth = top(kLinkMajatek);
        if (!wealth)
            return;
        std::array<Number, 4> coins{};
        if (const CPoz* carried = wealth->FindByKind(k::money::kAtHand))
            for (const CPoz* money : carried->children())
                if (money->typ == k::money::kMoney)
                    if (const int coin = coinOf(*money); coin >= 0) {
                        auto& n = coins[static_cast<std::size_t>(coin)];
                        n = n.value_or(0) + money->wartosc;
                    }
        for (std::size_t i = 0; i < coins.size(); ++i)
            r_.coins[i] = text(coins[i]);
        // The places keep their worth to the hundredth; the sum of them is the wealth.
        double total = 0.0;
        for (const CPoz* place : wealth->children())
            if (place->valueKind() == kMoney)
                total += place->total;
        const long long gold = wholePart(total);
        const int silver = std::abs(roundToInt(total * 100.0) % 100);
        r_.wealth = std::to_string(gold) + " zł. " + std::to_string(silver) + " sr.";
    }

    std::vector<std::string> placeList(int kind) const {
        std::vector<std::string> lines;
        const CPoz* place = childOfKind(top(kLinkEkwipunek), kind);
        if (!place)
            return lines;
        for (const CPoz* thing : place->children()) {
            std::string line = thing->info;
            if (thing->typ == k::equipment::kItem && thing->wartosc != 1)
                line += " x " + std::to_string(thing->wartosc);
            lines.push_back(std::move(line));
        }
        return lines;
    }

    void equipment() {
        r_.carried = placeList(k::equipment::kCarried);
        r_.saddlebags = placeList(k::equipment::kSaddlebags);
        r_.home = placeList(k::equipment::kAtHome);
    }

    static std::vector<std::string> labels(const CPoz* list, int kind = -1,
                                           std::size_t most = SIZE_MAX) {
        std::vector<std::string> names;
        if (!list)
            return names;
        for (const CPoz* entry : list->children())
            if ((kind < 0 || entry->typ == kind) && names.size() < most)
                names.push_back(entry->info);
        return names;
    }

    void professionsAndLists() {
        std::vector<std::string> names, levels, experience;
        if (const CPoz* professions = top(kLinkProfesje))
            for (const CPoz* profession : professions->children()) {
                if (profession->typ != k::profession::kProfession)
                    continue;
                names.push_back(profession->info);
                const CPoz* level = profession->FindByKind(k::profession::kLevel);
                levels.push_back(std::to_string(level ? level->wartosc : 0));
                if (const CPoz* points = profession->FindByKind(k::profession::kExperience))
                    experience.push_back(std::to_string(points->wartosc));
            }
        r_.professions = joined(names, " / ");
        r_.levels = joined(levels, " / ");
        r_.experience = joined(experience, " / ");
        r_.trades = labels(top(kLinkZawody), k::trade::kTrade);
        r_.disabilities = labels(top(kLinkUlomnosci));
        r_.supernatural = labels(top(kLinkZdolnosci), -1, 2);
        if (const CPoz* skills = top(kLinkUmiejetnosci))
            WalkTree(*skills, [this](const CPoz& entry, int) {
                if (entry.typ == k::skill::kSkill)
                    (startsWith(entry.info, "j\xC4\x99zyk") ? r_.languages : r_.skills)
                        .push_back(entry.info);
            });
    }

    void attributes() {
        const CPoz* vitality = top(kLinkZywotnosc);
        const CPoz* strength = top(kLinkSilaFizyczna);
        const CPoz* dexterity = top(kLinkZrecznosc);
        const CPoz* currentDexterity = top(kLinkZrecznoscAktualna);
        const CPoz* speed = top(kLinkSzybkosc);
        const CPoz* currentSpeed = top(kLinkSzybkoscAktualna);
        const CPoz* intelligence = top(kLinkInteligencja);
        const CPoz* wisdom = top(kLinkMadrosc);
        const CPoz* presence = top(kLinkPrezencja);
        const CPoz* load = top(kLinkObciazenie);

        r_.vitality = text(truncated(vitality));
        Number endurance;
        if (strength && load)
            endurance = roundToInt((strength->total - load->total) * 0.1);
        r_.endurance = text(endurance + rounded(vitality, 0.1));
        r_.strength = text(truncated(strength));
        r_.presenceBonus = text(rounded(strength, 0.1));
        r_.damageBonus = text(rounded(strength, 0.25));
        r_.hitBonus = text(rounded(dexterity, 0.1) + rounded(strength, 0.1));
        r_.dexterity = text(truncated(dexterity));
        r_.currentDexterity = text(truncated(currentDexterity));
        if (const Number current = truncated(currentDexterity))
            r_.defenceModification =
                std::to_string(excessOutsideRange(static_cast<int>(*current), 30, 50));
        r_.searching = text(rounded(intelligence, 0.1) + rounded(speed, 0.1));
        r_.speed = text(truncated(speed));
        r_.currentSpeed = text(truncated(currentSpeed));
        r_.walk = text(rounded(currentSpeed, 0.1));
        r_.run = text(rounded(currentSpeed, 0.5));
        r_.sprint = text(rounded(currentSpeed, 1.0));
        r_.intelligence = text(truncated(intelligence));
        r_.illusionBonus =
            text(truncated(childOfKind(top(kLinkOdpornosc1), k::attribute::kIllusionIntelligence)));
        r_.wisdom = text(truncated(wisdom));
        r_.suggestionBonus =
            text(truncated(childOfKind(top(kLinkOdpornosc1 + 1), k::attribute::kSuggestionWisdom)));
        r_.bargaining = text(rounded(wisdom, 0.5));
        r_.magic = text(truncated(top(kLinkUmiejetnosciMagiczne)));
        r_.presence = text(truncated(presence));
        r_.reaction = text(rounded(strength, 0.1) + rounded(presence, 1.0));
        r_.charisma = text(truncated(top(kLinkCharyzma)));
        r_.faith = text(truncated(top(kLinkWiara)));
        r_.spellBonus =
            text(truncated(childOfKind(top(kLinkOdpornosc1 + 2), k::attribute::kSpellFaith)));
        r_.perception = text(truncated(top(kLinkZauwazenie)));

        // Every attribute but Zauważenie: links 1 to 12 less the two current values.
        Number energy = 0;
        for (int link = kLinkZywotnosc; link <= kLinkWiara; ++link)
            if (link != kLinkZrecznoscAktualna && link != kLinkSzybkoscAktualna)
                energy = energy + rounded(top(link), 0.1);
        r_.lifeEnergy = text(energy);

        r_.basePsychic = text(truncated(top(kLinkBazowaOdpornoscPsychiczna)));
        r_.basePhysical = text(truncated(top(kLinkBazowaOdpornoscFizyczna)));
        for (std::size_t i = 0; i < r_.resistances.size(); ++i)
            r_.resistances[i] = text(truncated(top(kLinkOdpornosc1 + static_cast<int>(i))));
    }

    // The proficiency in a weapon group, or null.
    const CPoz* proficiencyIn(const std::string& group) const {
        const CPoz* list = top(kLinkBieglosci);
        if (!list || group.empty())
            return nullptr;
        for (const CPoz* proficiency : list->children())
            if (proficiency->typ == k::proficiency::kProficiency && proficiency->specjal == group)
                return proficiency;
        return nullptr;
    }

    // The carried weapons of the same kind (weapon id) as `weapon`.
    int carriedLike(const CPoz& weapon) const {
        int n = 0;
        if (const CPoz* carried = childOfKind(top(kLinkEkwipunek), k::equipment::kCarried))
            WalkTree(*carried, [&](const CPoz& entry, int) {
                if (entry.typ == k::weapon::kWeapon && entry.specjal == weapon.specjal)
                    ++n;
            });
        return n;
    }

    // What a weapon entry itself says: its effectiveness, weight, proficiency, count.
    void describeWeapon(SheetWeapon& row, const CPoz& weapon) const {
        row.effectiveness =
            triple(weapon.FindByKind(k::weapon::kPiercing), weapon.FindByKind(k::weapon::kCutting),
                   weapon.FindByKind(k::weapon::kBlunt));
        row.weight = text(truncated(weapon.FindByKind(k::equipment::kWeight)));
        const bool natural = weapon.typ == k::natural::kWeapon;
        row.count = natural ? text(truncated(weapon.FindByKind(k::natural::kCount)))
                            : std::to_string(carriedLike(weapon));
        if (const CPoz* proficiency = proficiencyIn(natural ? weapon.specjal : weapon.memo)) {
            if (const CPoz* level = proficiency->FindByKind(k::proficiency::kSpecialisation))
                row.specialisation = level->info;
            row.proficiency = text(truncated(proficiency));
            if (!row.hit.empty())
                row.proficiency += "/" + row.hit;
        }
    }

    void weapons() {
        std::vector<const CPoz*> described;
        if (const CPoz* held = childOfKind(top(kLinkWalka), k::top::kCombatWeapons))
            for (const CPoz* stats : held->children()) {
                if (stats->typ != k::weaponStats::kStatistics)
                    continue;
                SheetWeapon row;
                row.name = stats->info;
                row.hit = text(truncated(stats->FindByKind(k::weaponStats::kHit)));
                row.defence = text(truncated(stats->FindByKind(k::weaponStats::kDefence)));
                row.attacks = text(truncated(stats->FindByKind(k::weaponStats::kAttacksPerRound)));
                row.delay = text(truncated(stats->FindByKind(k::weaponStats::kDelay)));
                row.damage = triple(stats->FindByKind(k::weaponStats::kPiercingWounds),
                                    stats->FindByKind(k::weaponStats::kCuttingWounds),
                                    stats->FindByKind(k::weaponStats::kBluntWounds));
                if (const CPoz* weapon = resolve(*stats)) {
                    describeWeapon(row, *weapon);
                    described.push_back(weapon);
                }
                r_.weapons.push_back(std::move(row));
            }
        // Weapons only carried: one line per kind of weapon, with what the weapon says.
        const CPoz* carried = childOfKind(top(kLinkEkwipunek), k::equipment::kCarried);
        if (!carried)
            return;
        std::vector<std::string> listed;
        listed.reserve(described.size());
        for (const CPoz* d : described)
            listed.push_back(d->specjal);
        WalkTree(*carried, [&](const CPoz& weapon, int) {
            if (weapon.typ != k::weapon::kWeapon)
                return true;
            if (std::ranges::find(listed, weapon.specjal) == listed.end()) {
                listed.push_back(weapon.specjal);
                SheetWeapon row;
                row.name = weapon.info;
                row.defence = text(truncated(weapon.FindByKind(k::weapon::kDefence)));
                row.attacks = text(truncated(weapon.FindByKind(k::weapon::kAttacks)));
                row.delay = text(truncated(weapon.FindByKind(k::weapon::kDelay)));
                describeWeapon(row, weapon);
                r_.weapons.push_back(std::move(row));
            }
            return false;
        });
    }

    // The entries of the uses of `kind` under the fight list `list`, resolved.
    std::vector<std::pair<const CPoz*, const CPoz*>> uses(int list, int kind) const {
        std::vector<std::pair<const CPoz*, const CPoz*>> found;
        if (const CPoz* holder = childOfKind(top(kLinkWalka), list))
            for (const CPoz* use : holder->children())
                if (use->typ == kind)
                    found.emplace_back(use, resolve(*use));
        return found;
    }

    // The sum of the truncated totals of the entries of `kind` below `root`.
    static long long sumBelow(const CPoz* root, int kind) {
        long long sum = 0;
        if (root)
            WalkTree(*root, [&](const CPoz& entry, int) {
                if (entry.typ == kind)
                    sum += wholePart(entry.total);
            });
        return sum;
    }

    void protection() {
        const CPoz* part = defaultBodyPart(c_);
        if (part) {
            r_.defence = text(truncated(part->FindByKind(k::body::kDefence)));
            r_.piercing = text(truncated(part->FindByKind(k::body::kPiercing)));
            r_.cutting = text(truncated(part->FindByKind(k::body::kCutting)));
            r_.blunt = text(truncated(part->FindByKind(k::body::kBlunt)));
            r_.rangedDefence = text(truncated(part->FindByKind(k::body::kRangedDefence)));
        }
        // The best defending weapon adds its defence to the body's.
        Number best;
        for (std::size_t i = 0; i < r_.weapons.size(); ++i) {
            const std::string& defence = r_.weapons[i].defence;
            if (!defence.empty() && (!best || std::stoll(defence) > *best)) {
                best = std::stoll(defence);
                r_.defenceWeapon = std::to_string(i + 1);
            }
        }
        if (part && best)
            r_.defenceWithWeapon = text(truncated(part->FindByKind(k::body::kDefence)) + best);

        std::vector<std::string> names;
        long long weight = 0, durability = 0;
        const auto armours = uses(k::top::kCombatArmour, k::armour::kArmour);
        for (const auto& [use, armour] : armours) {
            names.push_back(use->info);
            weight += sumBelow(armour, k::equipment::kWeight);
            durability += sumBelow(armour, k::armour::kDurability);
        }
        const LimitDivisors limits = currentLimitDivisors(c_);
        r_.armour.dexterityLimit = limitText(limits.dexterity);
        r_.armour.speedLimit = limitText(limits.speed);
        if (!armours.empty()) {
            r_.armourNames = r_.armour.name = joined(names, ", ");
            r_.armour.weight = std::to_string(weight);
            r_.armourDurability = r_.armour.durability = std::to_string(durability);
            r_.armour.piercing = std::to_string(sumBelow(part, k::armour::kPartPiercing));
            r_.armour.cutting = std::to_string(sumBelow(part, k::armour::kPartCutting));
            r_.armour.blunt = std::to_string(sumBelow(part, k::armour::kPartBlunt));
        }

        names.clear();
        weight = durability = 0;
        const auto shields = uses(k::top::kCombatShields, k::shield::kShield);
        for (const auto& [use, shield] : shields) {
            names.push_back(use->info);
            if (shield) {
                weight += truncated(shield->FindByKind(k::equipment::kWeight)).value_or(0);
                durability += truncated(shield->FindByKind(k::shield::kDurability)).value_or(0);
            }
        }
        if (!shields.empty()) {
            r_.shieldNames = r_.shield.name = joined(names, ", ");
            r_.shield.weight = std::to_string(weight);
            r_.shield.durability = std::to_string(durability);
        }

        const CPoz* skin = childOfKind(appearance(k::stage::kStage), k::stage::kSkin);
        // The race stage writes the skin's amounts as values; the character's recalculation
        // leaves "Dodatkowe informacje" out, so their totals may not be computed.
        const auto value = [skin](int kind) {
            const CPoz* amount = skin->FindByKind(kind);
            return amount ? std::to_string(amount->wartosc) : std::string();
        };
        if (skin) {
            r_.skin.piercing = value(k::stage::kSkinPiercingAbsorption);
            r_.skin.cutting = value(k::stage::kSkinCuttingAbsorption);
            r_.skin.blunt = value(k::stage::kSkinBluntAbsorption);
        }
    }

    // The weights under "Obciążenie", by what they weigh: armour, shield, weapons, the rest.
    void load() {
        const CPoz* load = top(kLinkObciazenie);
        if (!load)
            return;
        std::array<long long, 4> parts{};
        for (const CPoz* weight : load->children()) {
            if (weight->typ != k::equipment::kWeight)
                continue;
            const CPoz* source = resolve(*weight);
            std::size_t part = 3;
            if (source && source->HasKindOrAncestor(k::armour::kArmour))
                part = 0;
            else if (source && source->HasKindOrAncestor(k::shield::kShield))
                part = 1;
            else if (source && (source->HasKindOrAncestor(k::weapon::kWeapon) ||
                                source->HasKindOrAncestor(k::natural::kWeapon)))
                part = 2;
            parts[part] += weight->wartosc;
        }
        r_.loadArmour = std::to_string(parts[0]);
        r_.loadShield = std::to_string(parts[1]);
        r_.loadWeapons = std::to_string(parts[2]);
        r_.loadEquipment = std::to_string(parts[3]);
        const long long total = parts[0] + parts[1] + parts[2] + parts[3];
        r_.loadTotal = std::to_string(total);
        const Number strength = truncated(top(kLinkSilaFizyczna));
        r_.loadStrength = text(strength);
        r_.loadFree = text(strength - Number(total));
    }

    const CIstota& c_;
    std::unordered_map<std::string, const CPoz*> byId_;
    SheetRecord r_;
};

} // namespace

std::string limitText(int divisor) {
    return divisor > 1 ? "1/" + std::to_string(divisor) : "-";
}

SheetRecord makeSheetRecord(const CIstota& character) {
    return RecordBuilder(character).build();
}

} // namespace tallar
