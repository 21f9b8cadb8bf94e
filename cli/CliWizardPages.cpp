#include "cli/CliWizardPages.h"

#include "cli/CliAnswers.h"
#include "cli/NameList.h"
#include "cli/StreamUserPort.h"
#include "model/Character.h"
#include "rules/core/RulesMath.h"
#include "store/db/Database.h"
#include "wizard/CWizard1.h"
#include "wizard/CWizard10.h"
#include "wizard/CWizard2.h"
#include "wizard/CWizard3.h"
#include "wizard/CWizard4.h"
#include "wizard/CWizard6.h"
#include "wizard/CWizard6Bgl.h"
#include "wizard/CWizard7.h"
#include "wizard/CWizard8.h"
#include "wizard/CWizard9.h"
#include "wizard/CWizardZawod.h"
#include "wizard/DiceEntry.h"

#include <algorithm>
#include <ostream>

namespace tallar::cli {

namespace {

constexpr const char* kCommand = "tallar2-cli new: ";

std::string describe(const std::vector<PageChoice>& offered) {
    std::string text;
    for (const PageChoice& choice : offered)
        text += "\n  " + choice.id + "  " + choice.text;
    return text;
}

} // namespace

CliWizardPages::CliWizardPages(Database& rules, const NewCharacterOptions& options,
                               DiceGenerator& generator, StreamUserPort* asking,
                               CliAnswers& answers, std::ostream& err)
    : rules_(rules), options_(options), generator_(generator), asking_(asking), answers_(answers),
      err_(err) {}

void CliWizardPages::beginCharacter() {
    tradeRollsUsed_ = 0;
    answers_.restart();
}

bool CliWizardPages::abandoned() const {
    return (asking_ && asking_->gaveUp()) || answers_.gaveUp() || answers_.refused();
}

int CliWizardPages::failureCode() const {
    return answers_.refused() ? 2 : failureCode_;
}

bool CliWizardPages::throwsLeftToTheProgram() const {
    return asking_ && asking_->askedThrows().automatic();
}

bool CliWizardPages::fail(int code, const std::string& message) {
    failureCode_ = code;
    err_ << kCommand << message << '\n';
    return false;
}

std::optional<std::string> CliWizardPages::pick(const std::vector<PageChoice>& offered,
                                                const std::optional<std::string>& wanted,
                                                std::string_view what) {
    if (!wanted) {
        if (offered.empty()) {
            fail(1, std::string(what) + ": nie ma nic do wyboru");
            return std::nullopt;
        }
        return offered[static_cast<std::size_t>(generator_.next()) % offered.size()].id;
    }
    for (const PageChoice& choice : offered)
        if (choice.id == *wanted || choice.text == *wanted)
            return choice.id;
    fail(2, std::string(what) + " „" + *wanted + "” nie jest do wyboru; do wyboru:" +
                (offered.empty() ? std::string(" nic") : describe(offered)));
    return std::nullopt;
}

std::optional<std::string> CliWizardPages::pageRoll(const std::optional<std::string>& option,
                                                    std::string_view prompt) {
    if (option)
        return option;
    if (!asking_)
        return std::nullopt;
    if (const auto face = asking_->askDie(100, prompt))
        return zeroPadded(*face, 3);
    return std::nullopt;
}

bool CliWizardPages::showOrigin(CWizard1& page) {
    page.setPlayer(options_.player.value_or("BN"));
    if (options_.name) {
        page.setName(*options_.name);
    } else {
        const auto& names = shippedNames();
        page.setName(names[static_cast<std::size_t>(generator_.next()) % names.size()]);
    }
    if (page.nameMissing() || page.playerMissing())
        return fail(2, "imię i gracz nie mogą być puste");

    // The list named by an option is chosen first, so that it narrows the other one.
    const bool alignmentFirst = options_.alignment && !options_.stage;
    if (alignmentFirst) {
        const auto alignment = pick(page.alignments(), options_.alignment, "Charakter");
        if (!alignment)
            return false;
        page.chooseAlignment(*alignment);
    }
    const auto stage = pick(page.stages(), options_.stage, "Rasa");
    if (!stage)
        return false;
    page.chooseStage(*stage);
    if (!alignmentFirst) {
        const auto alignment = pick(page.alignments(), options_.alignment, "Charakter");
        if (!alignment)
            return false;
        page.chooseAlignment(*alignment);
    }

    if (const auto roll = pageRoll(options_.classRoll, "Klasa społeczna K100"))
        page.setRollText(*roll);
    else if (abandoned())
        return false;
    else
        page.rollClass();
    if (page.rollMissing())
        return fail(2, "rzut " + page.rollText() + " nie daje klasy społecznej rasy " +
                           page.stageText() + "; klasy tej rasy:" + classRanges(page.stageId()));
    return page.finish();
}

namespace {

// Lines "  FROM-TO  NAME" for rows of name, from and to; " brak" for none.
std::string rangeLines(Database& rules, const std::string& sql, std::span<const SqlParam> params) {
    std::string text;
    Status status = rules.exec(sql, params, [&](const Row& row) {
        text += "\n  " + row.text(1) + "-" + row.text(2) + "  " + row.text(0);
    });
    return status && !text.empty() ? text : std::string(" brak");
}

} // namespace

std::string CliWizardPages::classRanges(const std::string& stageId) {
    const SqlParam stage[] = {stageId};
    return rangeLines(
        rules_,
        "SELECT A.nazwa,A.rzutod,A.rzutdo FROM klasyspoleczne A INNER JOIN rasyklasy B ON "
        "A.id=B.idklasy INNER JOIN stadia C ON C.idrasa=B.idrasa WHERE C.id=? ORDER BY "
        "CAST(A.rzutod AS INT),CAST(A.rzutdo AS INT);",
        stage);
}

std::string CliWizardPages::placeRanges() {
    return rangeLines(rules_,
                      "SELECT nazwa,rzutod,rzutdo FROM miejscurodz ORDER BY CAST(rzutod AS INT),"
                      "CAST(rzutdo AS INT);",
                      {});
}

bool CliWizardPages::showBirthplace(CWizard2& page) {
    if (const auto roll = pageRoll(options_.birthRoll, "Miejsce urodzenia K100"))
        page.setRollText(*roll);
    else if (abandoned())
        return false;
    else
        page.roll();
    if (page.rollMissing())
        return fail(2, "rzut " + page.rollText() +
                           " nie daje miejsca urodzenia; miejsca:" + placeRanges());
    return page.finish();
}

bool CliWizardPages::showTradeRoll(CWizardZawod& roll) {
    DiceEntry entry(CWizardZawod::kSides);
    if (tradeRollsUsed_ < options_.tradeRolls.size()) {
        entry.setText(options_.tradeRolls[tradeRollsUsed_++]);
    } else if (asking_ && !throwsLeftToTheProgram()) {
        const auto face = asking_->askDie(CWizardZawod::kSides, roll.caption() + " K100");
        if (!face)
            return false;
        entry.setText(std::to_string(*face));
    } else {
        entry.roll(generator_);
    }
    const auto result = entry.result();
    if (!result)
        return fail(2, "rzut zawodu „" + entry.text() + "” to nie liczba od 1 do 100");
    roll.setRoll(*result);
    return true;
}

bool CliWizardPages::showProfessions(CWizard3& page) {
    if (options_.professions.empty()) {
        // One profession drawn, and half the time a second one that may go with it.
        if (!chooseProfession(page, 0, nullptr))
            return false;
        if (generator_.next() % 2 == 1 && !page.offered(1).empty() &&
            !chooseProfession(page, 1, nullptr))
            return false;
    } else {
        for (std::size_t slot = 0; slot < options_.professions.size(); ++slot) {
            if (!page.enabled(slot))
                return fail(2, "Profesja " + std::to_string(slot + 1) +
                                   ": trzecią profesję otwiera poziom drugiej ze znacznikiem "
                                   "specjalizacji po liczbie (np. --profession NAZWA:5spec)");
            if (!chooseProfession(page, slot, &options_.professions[slot]))
                return false;
        }
    }
    if (const auto field = page.firstProblem())
        return fail(2, *page.problem(*field));
    return page.finish();
}

bool CliWizardPages::chooseProfession(CWizard3& page, std::size_t slot,
                                      const ProfessionOption* option) {
    std::vector<PageChoice> offered;
    std::optional<std::string> wanted;
    if (option)
        wanted = option->profession;
    for (const ProfessionItem& item : page.offered(slot)) {
        offered.push_back({item.id, item.shown});
        if (wanted && item.name == *wanted)
            wanted = item.id;
    }
    const auto id = pick(offered, wanted, "Profesja " + std::to_string(slot + 1));
    if (!id)
        return false;
    page.choose(slot, *id);
    if (option && option->level) {
        page.setLevelText(slot, *option->level);
    } else {
        const int levels = std::min(page.levelLimit(slot), kDrawnLevels);
        page.setLevelText(slot, std::to_string(1 + generator_.next() % levels));
    }
    return true;
}

bool CliWizardPages::showAbility(CWizard4Ulomnosc& page) {
    if (const auto roll = pageRoll(std::nullopt, std::string(page.caption()) + " K100"))
        page.setRollText(*roll);
    else if (abandoned())
        return false;
    else
        page.roll();
    return page.finish();
}

LevelAdvancementChooser* CliWizardPages::levelAdvancement() {
    return asking_;
}

namespace {

// Lines "  ID  NAME" of the groups the page would let be ticked now.
std::string groupLines(const CWizard6& page) {
    std::string text;
    for (std::size_t g = 0; g < page.groups().size(); ++g)
        if (page.mayTickGroup(g))
            text += "\n  " + page.groups()[g].id + "  " + page.groups()[g].name;
    return text.empty() ? std::string(" nic") : text;
}

// Lines "  ID  GROUP: LABEL" of the weapons the page would let be ticked now.
std::string weaponLines(const CWizard6& page) {
    std::string text;
    for (std::size_t g = 0; g < page.groups().size(); ++g)
        if (page.mayTickGroup(g))
            for (const WeaponChoice& weapon : page.groups()[g].weapons)
                text += "\n  " + weapon.id + "  " + page.groups()[g].name + ": " + weapon.label;
    return text.empty() ? std::string(" nic") : text;
}

std::string freeNote(const CWizard6& page) {
    return " (wolne biegłości: " + std::to_string(page.freeCount()) + ")";
}

} // namespace

std::optional<std::size_t> CliWizardPages::draw(std::size_t count,
                                                const std::function<bool(std::size_t)>& allowed) {
    std::vector<std::size_t> candidates;
    for (std::size_t i = 0; i < count; ++i)
        if (allowed(i))
            candidates.push_back(i);
    if (candidates.empty())
        return std::nullopt;
    return candidates[static_cast<std::size_t>(generator_.next()) % candidates.size()];
}

void CliWizardPages::drawWeaponGroups(CWizard6& page) {
    const auto& groups = page.groups();
    const auto indexOf = [&groups](const std::string& id) {
        for (std::size_t g = 0; g < groups.size(); ++g)
            if (groups[g].id == id)
                return g;
        return groups.size();
    };
    // The requirements first: a group of each one not met yet.
    for (std::size_t r = 0; r < page.requirements().size(); ++r) {
        const WeaponRequirement& requirement = page.requirements()[r];
        if (requirement.met)
            continue;
        const auto chosen = draw(requirement.groups.size(), [&](std::size_t i) {
            const std::size_t g = indexOf(requirement.groups[i].id);
            return g < groups.size() && page.mayTickGroup(g);
        });
        if (chosen)
            page.tickGroup(indexOf(requirement.groups[*chosen].id), true);
    }
    // Then other groups, while free proficiencies are left.
    while (page.freeCount() > 0) {
        const auto chosen = draw(groups.size(), [&](std::size_t g) {
            return !groups[g].ticked && page.mayTickGroup(g);
        });
        if (!chosen)
            break;
        page.tickGroup(*chosen, true);
    }
}

void CliWizardPages::drawWeapons(CWizard6& page) {
    for (std::size_t g = 0; g < page.groups().size(); ++g) {
        const WeaponGroupChoice& group = page.groups()[g];
        const auto ticked = [](const WeaponChoice& w) { return w.ticked; };
        if (!group.ticked || std::any_of(group.weapons.begin(), group.weapons.end(), ticked))
            continue;
        // A weapon the character is big and strong enough for, when the group has one.
        const auto fits = [&group](std::size_t w) {
            return group.weapons[w].label == group.weapons[w].name;
        };
        bool anyFits = false;
        for (std::size_t w = 0; w < group.weapons.size(); ++w)
            anyFits = anyFits || fits(w);
        const auto chosen =
            draw(group.weapons.size(), [&](std::size_t w) { return !anyFits || fits(w); });
        if (chosen)
            page.tickWeapon(g, *chosen, true);
    }
}

bool CliWizardPages::showWeapons(CWizard6& page) {
    const auto& groups = page.groups();
    for (const std::string& wanted : options_.weaponGroups) {
        std::size_t g = 0;
        while (g < groups.size() && groups[g].id != wanted && groups[g].name != wanted)
            ++g;
        if (g == groups.size())
            return fail(2, "Grupa broni „" + wanted + "” nie jest do wyboru" + freeNote(page) +
                               "; do wyboru:" + groupLines(page));
        if (!page.tickGroup(g, true))
            return fail(2, "Grupa broni „" + wanted +
                               "” nie jest do wyboru: nie ma wolnej "
                               "biegłości" +
                               freeNote(page) + "; do wyboru:" + groupLines(page));
    }
    for (const std::string& wanted : options_.weapons) {
        std::optional<std::pair<std::size_t, std::size_t>> found;
        for (std::size_t g = 0; g < groups.size() && !found; ++g)
            for (std::size_t w = 0; w < groups[g].weapons.size() && !found; ++w) {
                const WeaponChoice& weapon = groups[g].weapons[w];
                if (weapon.id == wanted || weapon.name == wanted || weapon.label == wanted)
                    found = std::pair{g, w};
            }
        if (!found)
            return fail(2, "Broń „" + wanted + "” nie jest do wyboru" + freeNote(page) +
                               "; do wyboru:" + weaponLines(page));
        const auto [g, w] = *found;
        if (!page.tickWeapon(g, w, true))
            return fail(2, "Broń „" + wanted + "” nie jest do wyboru: jej grupa „" +
                               groups[g].name + "” wymaga wolnej biegłości" + freeNote(page) +
                               "; do wyboru:" + weaponLines(page));
    }
    if (options_.weaponGroups.empty())
        drawWeaponGroups(page);
    if (options_.weapons.empty())
        drawWeapons(page);
    if (const auto blocked = page.blocker())
        return fail(2, *blocked);
    // One training throw per new group: asked with --ask, like every throw.
    return page.finish([this](CWizard6Bgl& training) {
        training.roll(asking_ != nullptr);
        return !abandoned() && training.finish();
    });
}

} // namespace tallar::cli

