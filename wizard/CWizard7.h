#pragma once

#include "rules/engine/EngineStep.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tallar {

// A row of a page's property list: a label and its value.
using PropertyRow = std::pair<std::string, std::string>;

// The rows of a property text "Label:value|Label:value…": each piece with a colon.
std::vector<PropertyRow> propertyRows(std::string_view text);

// What an armour or an element gives one body part of the character's stage.
struct ProtectionRow {
    std::string part{};
    int piercing = 0;
    int cutting = 0;
    int blunt = 0;
    int defence = 0;
};

// An armour offered on the armour page, or one of its elements.
struct ArmourChoice {
    std::string id{};
    std::string name{};
    std::string properties{}; // "Label:value|…"
    bool ticked = false;
    std::vector<ArmourChoice> elements{}; // of an armour; none for an element
    // The protection per body part, once the entry has been selected.
    std::optional<std::vector<ProtectionRow>> protection{};
};

// The armour page of the creation wizard ("Wybór zbroi"): the armours all of whose
// elements the character's race stage may wear, with their elements, properties and the
// protection they give each body part of the stage. At most one armour is ticked; OK adds
// it to the carried equipment (where the equipment page puts it on) and refills the load.
// Works on a character being made and on a stored one alike.
class CWizard7 {
public:
    static constexpr const char* kCaption = "Wybór zbroi";

    explicit CWizard7(const EngineContext& context);

    // The character the page works on.
    CIstota& character() const { return context_.character; }

    // Fills the list of armours.
    void open();
    const std::vector<ArmourChoice>& armours() const { return armours_; }

    // An armour, or one of its elements.
    struct Item {
        std::size_t armour = 0;
        std::optional<std::size_t> element;
    };
    // Selects an entry: its protection per body part is read once.
    void select(Item item);
    // The armour or element, or null for an item not in the list.
    const ArmourChoice* entry(Item item) const;
    std::vector<PropertyRow> properties(Item item) const;

    // A click on an entry's check box: unticking clears its armour and every element;
    // ticking ticks the armour and every element, unless another armour is ticked (then
    // nothing changes and false is returned).
    bool setTicked(Item item, bool ticked);
    // The ticked armour, if any.
    std::optional<std::size_t> tickedArmour() const;

    // OK: adds the ticked armour (if any) to the carried equipment and refills the load.
    void finish();

private:
    std::string stageId() const;
    std::vector<ProtectionRow> elementProtection(const ArmourChoice& armour,
                                                 const ArmourChoice& element);
    std::vector<ProtectionRow> armourProtection(ArmourChoice& armour);
    Status query(std::string_view sql, std::initializer_list<SqlParam> params,
                 const RowCallback& onRow);

    EngineContext context_;
    std::vector<ArmourChoice> armours_;
};

} // namespace tallar
