#include "cli/CliWizardPages.h"

#include "cli/CliAnswers.h"
#include "cli/NameList.h"
#include "cli/StreamUserPort.h"
#include "rules/core/RulesMath.h"
#include "store/db/Database.h"
#include "wizard/CWizard1.h"
#include "wizard/CWizard2.h"
#include "wizard/CWizard3.h"
#include "wizard/CWizard4.h"
#include "wizard/CWizard6.h"
#include "wizard/CWizard6Bgl.h"
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
                                   ": trzecią profesję otwiera poziom drugiej zawierający "
                                   "„spec” (np. --profession NAZWA:5spec)");
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