namespace tallar::cli {

namespace {

bool meansNone(const std::string& text) {
    return text == "none" || text == "brak";
}

// An answer typed with --ask may be the number of a choice in the list shown (from 1).
std::optional<std::size_t> numberOf(const std::string& text, std::size_t count) {
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const auto n = static_cast<std::size_t>(textToInt(text));
    if (n < 1 || n > count)
        return std::nullopt;
    return n - 1;
}

// The choices of a page as a numbered list for a prompt.
std::string numbered(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += "\n  " + std::to_string(i + 1) + ". " + names[i];
    return text;
}

// The holding limbs of a character: the body parts that can hold a weapon or a shield.
int holdingLimbs(const CIstota& hero) {
    int n = 0;
    if (const CPoz* body = hero.link(kLinkCialo))
        for (const CPoz* part : body->children())
            n += part->typ == kinds::body::kPart && part->wartosc != 0 ? 1 : 0;
    return n;
}

std::string placeNames(const CWizard9& page, const std::vector<std::size_t>& indices) {
    std::string text;
    for (const std::size_t p : indices)
        text += "\n  " + page.places()[p].name;
    return text.empty() ? std::string(" nic") : text;
}

} // namespace

StreamUserPort* CliWizardPages::choicesAsked() const {
    return throwsLeftToTheProgram() ? nullptr : asking_;
}

std::optional<std::string> CliWizardPages::pageChoice(const std::optional<std::string>& option,
                                                      std::string_view prompt) {
    if (option)
        return option;
    StreamUserPort* asking = choicesAsked();
    if (!asking)
        return std::nullopt;
    auto line = asking->askLine(prompt);
    if (!line || line->empty())
        return std::nullopt;
    return line;
}

bool CliWizardPages::showArmour(CWizard7& page) {
    std::vector<PageChoice> offered;
    std::vector<std::string> names;
    for (const ArmourChoice& armour : page.armours()) {
        offered.push_back({armour.id, armour.name});
        names.push_back(armour.name);
    }
    auto wanted = pageChoice(options_.armour, "Zbroja (numer, nazwa albo „brak”; pusto: losowo)" +
                                                  numbered(names) + "\n");
    if (abandoned())
        return false;
    if (wanted && !options_.armour)
        if (const auto n = numberOf(*wanted, offered.size()))
            wanted = offered[*n].id;
    // Nothing to wear is no failure: the character goes without armour.
    if ((wanted && meansNone(*wanted)) || (!wanted && offered.empty())) {
        page.finish();
        return true;
    }
    const auto id = pick(offered, wanted, "Zbroja");
    if (!id)
        return false;
    for (std::size_t i = 0; i < page.armours().size(); ++i)
        if (page.armours()[i].id == *id)
            (void)page.setTicked({.armour = i, .element = {}}, true);
    page.finish();
    return true;
}

bool CliWizardPages::showShield(CWizard8& page) {
    std::vector<PageChoice> offered;
    std::vector<std::string> names;
    for (const ShieldChoice& shield : page.shields()) {
        offered.push_back({shield.id, shield.name});
        names.push_back(shield.name);
    }
    auto wanted = pageChoice(options_.shield, "Tarcza (numer, nazwa albo „brak”; pusto: losowo)" +
                                                  numbered(names) + "\n");
    if (abandoned())
        return false;
    if (wanted && !options_.shield)
        if (const auto n = numberOf(*wanted, offered.size()))
            wanted = offered[*n].id;
    // A shield is drawn only for a character with a hand left beside its weapon.
    if ((wanted && meansNone(*wanted)) ||
        (!wanted && (offered.empty() || holdingLimbs(page.character()) < 2))) {
        page.finish();
        return true;
    }
    const auto id = pick(offered, wanted, "Tarcza");
    if (!id)
        return false;
    for (std::size_t i = 0; i < page.shields().size(); ++i)
        if (page.shields()[i].id == *id)
            (void)page.setTicked(i, true);
    page.finish();
    return true;
}

bool CliWizardPages::chooseEquipment(CWizard10& page) {
    const PickTable table = page.equipmentTable();
    std::vector<std::string> wanted = options_.items;
    bool typed = false;
    if (StreamUserPort* asking = choicesAsked(); wanted.empty() && asking) {
        std::vector<std::string> names;
        for (const auto& row : table.rows)
            names.push_back(row.size() > 1 ? row[1] : row[0]);
        const auto line = asking->askLine(
            "Ekwipunek (NUMER albo NAZWA, z „:ILOŚĆ”, rozdzielone „;”; „brak”; pusto: losowo)" +
            numbered(names) + "\n");
        if (!line)
            return false;
        if (!line->empty())
            wanted = splitText(*line, ';');
        typed = true;
    }
    if (wanted.empty()) {
        // A few different things, drawn.
        std::vector<std::size_t> rows(table.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i] = i;
        const std::size_t count = std::min<std::size_t>(rows.size(), 2 + generator_.next() % 3);
        for (std::size_t n = 0; n < count; ++n) {
            const std::size_t at =
                n + static_cast<std::size_t>(generator_.next()) % (rows.size() - n);
            std::swap(rows[n], rows[at]);
            (void)page.AddItem(table.rows[rows[n]].front());
        }
        return true;
    }
    for (const std::string& item : wanted) {
        if (meansNone(item))
            continue;
        std::string name = item;
        int count = 1;
        if (const auto colon = item.rfind(':'); colon != std::string::npos) {
            const std::string digits = item.substr(colon + 1);
            if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos &&
                digits.size() <= 5) {
                name = item.substr(0, colon);
                count = std::max(textToInt(digits), 1);
            }
        }
        std::optional<std::string> id;
        for (const auto& row : table.rows)
            if (row.size() > 1 && (row[0] == name || row[1] == name))
                id = row[0];
        if (typed)
            if (const auto n = numberOf(name, table.rows.size()))
                id = table.rows[*n].front();
        if (!id) {
            std::string offered;
            for (const auto& row : table.rows)
                offered += "\n  " + row[0] + "  " + (row.size() > 1 ? row[1] : std::string());
            return fail(2, "Ekwipunek „" + name + "” nie jest do wyboru; do wyboru:" +
                               (offered.empty() ? std::string(" nic") : offered));
        }
        (void)page.AddItem(*id, count);
    }
    return true;
}

