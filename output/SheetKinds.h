#pragma once

// Entry kinds the character sheet reads, grouped by the rules that write them.
namespace tallar::sheetkinds {

// Origin, under "Dodatkowe informacje".
inline constexpr int kAppearance = 256;  // "Rasa: …"; holds height and weight
inline constexpr int kHeight = 561;      // "Wzrost [cm]" under the appearance
inline constexpr int kWeight = 577;      // "Waga [kg]" under the appearance
inline constexpr int kStage = 272;       // the race stage, under the appearance
inline constexpr int kSkin = 9552;       // "Skóra", under the stage
inline constexpr int kSocialClass = 375; // "Klasa społeczna", memo = the class's name
inline constexpr int kBirthplace = 391;  // "Miejsce urodzenia", memo = the place's name

// The skin's amounts, under "Skóra".
inline constexpr int kSkinPiercing = 1345;
inline constexpr int kSkinCutting = 1361;
inline constexpr int kSkinBlunt = 1377;

// Resistances: the parts read from "Odporność nr.1" … nr.3.
inline constexpr int kIllusionPart = 17457;   // "1/10 Inteligencji" of "Odporność nr.1"
inline constexpr int kSuggestionPart = 17537; // "1/10 Mądrości" of "Odporność nr.2"
inline constexpr int kSpellPart = 17713;      // "1/10 Wiary" of "Odporność nr.3"

// Professions, trades, skills.
inline constexpr int kProfession = 512;            // under "Profesje"
inline constexpr int kProfessionLevel = 542;       // its level
inline constexpr int kProfessionExperience = 8749; // its experience points
inline constexpr int kTrade = 816;                 // under "Zawody"
inline constexpr int kSkill = 25488;               // one skill, in a group under "Umiejętności"

// Money: a count (wartosc) of things worth modyfikator each, under the places of "Majątek".
inline constexpr int kMoney = 12;
inline constexpr int kWealthCarried = 1916; // "przy sobie" under "Majątek"

// Equipment and combat.
inline constexpr int kCarried = 1104;    // "przy sobie" under "Ekwipunek"
inline constexpr int kSaddlebags = 1120; // "w sakwach"
inline constexpr int kHome = 1136;       // "w domu"
inline constexpr int kItem = 2417;       // an item: count in wartosc
inline constexpr int kWeightPart = 1169; // "Waga" of a thing, or a weight under "Obciążenie"
inline constexpr int kWeapons = 1296;    // "Bronie" under "Walka": statistics of held weapons
inline constexpr int kArmours = 1312;    // "Pancerz" under "Walka": worn armour
inline constexpr int kShields = 1328;    // "Tarcze" under "Walka": applied shields

// A weapon and its properties.
inline constexpr int kWeapon = 21024;             // a weapon; memo = its group id
inline constexpr int kNaturalWeapon = 24592;      // a natural weapon; specjal = its group id
inline constexpr int kNaturalWeaponCount = 25345; // "Ilość" of a natural weapon
inline constexpr int kWeaponPiercing = 21057;
inline constexpr int kWeaponCutting = 21089;
inline constexpr int kWeaponBlunt = 21121;
inline constexpr int kWeaponDefence = 21249;
inline constexpr int kWeaponAttacks = 21313;
inline constexpr int kWeaponDelay = 21377;

// Statistics of a held weapon (under "Bronie") and its parts.
inline constexpr int kWeaponStatistics = 18784;
inline constexpr int kStatAttacks = 20597;
inline constexpr int kStatDelay = 18825;
inline constexpr int kStatPiercing = 18837;
inline constexpr int kStatCutting = 20501;
inline constexpr int kStatBlunt = 20533;
inline constexpr int kStatDefence = 20565;
inline constexpr int kStatHit = 20581;

// Proficiencies, under "Biegłości w broniach".
inline constexpr int kProficiency = 1573;      // specjal = weapon group id
inline constexpr int kProficiencyLevel = 1601; // its level ("SPECJALISTA", …)

// Shields: the carried shield and its use under "Tarcze".
inline constexpr int kShield = 22592;
inline constexpr int kShieldDurability = 22785;

// Armour: the carried armour, its elements, and its use under "Pancerz".
inline constexpr int kArmour = 22016;
inline constexpr int kArmourElement = 22032;
inline constexpr int kElementDurability = 22289;
inline constexpr int kArmourPiercing = 22369; // an armour's share of a body part
inline constexpr int kArmourBlunt = 22385;
inline constexpr int kArmourCutting = 22401;

// Body parts, under "Ciało".
inline constexpr int kBodyPart = 4096;
inline constexpr int kPartPiercing = 4133;
inline constexpr int kPartCutting = 4149;
inline constexpr int kPartBlunt = 4165;
inline constexpr int kPartDefence = 4181;
inline constexpr int kPartRangedDefence = 1397;
inline constexpr int kPartProperties = 4192;    // "Właściwości"
inline constexpr int kPartDefaultTarget = 4452; // "domyślna lokacja ciosów", under the properties

} // namespace tallar::sheetkinds
