#pragma once

#include <array>
#include <string>
#include <vector>

namespace tallar {

class CIstota;

// One weapon of the sheet: a held weapon's statistics or a weapon only carried. Texts are
// empty where the character has no such entry; a triple is "kł/tn/ob" with "-" for a kind
// of wound the weapon does not deal.
struct SheetWeapon {
    std::string name;
    std::string hit;           // "Trafienie"
    std::string effectiveness; // the weapon's own piercing/cutting/blunt effectiveness
    std::string defence;
    std::string attacks; // per round
    std::string damage;  // the wounds it deals: piercing/cutting/blunt
    std::string delay;
    std::string count;          // how many the character carries
    std::string specialisation; // the proficiency's level ("SPECJALISTA", …)
    std::string proficiency;    // "proficiency/hit"
    std::string price;          // no rules table holds prices: always empty
    std::string weight;
};

// A line of the armour block: the armour worn, the shield, the natural skin.
struct SheetProtection {
    std::string name;
    std::string price; // no rules table holds prices: always empty
    std::string weight;
    std::string dexterityLimit; // "1/N", "-" for no limit
    std::string speedLimit;
    std::string durability;
    std::string piercing; // absorption
    std::string cutting;
    std::string blunt;
};

// Every value the character sheet prints, as text: empty where the character lacks the
// entry. Numbers are whole numbers; computed values round halves away from zero and
// attribute values are truncated totals.
struct SheetRecord {
    // Page 1.
    std::string name;
    std::string height;
    std::string weight; // "kg/" (the weight in SF is left to the player)
    std::string birthplace;
    std::array<std::string, 4> coins; // mithril, platinum, gold, silver carried
    std::string wealth;               // "G zł. S sr."
    std::string socialClass;
    std::vector<std::string> carried;    // equipment "przy sobie"
    std::vector<std::string> saddlebags; // "w sakwach"
    std::vector<std::string> home;       // "w domu"
    std::vector<SheetWeapon> weapons;
    std::string defence;           // of the default body part
    std::string defenceWithWeapon; // with the best defending weapon
    std::string defenceWeapon;     // that weapon's number in the weapons table
    std::string piercing;          // absorption of the default body part
    std::string cutting;
    std::string blunt;
    std::string armourDurability;
    std::string armourNames;
    std::string shieldNames;
    std::string rangedDefence;
    std::vector<std::string> skills;

    // Page 2.
    std::string professions;
    std::string levels;
    std::string experience;
    std::vector<std::string> languages;
    std::vector<std::string> trades;
    std::vector<std::string> disabilities;
    std::vector<std::string> supernatural; // the first two supernatural abilities

    std::string vitality;
    std::string endurance; // rounds
    std::string strength;
    std::string presenceBonus;
    std::string damageBonus;
    std::string hitBonus;
    std::string dexterity;
    std::string currentDexterity;
    std::string defenceModification;
    std::string searching;
    std::string speed;
    std::string currentSpeed;
    std::string walk;
    std::string run;
    std::string sprint;
    std::string intelligence;
    std::string illusionBonus;
    std::string wisdom;
    std::string suggestionBonus;
    std::string bargaining;
    std::string magic;
    std::string presence;
    std::string reaction;
    std::string charisma;
    std::string faith;
    std::string spellBonus;
    std::string perception;
    std::string lifeEnergy;

    std::string basePsychic;
    std::string basePhysical;
    std::array<std::string, 10> resistances;

    SheetProtection armour;
    SheetProtection shield;
    SheetProtection skin;

    std::string loadArmour;
    std::string loadShield;
    std::string loadWeapons;
    std::string loadEquipment;
    std::string loadTotal;
    std::string loadFree; // what the character can still carry: SF less the load
    std::string loadStrength;
};

// The values of the sheet of a recalculated character (RecalculateCharacter).
SheetRecord makeSheetRecord(const CIstota& character);

// "1/N" for a limit divisor N above 1, "-" for none.
std::string limitText(int divisor);

} // namespace tallar