bool CliWizardPages::place(CWizard9& page, const std::string& itemName,
                           const std::string& wantedPlaces, bool byNumber) {
    std::optional<std::size_t> item;
    for (std::size_t i = 0; i < page.items().size() && !item; ++i)
        if (page.items()[i].name == itemName && page.placesOf(i).empty())
            item = i;
    for (std::size_t i = 0; i < page.items().size() && !item; ++i)
        if (page.items()[i].name == itemName)
            item = i;
    if (!item) {
        std::string offered;
        for (const PlacementItem& it : page.items())
            offered += "\n  " + it.name;
        return fail(2, "Rzecz „" + itemName + "” nie jest do rozmieszczenia; do rozmieszczenia:" +
                           (offered.empty() ? std::string(" nic") : offered));
    }
    for (const std::string& wantedPlace : splitText(wantedPlaces, ';')) {
        if (wantedPlace.empty() || meansNone(wantedPlace))
            continue;
        const auto offered = page.placesOffered(*item);
        bool placed = false;
        if (byNumber)
            if (const auto n = numberOf(wantedPlace, offered.size()))
                placed = page.setPlaced(*item, offered[*n], true);
        for (const std::size_t p : offered)
            if (!placed && page.places()[p].name == wantedPlace && !page.places()[p].owner)
                placed = page.setPlaced(*item, p, true);
        if (!placed)
            return fail(2, "Miejsce „" + wantedPlace + "” nie jest dostępne dla „" + itemName +
                               "”; dostępne:" + placeNames(page, offered));
    }
    return true;
}

