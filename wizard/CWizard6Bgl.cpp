#include "wizard/CWizard6Bgl.h"

#include "model/Character.h"
#include "rules/core/Dice.h"
#include "rules/core/RulesMath.h"
#include "wizard/ProficiencyPool.h"

#include <algorithm>

namespace tallar {

using namespace kinds;

const std::array<ProficiencyLevel, 6> kSpecialisationLevels = {{
    {"BIEGŁY", "0|0|0|0|0", 0},
    {"PODWÓJNIE BIEGŁY", "1|1|0|0|0", 5},
    {"SPECJALISTA", "2|2|1|0|0", 15},
    {"PODWÓJNY SPECJALISTA", "4|3|2|1|0", 30},
    {"MISTRZ", "6|4|3|2|1", 50},
    {"WIELKI MISTRZ", "7|5|4|3|2", 75},
}};
const std::array<ProficiencyLevel, 3> kAmbidexterityLevels = {{
    {"JEDNORĘCZNOŚĆ", "0|0|0|0|0", 0},
    {"OBURĘCZNOŚĆ", "1|0|0|0|0", 0},
    {"PODWÓJNA OBURĘCZNOŚĆ", "2|0|0|0|0", 0},
}};

namespace {

int costOf(const ProficiencyLevel& level) {
    return textToInt(level.cost);
}

// The position of the level named `name`, or 0.
template <std::size_t N>
std::size_t positionOf(const std::array<ProficiencyLevel, N>& levels, std::string_view name) {
    for (std::size_t p = 0; p < N; ++p)
        if (name == levels[p].name)
            return p;
    return 0;
}

template <std::size_t N>
std::vector<std::string> itemsOf(const std::array<ProficiencyLevel, N>& levels, std::size_t count) {
    std::vector<std::string> items{""}; // position 0 is shown as an empty item
    for (std::size_t p = 1; p < count; ++p)
        items.emplace_back(levels[p].name);
    return items;
}

// A field of digits only with a value from `low` to `high`.
bool inRange(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const int value = textToInt(text);
    return value >= low && value <= high;
}

// A profession whose rules grant an extra proficiency roll (`bgl_podst`) keeps it as the
// modifier 1.0 of its entry.
bool givesExtraRoll(const CPoz& profession) {
    return nearlyEqual(profession.modyfikator, 1.0);
}

} // namespace

TrainingRights trainingRights(const CIstota& character) {
    TrainingRights rights;
    const CPoz* professions = character.link(kLinkProfesje);
    if (!professions)
        return rights;
    // The flags count up to and including the first profession with a level above 0.
    for (const CPoz* entry : professions->children()) {
        if (entry->typ != profession::kProfession)
            continue;
        rights.extraRolls += givesExtraRoll(*entry) ? 1 : 0;
        const CPoz* level = entry->FindByKind(profession::kLevel);
        if (level && level->wartosc > 0) {
            rights.specialisationOpen = true;
            break;
        }
    }
    return rights;
}

CWizard6Bgl::CWizard6Bgl(const EngineContext& context, CPoz& proficiency, int free)
    : CWizard6Bgl(context, proficiency, free, trainingRights(context.character)) {}

CWizard6Bgl::CWizard6Bgl(const EngineContext& context, CPoz& proficiency, int free,
                         TrainingRights rights)
    : context_(context), proficiency_(proficiency), free_(free), rights_(rights) {
    // A training with its roll was made before: it is shown and stays as it is.
    if (const CPoz* training = proficiency_.FindByKind(proficiency::kBasicTraining);
        training && training->modyfikator >= 1.0) {
        trainedBefore_ = true;
        rollText_ = zeroPadded(roundToInt(training->modyfikator), 3);
        spentText_ = std::to_string(textToInt(splitText(training->memo, '|').front()));
    }
    if (rights_.specialisationOpen) {
        if (const CPoz* level = proficiency_.FindByKind(proficiency::kSpecialisation))
            specialisation_ = positionOf(kSpecialisationLevels, level->info);
        if (const CPoz* level = proficiency_.FindByKind(proficiency::kAmbidexterity))
            ambidexterity_ = positionOf(kAmbidexterityLevels, level->info);
    }
    rebuild();
}

int CWizard6Bgl::availableFor(const CIstota& character, const CPoz& proficiency) {
    int own = 0;
    for (const CPoz* part : proficiency.children())
        if (part->typ == proficiency::kBasicTraining || part->typ == proficiency::kSpecialisation ||
            part->typ == proficiency::kAmbidexterity)
            own += textToInt(splitText(part->memo, '|').front());
    return freeProficiencies(character) + own;
}

std::string CWizard6Bgl::caption() const {
    return proficiency_.info;
}

std::string CWizard6Bgl::rollButtonCaption() const {
    if (rights_.extraRolls == 0)
        return "K100";
    return "Max z " + std::to_string(rights_.extraRolls + 1) + " rzut.K100";
}

void CWizard6Bgl::setRollText(std::string_view text) {
    if (trainedBefore_)
        return;
    rollText_ = text;
    rebuild();
}

void CWizard6Bgl::setSpentText(std::string_view text) {
    if (trainedBefore_)
        return;
    spentText_ = text;
    rebuild();
}

int CWizard6Bgl::spent() const {
    return std::max(0, textToInt(spentText_));
}

int CWizard6Bgl::rollValue() const {
    return textToInt(rollText_);
}

bool CWizard6Bgl::rollValid() const {
    return inRange(rollText_, 1, 100);
}

bool CWizard6Bgl::spentValid() const {
    return inRange(spentText_, 1, free_);
}

void CWizard6Bgl::roll(bool asked) {
    if (trainedBefore_ || left() <= 0 || rollValue() >= 100)
        return;
    const DiceRolls rolls{asked && context_.askRolls, &context_.port, context_.generator};
    const int thrown = RollDice(100, false, rights_.extraRolls + 1, true, 1, rolls,
                                "Biegłość: " + proficiency_.info);
    if (thrown > rollValue())
        rollText_ = zeroPadded(thrown, 3);
    spentText_ = std::to_string(spent() + 1);
    rebuild();
}

std::vector<std::string> CWizard6Bgl::specialisationItems() const {
    return itemsOf(
        kSpecialisationLevels,
        offered(kSpecialisationLevels.size(), free_ - std::max(1, spent()) - ambidexterityCost()));
}

std::vector<std::string> CWizard6Bgl::ambidexterityItems() const {
    return itemsOf(
        kAmbidexterityLevels,
        offered(kAmbidexterityLevels.size(), free_ - std::max(1, spent()) - specialisationCost()));
}

void CWizard6Bgl::chooseSpecialisation(std::size_t position) {
    specialisation_ = position;
    rebuild();
}

void CWizard6Bgl::chooseAmbidexterity(std::size_t position) {
    ambidexterity_ = position;
    rebuild();
}

int CWizard6Bgl::specialisationCost() const {
    return costOf(
        kSpecialisationLevels[std::min(specialisation_, kSpecialisationLevels.size() - 1)]);
}

int CWizard6Bgl::ambidexterityCost() const {
    return costOf(kAmbidexterityLevels[std::min(ambidexterity_, kAmbidexterityLevels.size() - 1)]);
}

int CWizard6Bgl::left() const {
    return free_ - (spent() + specialisationCost() + ambidexterityCost());
}

std::size_t CWizard6Bgl::offered(std::size_t levels, int budget) const {
    if (!rights_.specialisationOpen)
        return 1;
    const auto cost = [levels](std::size_t p) {
        return levels == kSpecialisationLevels.size() ? costOf(kSpecialisationLevels[p])
                                                      : costOf(kAmbidexterityLevels[p]);
    };
    std::size_t count = 1;
    while (count < levels && cost(count) <= budget)
        ++count;
    return count;
}

void CWizard6Bgl::rebuild() {
    // Each list keeps its choice while it is still offered, else falls to its last item.
    specialisation_ = std::min(specialisation_, specialisationItems().size() - 1);
    ambidexterity_ = std::min(ambidexterity_, ambidexterityItems().size() - 1);
}

std::optional<std::string> CWizard6Bgl::blocker() const {
    if (!rollValid())
        return "Biegłość: wpisz wynik rzutu od 1 do 100 albo rzuć kością (" + rollButtonCaption() +
               ").";
    if (!spentValid())
        return "Ilość biegłości na szkolenie: od 1 do " + std::to_string(free_) + ".";
    if (left() < 0)
        return "Wydano o " + std::to_string(-left()) + " biegłości więcej, niż jest wolnych.";
    return std::nullopt;
}

bool CWizard6Bgl::finish() {
    if (blocker())
        return false;
    if (!trainedBefore_)
        (void)proficiency_.SetOrAdd({.info = "Szkolenie podstawowe",
                                     .typ = proficiency::kBasicTraining,
                                     .wartosc = rollValue(),
                                     .modyfikator = static_cast<double>(rollValue()),
                                     .memo = std::to_string(spent()) + "|0|0|0|0"});
    const ProficiencyLevel& level = kSpecialisationLevels[specialisation_];
    (void)proficiency_.SetOrAdd({.info = level.name,
                                 .typ = proficiency::kSpecialisation,
                                 .wartosc = level.step,
                                 .memo = level.cost});
    const ProficiencyLevel& hands = kAmbidexterityLevels[ambidexterity_];
    if (costOf(hands) > 0)
        (void)proficiency_.SetOrAdd(
            {.info = hands.name, .typ = proficiency::kAmbidexterity, .memo = hands.cost});
    else if (CPoz* old = proficiency_.FindByKind(proficiency::kAmbidexterity))
        (void)old->Odlaczenie();
    recountProficiencyPool(context_);
    return true;
}

} // namespace tallar
