#pragma once

#include "rules/engine/EngineStep.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallar {

class CWizard6Bgl;

// A weapon of the weapons page: its identifier, its name, its label (the name, and why the
// character is too small or too weak for it) and its property text ("Label:value|…").
struct WeaponChoice {
    std::string id;
    std::string name;
    std::string label;
    std::string properties;
    bool ticked = false;
};

// A weapon group with its weapons. `proficient`: the character has a proficiency entry for
// it already (a racial one, say), so it costs no free proficiency.
struct WeaponGroupChoice {
    std::string id;
    std::string name;
    bool proficient = false;
    bool ticked = false;
    std::vector<WeaponChoice> weapons;
};

// A requirement of the character's professions and the groups that satisfy it.
struct WeaponRequirement {
    struct Group {
        std::string id;
        std::string name;
        bool ticked = false;
    };
    std::string id;
    std::string name;
    std::string description;
    std::vector<Group> groups;
    bool met = false;
};

// The weapons page of the creation wizard: the person ticks the weapon groups the
// character is proficient in, within the free proficiencies the professions gave, covering
// every weapon-group requirement of the professions, and the weapons the character carries.
// OK trains each new group (CWizard6Bgl) and adds the ticked weapons. The dialog only shows
// this state and forwards what the person does; the command line drives it the same way.
// It works on a character being made and on a stored one.
class CWizard6 {
public:
    static constexpr const char* kCaption = "Wybór broni";

    explicit CWizard6(const EngineContext& context);

    // Recounts the pool, then fills the attributes, the requirements and the weapon tree.
    void open();

    const std::vector<WeaponGroupChoice>& groups() const { return groups_; }
    const std::vector<WeaponRequirement>& requirements() const { return requirements_; }
    // The character's attributes as the page shows them.
    const std::vector<std::string>& attributes() const { return attributes_; }

    // The free proficiencies: the pool less the ticked groups the character is not yet
    // proficient in.
    int freeCount() const;
    // "Wybór broni - Wolne biegłości: N".
    std::string caption() const;

    // Ticking a group or a weapon (a click on its box). Returns whether it is ticked after:
    // a first weapon of a new group takes a free proficiency; with none left the tick is
    // undone. A group stays ticked while a weapon of it is ticked or the character is
    // proficient in it.
    bool tickGroup(std::size_t group, bool tick);
    bool tickWeapon(std::size_t group, std::size_t weapon, bool tick);
    // Whether ticking the group would keep it ticked (it is, it needs no free proficiency,
    // or one is left).
    bool mayTickGroup(std::size_t group) const;

    // The rows of the properties list of a property text: label and value, split at the
    // first colon.
    static std::vector<std::pair<std::string, std::string>> propertyRows(std::string_view text);

    // Why OK is refused: the first requirement not met, while the requirements can be met
    // with the free proficiencies; nothing otherwise.
    std::optional<std::string> blocker() const;
    // Whether the free proficiencies at opening can meet every requirement (with the groups
    // the character is proficient in). When they cannot, the requirements do not keep OK
    // from going on.
    bool requirementsBind() const { return requirementsBind_; }

    // OK: every new group gets its proficiency entry (one proficiency spent on its basic
    // training), the pool is recounted, each new group is trained by `train` (which shows
    // and finishes its CWizard6Bgl; false gives up), and every ticked weapon is added to
    // the character. False when refused or given up.
    using Training = std::function<bool(CWizard6Bgl&)>;
    bool finish(const Training& train);

private:
    void fillAttributes();
    void fillRequirements();
    void fillWeapons();
    void refresh();
    std::string weaponLabel(const std::string& name, int minimumHeight, int minimumStrength) const;
    bool canMeetRequirements(int pool) const;

    EngineContext context_;
    int pool_ = 0;
    bool requirementsBind_ = true;
    std::vector<WeaponGroupChoice> groups_;
    std::vector<WeaponRequirement> requirements_;
    std::vector<std::string> attributes_;
};

} // namespace tallar