void CliWizardPages::placeKit(CWizard9& page) {
    const auto& items = page.items();
    const auto put = [&page](std::size_t item, std::initializer_list<Place::Kind> kinds,
                             int count) {
        for (const Place::Kind kind : kinds)
            for (const std::size_t p : page.placesOffered(item))
                if (count > 0 && page.places()[p].kind == kind && !page.places()[p].owner &&
                    page.setPlaced(item, p, true))
                    --count;
        return count == 0;
    };
    const auto first = [&items](PlacementItem::Kind kind) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].kind == kind)
                return i;
        return std::nullopt;
    };
    const auto limbsFor = [&items](std::size_t item) {
        const CPoz* type = items[item].entry->FindByKind(kinds::weapon::kType);
        const std::string code = type ? type->memo : std::string();
        return code == "DW" || code == "PT" ? 2 : 1;
    };
    if (const auto armour = first(PlacementItem::Kind::Armour))
        (void)put(*armour, {Place::Kind::Body}, 1);
    const auto weapon = first(PlacementItem::Kind::Weapon);
    if (weapon)
        (void)put(*weapon, {Place::Kind::Limb}, limbsFor(*weapon));
    if (const auto shield = first(PlacementItem::Kind::Shield))
        (void)put(*shield,
                  {Place::Kind::Limb, Place::Kind::HandMount, Place::Kind::ArmourMount,
                   Place::Kind::Ground},
                  1);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].kind == PlacementItem::Kind::Weapon && i != weapon && page.placesOf(i).empty())
            (void)put(i, {Place::Kind::Limb}, limbsFor(i));
}

bool CliWizardPages::showPlacement(CWizard9& page) {
    if (!options_.places.empty()) {
        for (const std::string& given : options_.places) {
            if (meansNone(given)) // nothing placed but what the other --place name
                continue;
            const auto equals = given.find('=');
            if (!place(page, given.substr(0, equals), given.substr(equals + 1), false))
                return false;
        }
    } else if (StreamUserPort* asking = choicesAsked()) {
        for (std::size_t i = 0; i < page.items().size(); ++i) {
            const std::string name = page.items()[i].name;
            std::vector<std::string> names;
            for (const std::size_t p : page.placesOffered(i))
                names.push_back(page.places()[p].name);
            if (names.empty()) // every place it could take is taken: nothing to ask
                continue;
            const auto line =
                asking->askLine("Gdzie „" + name +
                                "” (numery albo nazwy miejsc rozdzielone „;”; pusto albo „brak”: "
                                "nigdzie)" +
                                numbered(names) + "\n");
            if (!line)
                return false;
            if (!place(page, name, *line, true))
                return false;
        }
    } else {
        placeKit(page);
    }
    page.ApplyPlacements();
    return true;
}

} // namespace tallar::cli
