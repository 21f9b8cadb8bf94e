#pragma once

#include "rules/core/CRdzen.h"
#include "store/db/Database.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class CIstota;
class UserPort;

// An item of a profession list of page 3.
struct ProfessionItem {
    std::string id;
    std::string name;
    std::string limitText;    // `pozlimit` as the rules hold it; empty: no limit
    std::string shown;        // the name, with " [limit: N poz]" when there is a limit
    std::string requirements; // the 13 per-level increase expressions joined by "|"
    bool extraRoll = false;   // `bgl_podst`: an extra proficiency roll
};

// Page 3 of the creation wizard: up to three professions with their levels. Only the
// professions open to the race stage, alignment and social class of page 1 are offered;
// choosing one narrows the other lists to the professions that may be taken with it. The
// third profession opens when the second one's level holds the specialisation mark (as in
// "5spec"), which also lifts the level limits. OK writes a profession entry per chosen profession
// with its level and the experience points of that level. The dialog only shows this state and
// forwards what the person does; the command line drives it the same way.
class CWizard3 : public CRdzen {
public:
    static constexpr const char* kCaption = "Profesje";
    static constexpr std::size_t kSlots = 3;
    // The level limit of a profession without one (and of a slot without a profession).
    static constexpr int kNoLimit = 999;
    // Levels are typed from 0 up to this, whatever the limits.
    static constexpr int kMaxLevel = 999;

    CWizard3(Database& rules, CIstota& hero, UserPort& port);

    // Fills the list of the first profession from the character's race stage, alignment
    // and social class (as page 1 wrote them); the other two lists stay empty until a
    // profession is chosen.
    void open();

    // The professions a slot (0 … 2) offers. The dialog shows an empty item before them,
    // for no profession.
    const std::vector<ProfessionItem>& offered(std::size_t slot) const;

    // Chooses a profession for a slot by its identifier (empty: none). The other two lists
    // are rebuilt for the professions combinable with the choices; a choice a rebuilt list
    // no longer offers is cleared.
    void choose(std::size_t slot, std::string_view id);
    const std::string& chosenId(std::size_t slot) const { return slots_.at(slot).id; }
    // The chosen item of a slot, or null.
    const ProfessionItem* chosen(std::size_t slot) const;
    // The level limit of a slot: the profession's `pozlimit`, kNoLimit when that is empty
    // or below 1 and while no profession is chosen.
    int levelLimit(std::size_t slot) const;

    // The level field of a slot, any text: its leading number is the level. The second
    // profession's level holding the specialisation mark (as in "5spec", in any case) opens the
    // third profession and lifts the level limits; without it the third profession is closed and
    // emptied.
    void setLevelText(std::size_t slot, std::string_view text);
    const std::string& levelText(std::size_t slot) const { return slots_.at(slot).levelText; }
    int level(std::size_t slot) const;
    bool thirdOpen() const { return thirdOpen_; }
    bool limitsLifted() const { return thirdOpen_; }
    // Whether a slot's list and level can be changed (the third only when open).
    bool enabled(std::size_t slot) const { return slot < 2 || thirdOpen_; }

    // The fields of the page in the order it shows them.
    enum class Field { Profession1, Level1, Profession2, Level2, Profession3, Level3 };
    static constexpr std::array<Field, 6> kFields = {Field::Profession1, Field::Level1,
                                                     Field::Profession2, Field::Level2,
                                                     Field::Profession3, Field::Level3};
    // Why a field keeps OK from closing the page (shown red with this reason); nothing when
    // the field is fine.
    std::optional<std::string> problem(Field field) const;
    // The first field, in the page's order, that keeps OK from closing the page.
    std::optional<Field> firstProblem() const;

    // OK: when the page is valid, adds under "Profesje" an entry per chosen profession (in
    // slot order) with its "Poziom" and "Punkty doświadczenia" and returns true; otherwise
    // changes nothing and returns false.
    bool finish();

    // The experience points a level needs (below 1: 1; level 1 needs 100, level 20 50000).
    static int ExperienceForLevel(int level) { return experienceOfLevel(level); }

private:
    struct Slot {
        std::vector<ProfessionItem> offered;
        std::string id;
        std::string levelText;
    };

    void rebuild(std::size_t changed, std::size_t rebuilt);
    bool query(const std::string& sql, std::span<const SqlParam> params,
               std::vector<ProfessionItem>& items);

    Database& rules_;
    CIstota& hero_;
    UserPort& port_;
    std::string stageId_, alignmentId_, classId_;
    std::array<Slot, kSlots> slots_;
    bool thirdOpen_ = false;
};

} // namespace tallar
