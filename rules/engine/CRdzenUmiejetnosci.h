#pragma once

#include "rules/engine/EngineStep.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class CPoz;

// The 36 flags of a skill ("T" or "N"), read with it: whether it has modifications,
// chances, effects and saving throws, the skill's own flag columns in their order, and
// last whether it is not joined or the lowest identifier of its joined group.
namespace skillFlag {
inline constexpr std::size_t kModifications = 0;
inline constexpr std::size_t kChances = 1;
inline constexpr std::size_t kDeclaration = 4; // `deklaracja`
inline constexpr std::size_t kBorrowed = 29;   // `zapozyczenie`
inline constexpr std::size_t kCount = 36;
} // namespace skillFlag

// The SQL expression of the 36 flags of the skill `A` of a query, one term per position
// joined with "||", named `wlaczenia`.
const std::string& skillFlagsExpression();

// Whether a skill's flags say that its modifications count for the skills entry: it has
// modifications, no chances and no declaration.
bool modificationsCount(std::string_view flags);

// A training offered to a character: the skill and its price in free proficiency points.
struct TrainingOffer {
    std::string id;
    std::string name;
    int price = 0;
    // The line of the pick list: "name (price Bgł.)".
    std::string line() const;
};

// The skills of a character (`umiejetnosci`) under its "Umiejętności" entry: from the
// race stage, from its professions up to their levels and from its trades up to their
// grades, each source in a group of its own; borrowed skills resolved into a chosen one;
// skills bought by training with free proficiency points; and the modifications of the
// skills gathered into the memo of the skills entry.
class CRdzenUmiejetnosci : public EngineStep {
public:
    enum SkillSource {
        kOnlyModifications = 0, // gather the modifications, nothing else
        kProfessions = 1,
        kTrades = 2,
        kRaceStage = 3,
    };

    static constexpr const char* kBorrowedCaption = "Wybór zapożyczonej umiejętności";
    static constexpr const char* kTrainingCaption = "Wybór szkolenia";

    explicit CRdzenUmiejetnosci(const EngineContext& context);

    // Adds the skills of one source, then gathers the modifications. A profession keeps
    // the skills it has up to its level and gets those it lacks; a trade's and the race
    // stage's groups are filled again from the rules.
    void SkillsFromSource(SkillSource source);

    // Offers the trainings the character may buy (its highest profession level reaches
    // their level, the free proficiency points their price) in the pick list "Wybór
    // szkolenia"; the chosen one and its joined skills go into "Ogólne" and its price is
    // paid from "Wolne biegłości". Cancelling adds and pays nothing.
    void Training();

    // The trainings the character may buy now, as the pick list offers them.
    std::vector<TrainingOffer> TrainingOffers();

    // Lets the person choose which skill linked to the borrowed skill `borrowed` the
    // profession group `group` takes; the chosen one (and its joined skills) is added as a
    // borrowed choice (value 1, modifier 1.0). True when one was chosen.
    bool ChooseBorrowedSkill(const CPoz& borrowed, CPoz& group);

    // Gathers the descriptors of the modifications of the character's skills into the
    // memo of "Umiejętności" (value 1 when there are any, else 0).
    void GatherModifications();

private:
    struct SkillRow;

    CPoz* skillsEntry() const;
    CPoz& groupFor(CPoz& source, int groupKind, std::string_view memo);
    // Runs a query whose rows are skills (source id, source name, poz, skill id, skill
    // name, flags) and adds each to the group.
    void addSkillRows(CPoz& group, std::string_view sql, std::span<const SqlParam> params);
    void addSkill(CPoz& group, const SkillRow& row);

    void skillsFromProfessions();
    void skillsFromTrades();
    void skillsFromRaceStage();
    void resolveBorrowedSkills(CPoz& group);

    std::vector<std::string> skillIds() const;
};

} // namespace tallar
