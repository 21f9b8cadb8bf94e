#pragma once

#include "rules/core/AttributeSet.h"

#include <array>

// The catalogue of entry kinds: every kind a step, page, file or view of the program makes
// or reads, named once and grouped by subject. A comment gives the entry's label (its
// `info`, in quotes) or what it is, and its parent. The low four bits of a kind are its
// value kind (ValueKind in model/Entry.h).
//
// The kinds of the character's attribute, resistance and antimagic entries are those of
// the attribute set (rules/core/AttributeSet: `attributeSet()[m].entryKind`, or
// `findAttributeByKind`); the kinds that come one per member of the attribute set (the
// racial part, the professional part, the effects of formulas …) are the tables of
// kinds::perMember, in the order of attributeSet().
namespace tallar::kinds {

// --- The character's skeleton: the fixed top-level entries and those nested in them ------
namespace top {
inline constexpr int kCharacter = 0;                  // the root entry, the character itself
inline constexpr int kCurrentDexterity = 10517;       // "Zręczność aktualna"
inline constexpr int kCurrentSpeed = 10549;           // "Szybkość aktualna"
inline constexpr int kBasePsychicResistance = 12581;  // "Bazowa odporność psychiczna"
inline constexpr int kBasePhysicalResistance = 12597; // "Bazowa odporność fizyczna"
inline constexpr int kProficiencies = 864;            // "Biegłości w broniach"
inline constexpr int kProfessions = 400;              // "Profesje"
inline constexpr int kTrades = 832;                   // "Zawody"
inline constexpr int kDisabilities = 656;             // "Ułomności"
inline constexpr int kAbilities = 624;                // "Zdolności nadnaturalne"
inline constexpr int kSkills = 848;                   // "Umiejętności"; memo: the modifications
inline constexpr int kCombat = 608;                   // "Walka"
inline constexpr int kCombatWeapons = 1296;           // "Bronie", under "Walka"
inline constexpr int kCombatArmour = 1312;            // "Pancerz", under "Walka"
inline constexpr int kCombatShields = 1328;           // "Tarcze", under "Walka"
inline constexpr int kEquipment = 880;                // "Ekwipunek"
inline constexpr int kLoad = 18773;                   // "Obciążenie"
inline constexpr int kWealth = 1024;                  // "Majątek"
inline constexpr int kSubjectTo = 1040;               // "Poddany czynnikom/umiejętnościom/czarom"
inline constexpr int kSpells = 1056;                  // "Czary"
inline constexpr int kBody = 896;                     // "Ciało"
inline constexpr int kNaturalWeapons = 912;           // "Bronie naturalne"
inline constexpr int kAdditionalInformation = 144;    // "Dodatkowe informacje"
} // namespace top

// --- Parts of attributes and resistances beside the per-member tables ---------------------
namespace attribute {
// A reference to "Zręczność" (under "Zręczność aktualna"; in a weapon's "Trafienie" as
// "1/10 Zręczności") and to "Szybkość" (under "Szybkość aktualna").
inline constexpr int kDexterityReference = 1833;
inline constexpr int kSpeedReference = 1849;
// "1/4 Siły fizycznej", "1/10 Siły fizycznej": a reference to "Siła fizyczna" in a held
// weapon's wounds and hit.
inline constexpr int kStrengthReference = 1817;
// "Ograniczenia zręczności", "Ograniczenia szybkości": the armour's, shield's and skin's
// limit, under the two references above.
inline constexpr int kDexterityLimit = 1682;
inline constexpr int kSpeedLimit = 1794;
// "Nadwaga" or "Niedowaga" under Żywotność, Siła fizyczna, Zręczność, Szybkość.
inline constexpr int kOverweightVitality = 14609;
inline constexpr int kOverweightStrength = 14689;
inline constexpr int kOverweightDexterity = 16401;
inline constexpr int kOverweightSpeed = 16481;
// "Klasa społeczna" under "Charyzma": the class's part; specjal = class id.
inline constexpr int kSocialClassCharisma = 16993;
// Under "Bazowa odporność psychiczna".
inline constexpr int kPsychicVitality = 18497;     // "1/20 Żywotności"
inline constexpr int kPsychicIntelligence = 18513; // "1/10 Inteligencji"
inline constexpr int kPsychicWisdom = 18529;       // "1/10 Mądrości"
inline constexpr int kPsychicRandom = 18545;       // "Odporność (część losowa)", memo "K10_PR"
inline constexpr int kPsychicLevels = 18561;       // "Poziomy doświadczenia"
// Under "Bazowa odporność fizyczna".
inline constexpr int kPhysicalVitality = 18689; // "1/10 Żywotności"
inline constexpr int kPhysicalStrength = 18577; // "1/10 Siły fizycznej"
inline constexpr int kPhysicalRandom = 18705;   // "Odporność (część losowa)", memo "K10_PR"
inline constexpr int kPhysicalLevels = 18721;   // "Poziomy doświadczenia"
// Under the resistances: "Bazowa odpornośc psychiczna" (nr.1 … nr.5) and "Bazowa odpornośc
// fizyczna" (nr.6 … nr.10) have the kinds of the base resistances, top::kBase…Resistance.
inline constexpr int kIllusionIntelligence = 17457; // "1/10 Inteligencji" under "Odporność nr.1"
inline constexpr int kSuggestionWisdom = 17537;     // "1/10 Mądrości" under "Odporność nr.2"
inline constexpr int kSpellFaith = 17713;           // "1/10 Wiary" under "Odporność nr.3"
} // namespace attribute

// --- One kind per member of the attribute set, in the order of attributeSet() -------------
// (eleven attributes, "Odporność nr.1" … "Odporność nr.10", antimagic; 0 where a member has
// none). Index them with the places of rules/core/AttributeSet (member::kVitality …).
namespace perMember {
using Table = std::array<int, kAttributeSetSize>;
// "Rasowa": the racial part, under the member's entry (race stage).
inline constexpr Table kRacial = {14593, 14673, 16385, 16465, 16641, 16705, 16769, 16929,
                                  17009, 17169, 17233, 17297, 17473, 17553, 17729, 17793,
                                  17953, 18017, 18177, 18241, 18305, 18465};
// "Profesja": the professional part, under the member's entry.
inline constexpr Table kProfession = {14625, 14705, 16417, 16497, 16657, 16721, 16785, 16945,
                                      17025, 17185, 17249, 17409, 17489, 17665, 17745, 17809,
                                      17969, 18033, 18193, 18257, 18321, 0};
// "Poziomy doświadczenia": the part of the experience levels, under the member's entry.
inline constexpr Table kExperienceLevels = {14641, 14721, 16433, 16513, 16673, 16737, 16897, 16961,
                                            17041, 17201, 17265, 17425, 17505, 17681, 17761, 17921,
                                            17985, 18049, 18209, 18273, 18433, 0};
// The rolled professional bonus, under "Dodatki profesjonalne" (profession::kBonuses).
inline constexpr Table kProfessionBonus = {9745,  9761,  9777,  9793,  9809,  9825,  9841,  9857,
                                           9873,  9985,  10001, 10017, 10033, 10049, 10065, 10081,
                                           10097, 10113, 10129, 10241, 10257, 0};
// "Mnożnik przyrostów …": a growth multiplier, under a formula's owner and under a
// "Profesja", "Poziomy doświadczenia" or formula share of the member.
inline constexpr Table kGrowthMultiplier = {12658, 12802, 12850, 12898, 12946, 13090, 13138, 13186,
                                            13330, 13378, 13426, 13602, 13650, 13698, 13842, 13890,
                                            13938, 14082, 14130, 14178, 14226, 14386};
// A formula's effect on the member, under the formula's owner ("Siła fizyczna + 5").
inline constexpr Table kFormulaEffect = {12640, 12688, 12832, 12880, 12928, 13072, 13120, 13168,
                                         13312, 13360, 13408, 13584, 13632, 13680, 13824, 13872,
                                         13920, 13968, 14112, 14160, 14208, 14368};
// "Limit …": a formula's limit of the member, under the formula's owner.
inline constexpr Table kFormulaLimit = {12673, 12817, 12865, 12913, 13057, 13105, 13153, 13201,
                                        13345, 13393, 13441, 13617, 13665, 13713, 13857, 13905,
                                        13953, 14097, 14145, 14193, 14337, 14401};
// A formula's share in the member's entry (info: the ability's or trade's name).
inline constexpr Table kFormulaShare = {14659, 14739, 16451, 16531, 16691, 16755, 16915, 16979,
                                        17155, 17219, 17283, 17443, 17523, 17699, 17779, 17939,
                                        18003, 18067, 18227, 18291, 18451, 18483};
// In a race-stage passage (stage::kPassage): the member's amount ("Żywotnosc", …), growth
// multiplier ("… mnożnik przyrosty") and limit ("… limit").
inline constexpr Table kPassageAmount = {4867, 4947, 5123, 5203, 5379, 5459, 5635, 5715,
                                         5891, 5971, 6147, 6483, 8195, 8275, 8451, 8531,
                                         8707, 8787, 8963, 9043, 9219, 9315};
inline constexpr Table kPassageMultiplier = {4882, 4962, 5138, 5218, 5394, 5474, 5650, 5730,
                                             5906, 5986, 6162, 6498, 8210, 8290, 8466, 8546,
                                             8722, 8802, 8978, 9058, 9234, 0};
inline constexpr Table kPassageLimit = {4897, 4977, 5153, 5233, 5409, 5489, 5665, 5745,
                                        5921, 6001, 6177, 6513, 8225, 8305, 8481, 8561,
                                        8737, 8817, 8993, 9073, 9249, 0};
} // namespace perMember

// --- "Dodatkowe informacje": its direct children ------------------------------------------
namespace info {
inline constexpr int kAppearance = 256;  // "Rasa: …"; specjal = race id; holds stage, measures
inline constexpr int kAge = 337;         // "WIEK": value = age, modifier = the starting age
inline constexpr int kAlignment = 352;   // "Charakter: …"; specjal = alignment id
inline constexpr int kSocialClass = 375; // "Klasa społeczna"; specjal = class id, memo = name
inline constexpr int kBirthplace = 391;  // "Miejsce urodzenia"; specjal = place id, memo = name
} // namespace info

// --- The race stage, under the appearance entry (info::kAppearance) -----------------------
namespace stage {
inline constexpr int kStage = 272;             // "Stadium: …"; specjal = stage id
inline constexpr int kHeight = 561;            // "Wzrost [cm]"; modifier = roll, value = height
inline constexpr int kWeight = 577;            // "Waga [kg]"; modifier = roll, value = weight
inline constexpr int kDeathChance = 593;       // "Szansa na śmierć ze starości"
inline constexpr int kRaceWeaponGroups = 1072; // "Bronie rasowe": the race's group bonuses
// A racial bonus of a weapon group (specjal = group id, value = bonus) under "Bronie
// rasowe", and "Rasowa", the racial part of a proficiency (memo "0|0|0|0|0").
inline constexpr int kRacialProficiency = 1089;
inline constexpr int kPassages = 321; // "Kolejne przeistoczenia", under the stage
inline constexpr int kPassage = 305;  // a passage: info = stage name, specjal = stage id,
                                      // modifier = stage start, value = age at the passage
// In a passage, beside the members' amounts (perMember::kPassage…).
inline constexpr int kVitalityOther = 4913;  // "Żywotnosc inny współczynnik zmiany 200/600..."
inline constexpr int kStrengthOther = 4993;  // "Siła fizyczna inny współczynnik zmiany …"
inline constexpr int kHeightFrom = 6227;     // "Wzrost od"
inline constexpr int kHeightTo = 6241;       // "Wzrost do"
inline constexpr int kHeightChange = 6257;   // "Wzrost zmiana"
inline constexpr int kWeightFrom = 6403;     // "Waga od"
inline constexpr int kWeightTo = 6417;       // "Waga do"
inline constexpr int kWeightChange = 6433;   // "Waga zmiana"
inline constexpr int kDeath = 9297;          // "Śmierć ze starości"
inline constexpr int kSkinPiercing = 9331;   // "Wyparowania skóry kłute"
inline constexpr int kSkinCutting = 9347;    // "Wyparowania skóry tnące"
inline constexpr int kSkinBlunt = 9363;      // "Wyparowania skóry obuchowe"
inline constexpr int kSkinDefence = 9475;    // "Obrona skóry"
inline constexpr int kDexterityLimit = 9489; // "Ograniczenia zręczności"
inline constexpr int kSpeedLimit = 9505;     // "Ograniczenia szybkości"
// "Skóra", the natural armour, under the stage, and its children.
inline constexpr int kSkin = 9552;
inline constexpr int kSkinPiercingAbsorption = 1345; // "Wyparowania kłute"
inline constexpr int kSkinCuttingAbsorption = 1361;  // "Wyparowania tnące"
inline constexpr int kSkinBluntAbsorption = 1377;    // "Wyparowania obuchowe"
inline constexpr int kSkinDefenceValue = 1409;       // "Obrona"
inline constexpr int kSkinDexterityLimit = 1537;     // "Ograniczenia zręczności 1/"
inline constexpr int kSkinSpeedLimit = 1553;         // "Ograniczenia szybkości 1/"
} // namespace stage

// --- Body parts: a stage's part (`stadiumczesci`) under "Ciało" ---------------------------
namespace body {
inline constexpr int kPart = 4096;          // info = name, specjal = part id, memo = definition id;
                                            // a limb that can hold has a value; modifier 1.0:
                                            // the default location of blows
inline constexpr int kVitality = 4117;      // "Żywotność"
inline constexpr int kPiercing = 4133;      // "Wyparowania kłute"
inline constexpr int kCutting = 4149;       // "Wyparowania tnące"
inline constexpr int kBlunt = 4165;         // "Wyparowania obuchowe"
inline constexpr int kDefence = 4181;       // "Obrona"
inline constexpr int kRangedDefence = 1397; // "Obrona daleka"
inline constexpr int kDexterityDefence = 1435; // "Obrona ze zręczności": refers to
                                               // "Zręczność aktualna"
inline constexpr int kProperties = 4192;       // "Właściwości", holding the kinds below
inline constexpr int kShareOfVitality = 4210;  // "procent całej żywotności"
inline constexpr int kWoundEffect = 4226;      // "wpływ obrażen na żywotność"
inline constexpr int kSeveringKills = 4244;    // "odcięcie powoduje śmierć"
inline constexpr int kPiercingProperty = 4355; // "wyparowania kłute"
inline constexpr int kCuttingProperty = 4371;  // "wyparowania tnące"
inline constexpr int kBluntProperty = 4387;    // "wyparowania obuchowe"
inline constexpr int kDefenceProperty = 4403;  // "obrona"
inline constexpr int kSelectiveHit = 4417;     // "modyfikator trafienia selektywnego"
inline constexpr int kCanHold = 4436;          // "może trzymać broń/tarczę"
inline constexpr int kDefaultLocation = 4452;  // "domyślna lokacja ciosów"
} // namespace body

// --- Natural weapons of the race stages, under "Bronie naturalne" --------------------------
namespace natural {
inline constexpr int kList = 24576;   // "Bronie rasowe": the natural weapons of the stages
inline constexpr int kWeapon = 24592; // a natural weapon: info = name, specjal = id; memo =
                                      // its proficiency, modifier 1.0 when it does not
                                      // depend on the profession; also the temporary holder
                                      // of a natural weapon's statistics
// A column group of a natural weapon: its amount as a percentage and as a value.
inline constexpr int kProficiencyBonusPercent = 24627; // "Bonus do biegłości"
inline constexpr int kProficiencyBonus = 24609;
inline constexpr int kMinimumProficiencyPercent = 24659; // "Biegłość minimalna"
inline constexpr int kMinimumProficiency = 24641;
inline constexpr int kPiercingPercent = 24691; // "Obrażenia kłute"
inline constexpr int kPiercing = 24673;
inline constexpr int kCuttingPercent = 24723; // "Obrażenia tnące"
inline constexpr int kCutting = 24705;
inline constexpr int kBluntPercent = 24851; // "Obrażenia obuchowe"
inline constexpr int kBlunt = 24833;
inline constexpr int kDefencePercent = 24883; // "Obrona"
inline constexpr int kDefence = 24865;
inline constexpr int kDelayPercent = 24915; // "Opóźnienie"
inline constexpr int kDelay = 24897;
inline constexpr int kDamageFactorPercent = 24947; // "Współczynnik uszkodzeń"
inline constexpr int kDamageFactor = 24929;
inline constexpr int kAttacksPercent = 24979; // "Ataki"
inline constexpr int kAttacks = 24961;
inline constexpr int kRange = 25095;              // "Zasięg"
inline constexpr int kProficiencyPercent = 25123; // "Biegłość"
inline constexpr int kProficiency = 25105;
inline constexpr int kDoublyProficient = 25137;     // "Podwójnie biegły"
inline constexpr int kSpecialist = 25153;           // "Specjalista"
inline constexpr int kDoubleSpecialist = 25169;     // "Podwójny specjalista"
inline constexpr int kMaster = 25185;               // "Mistrz"
inline constexpr int kNaturalAmbidexterity = 25204; // "Naturalna oburęczność"
inline constexpr int kDependsOnProfession = 25220;  // "Biegłość zależna od profesji"
inline constexpr int kTakesHoldingLimb = 25236; // "Zajmuje kończynę trzymającą broń/tarczę"
inline constexpr int kCount = 25345;            // "Ilość"
} // namespace natural

// --- Professions and their levels ---------------------------------------------------------
namespace profession {
// A profession under "Profesje": info = name (with its title once it has levels), specjal
// = id, memo = the 13 per-level increase expressions joined by "|", value = its level limit
// (999: none), modifier = 1.0 when it gives an extra proficiency roll (`bgl_podst`), else 0.
inline constexpr int kProfession = 512;
inline constexpr int kLevel = 542;       // "Poziom": its level
inline constexpr int kExperience = 8749; // "Punkty doświadczenia": its experience points
inline constexpr int kBonuses = 9600;    // "Dodatki profesjonalne", under "Profesje"; the
                                         // attribute bonuses are perMember::kProfessionBonus
inline constexpr int kInitialProficiencies = 10273; // "Ilość biegłości początkowa"
inline constexpr int kProficiencyBonus = 10289;     // "Dodatek do biegłości"
inline constexpr int kMinimumProficiency = 10305;   // "Biegłośc minimalna"
inline constexpr int kLevels = 9616;                // "Poziomy", under "Dodatki profesjonalne"
// "Poziom": one experience level, shared by the professions, under "Poziomy": value = its
// number, specjal = the 25 expressions chosen for it, memo = their 25 spans, "#", and the
// 25 dice parts rolled (the fields of rules/engine/LevelAdvancement.h).
inline constexpr int kLevelEntry = 9729;
} // namespace profession

// --- Trades -------------------------------------------------------------------------------
namespace trade {
inline constexpr int kTrade = 816;  // a trade under "Zawody": memo = grade code
inline constexpr int kGrade = 2448; // a learned grade under the trade: specjal = trade id
// A grade's formula is a formula::kOwner under the grade; its materials and workshop
// ("materiały i zaplecze do wykonywania zawodu …") a money::kMoney.
} // namespace trade

// --- Skills, under "Umiejętności" ---------------------------------------------------------
namespace skill {
inline constexpr int kProfessionGroup = 25424; // a profession's skills; specjal = "&" + its id
inline constexpr int kTradeGroup = 25440;      // a trade's skills
inline constexpr int kRaceGroup = 25456;       // the race stage's skills
inline constexpr int kGeneralGroup = 25472;    // "Ogólne": skills bought by training
inline constexpr int kSkill = 25488;           // a skill: specjal = id, memo = its flags
} // namespace skill

// --- Weapon proficiencies, under "Biegłości w broniach" -----------------------------------
namespace proficiency {
inline constexpr int kProficiency = 1573;  // a proficiency: specjal = weapon group id; memo
                                           // "NATURALNA" for a natural weapon's
inline constexpr int kFree = 1589;         // "Wolne biegłości": the free proficiency points
inline constexpr int kSpent = 1665;        // "Wykorzystane", under "Wolne biegłości"
inline constexpr int kTrainingCost = 2433; // a training's cost, under "Wolne biegłości"
inline constexpr int kFreeFromProfession = 10337; // "Profesja", under "Wolne biegłości"
inline constexpr int kFreeFromLevels = 10353;     // "Poziomy doświadczenia", under it
// Parts of a proficiency; the racial one is stage::kRacialProficiency, a formula's share
// formula::kProficiencyShare.
inline constexpr int kBasicTraining = 1633;   // "Szkolenie podstawowe": its level
inline constexpr int kSpecialisation = 1601;  // the specialisation level ("BIEGŁY" …)
inline constexpr int kAmbidexterity = 1616;   // the two-handedness level ("OBURĘCZNOŚĆ" …)
inline constexpr int kFromProfession = 10369; // "Profesja"
inline constexpr int kFromLevels = 10385;     // "Poziomy doświadczenia"
} // namespace proficiency

// --- Formulas ------------------------------------------------------------------------------
namespace formula {
// A formula's owner: specjal = formula id; under an ability, disability or trade grade.
inline constexpr int kOwner = 12624;
// Effects of the members that are not in the attribute set (perMember::kFormula… for those).
inline constexpr int kDelayEffect = 14352;       // "Opóźnienie …"
inline constexpr int kWeightEffect = 13568;      // "Waga …"
inline constexpr int kHeightEffect = 13456;      // "Wzrost …"
inline constexpr int kProficiencyEffect = 14416; // "Biegłość …"
inline constexpr int kWeaponGroup = 14432;       // a weapon group under the proficiency effect
// Shares in "Waga [kg]", "Wzrost [cm]" and in a proficiency.
inline constexpr int kWeightShare = 18755;
inline constexpr int kHeightShare = 18771;
inline constexpr int kProficiencyShare = 1651;
} // namespace formula

// --- Abilities and disabilities -----------------------------------------------------------
namespace ability {
inline constexpr int kAbility = 640;    // under "Zdolności nadnaturalne": specjal = id
inline constexpr int kDisability = 768; // under "Ułomności": specjal = id
} // namespace ability

// --- A weapon (`bronie` row), under "przy sobie", and its properties ---------------------
namespace weapon {
inline constexpr int kWeapon = 21024;              // info = name, specjal = id, memo = group id
inline constexpr int kType = 21047;                // "Typ": memo = handedness code
inline constexpr int kPiercing = 21057;            // "Skuteczność kłuta"
inline constexpr int kPiercingRanged = 21073;      // "Skuteczność kłuta daleka"
inline constexpr int kCutting = 21089;             // "Skuteczność tnąca"
inline constexpr int kCuttingRanged = 21105;       // "Skuteczność tnąca daleka"
inline constexpr int kBlunt = 21121;               // "Skuteczność obuchowa"
inline constexpr int kBluntRanged = 21137;         // "Skuteczność obuchowa daleka"
inline constexpr int kDefence = 21249;             // "Obrona"
inline constexpr int kDoubleDefence = 21268;       // "Obrona x2 jeśli trzymany obórącz"
inline constexpr int kShieldDefenceFactor = 21282; // "Modyfikator obrony tarczy"
inline constexpr int kArmourDefenceFactor = 21298; // "Modyfikator obrony zbroi"
inline constexpr int kAttacks = 21313;             // "Ataki"
inline constexpr int kHitCancelsAttack = 21332;    // "Trafienie niweluje następny atak"
inline constexpr int kDurability = 21345;          // "Wytrzymałość"
inline constexpr int kDamageFactor = 21362;        // "Współczynnik uszkodzeń"
inline constexpr int kDelay = 21377;               // "Opóźnienie"
inline constexpr int kPreparedAttack = 21396;      // "Umożliwia atak przygotowany"
inline constexpr int kHitBonus = 21505;            // "Bonus do trafienia"
inline constexpr int kDamageBonus = 21889;         // "Bonus obrażeń"
inline constexpr int kDoubleCritical = 21521;      // "Trafienie krytyczne x 2"
inline constexpr int kMaxDexterityLimit = 21537;   // "Maksymalne ogr.Zr 1/"
inline constexpr int kMaxSpeedLimit = 21553;       // "Maksymalne ogr.Sz 1/"
inline constexpr int kMinimumHeight = 21569;       // "Minimalny wzrost"
inline constexpr int kMinimumStrength = 21585;     // "Minimalna siła fizyczna"
// "Waga" is equipment::kWeight.
inline constexpr int kRange = 21607;           // "Zasięg": memo = range
inline constexpr int kIntendedFor = 21623;     // "Przeznacz. dla": memo = target users
inline constexpr int kTenthDisables = 21636;   // "1/10 trafienia obezwładnia"
inline constexpr int kTenthMayDisable = 21652; // "1/10 trafienia ew.obezwładnia"
inline constexpr int kTenthMayStun = 21764;    // "1/10 trafienia ew.ogłusza"
inline constexpr int kHitMayDisable = 21780;   // "Trafienie ew.obezwładnia"
inline constexpr int kHitHalves = 21796;       // "Trafienie redukuje AT,TR,UM,OB do 1/2"
inline constexpr int kSecondary = 21812;       // "Broń wtórna"
inline constexpr int kPassing = 21828;         // "Broń drożna"
inline constexpr int kSplintering = 21844;     // "Broń odpryskowa"
inline constexpr int kCharge = 21860;          // "Umożliwia szarżę"
inline constexpr int kHoldBack = 21876;        // "Umożliwia powstrzymanie"
} // namespace weapon

// --- The statistics of a held weapon, under "Bronie" of "Walka" ---------------------------
namespace weaponStats {
inline constexpr int kStatistics = 18784;          // info = weapon name, value = handedness class,
                                                   // memo = the holding limbs; refers to the weapon
inline constexpr int kWeaponType = 18807;          // "Typ broni"
inline constexpr int kAttacksPerRound = 20597;     // "Ilość ataków na rundę"
inline constexpr int kBaseAttacks = 21001;         // "Bazowa ilość ataków broni"
inline constexpr int kSpecialisation = 20737;      // "Specjalizacja w broni"
inline constexpr int kDoubleAmbidexterity = 20754; // "Podwójna oburęczność"
inline constexpr int kDelay = 18825;               // "Opóźnienie"
inline constexpr int kPiercingWounds = 18837;      // "Rany kłute"
inline constexpr int kPiercingRangedWounds = 20485; // "Rany kłute z daleka"
inline constexpr int kCuttingWounds = 20501;        // "Rany tnące"
inline constexpr int kCuttingRangedWounds = 20517;  // "Rany tnące z daleka"
inline constexpr int kBluntWounds = 20533;          // "Rany obuchowe"
inline constexpr int kBluntRangedWounds = 20549;    // "Rany obuchowe z daleka"
inline constexpr int kDefence = 20565;              // "Obrona"
inline constexpr int kHit = 20581;                  // "Trafienie"
// In the wounds: the weapon's effectiveness ("Skuteczność kłuta broni" …).
inline constexpr int kPiercingEffect = 20777;
inline constexpr int kPiercingRangedEffect = 20793;
inline constexpr int kCuttingEffect = 20809;
inline constexpr int kCuttingRangedEffect = 20825;
inline constexpr int kBluntEffect = 20841;
inline constexpr int kBluntRangedEffect = 20857;
inline constexpr int kProficiency = 1882;    // "Biegłość" in the wounds and the defence
inline constexpr int kDamageBonus = 21017;   // "Bonus broni" in the wounds
inline constexpr int kWeaponDefence = 20873; // "Obrona broni"
inline constexpr int kTwoHanded = 20610;     // "Broń trzymana oburącz"
inline constexpr int kHitProficiency = 1865; // "Biegłość" in the hit
inline constexpr int kHitBonus = 20889;      // "Bonus broni" in the hit
// "1/4 Siły fizycznej", "1/10 Siły fizycznej" and "1/10 Zręczności" are the references of
// attribute::kStrengthReference and attribute::kDexterityReference.
} // namespace weaponStats

// --- A shield (`tarcza` row), under "przy sobie", and its use --------------------------
namespace shield {
inline constexpr int kShield = 22592;         // a shield (info = name, specjal = id); also the
                                              // shield-use entry under "Tarcze" (memo = placement)
inline constexpr int kDexterityLimit = 22625; // "Ograniczenia zręczności 1/"
inline constexpr int kSpeedLimit = 22641;     // "Ograniczenia szybkości 1/"
inline constexpr int kDefence = 22609;        // "Obrona"
// "Waga" is equipment::kWeight.
inline constexpr int kResistanceBonus = 22657; // "Bonus do odp.7,8,10"; also the bonus (or
                                               // −10 for metal) under resistances 7 … 10
inline constexpr int kDurability = 22785;      // "Wytrzymałość"
inline constexpr int kMetal = 22676;           // "Tarcza metalowa"
inline constexpr int kSpikes = 22865;          // "Skuteczność kłuta szpikulca"
inline constexpr int kEdge = 22881;            // "Skuteczność tnąca krawędzi"
inline constexpr int kBlunt = 22897;           // "Skuteczność obuchowa"
// The three mounts: the shield's flags, and the placement's places of the same names.
inline constexpr int kGroundRest = 22820;  // "Można wbić/oprzeć o ziemię";
                                           // place "Oparcie/wbicie w ziemię"
inline constexpr int kArmourMount = 22836; // "Można umocować do zbroi";
                                           // place "Umocowanie do zbroi"
inline constexpr int kHandMount = 22852;   // "Można umoc.do ręki(obr.przed 1 at.)";
                                           // place "<limb> (umocowanie)"
inline constexpr int kIntendedFor = 22807; // "Przeznaczona dla": memo = users
// Children of the shield-use entry: "Ograniczenia zręczności 1/" and "Obrona" share a kind.
inline constexpr int kUseDexterityLimit = 22569;
inline constexpr int kUseDefence = 22569;
inline constexpr int kUseSpeedLimit = 22585; // "Ograniczenia szybkości 1/"
inline constexpr int kRangedDefence = 22553; // the shield's part of a body part's
                                             // "Obrona daleka"
// A skill's modification of a use's limit or defence (info: the skill's name): a factor
// (modifier) or an amount (value). Their kinds are their value kinds, like the entries
// "Dodaj" of the preview makes.
inline constexpr int kAbilityFactor = 2;
inline constexpr int kAbilityAmount = 1;
} // namespace shield

// --- An armour (`zbroja`), under "przy sobie", its elements and its use --------------------
namespace armour {
inline constexpr int kArmour = 22016;          // an armour (info = name, specjal = id); also the
                                               // armour-use entry under "Pancerz"
inline constexpr int kElement = 22032;         // an element: specjal = id, value = layer
inline constexpr int kDexterityLimit = 22049;  // "Ograniczenia zręczności 1/"
inline constexpr int kSpeedLimit = 22065;      // "Ograniczenia szybkości 1/"
inline constexpr int kDefence = 22081;         // "Obrona"
inline constexpr int kPiercing = 22097;        // "Wyparowania kłute"
inline constexpr int kCutting = 22113;         // "Wyparowania tnące"
inline constexpr int kBlunt = 22129;           // "Wyparowania obuchowe"
inline constexpr int kDurability = 22289;      // "Wytrzymalosc"
inline constexpr int kResistanceBonus = 22305; // "Bonus do odporności 7,8,10"; also the
                                               // bonus (or −10 for metal) under the resistances
inline constexpr int kBreathFactor = 22321;    // "Wsp.obrażeń od zionięć 1/"
inline constexpr int kMetal = 22340;           // "Element metalowy"
// "Waga" is equipment::kWeight.
inline constexpr int kDexterityIncrease = 22145; // "Zwiększa ogr.zręczności +"
inline constexpr int kSpeedIncrease = 22161;     // "Zwiększa ogr.szybkości +"
inline constexpr int kAbsorptionFactor = 22273;  // "Wsp.wyparowań i obrony 1/"
// The worn armour's part under a body part (info = the armour's name).
inline constexpr int kPartDefence = 22353;  // "Obrona"
inline constexpr int kPartPiercing = 22369; // "Wyparowania kłute"
inline constexpr int kPartBlunt = 22385;    // "Wyparowania obuchowe"
inline constexpr int kPartCutting = 22401;  // "Wyparowania tnące"
// Under the armour-use entry.
inline constexpr int kUseDexterityLimit = 22417; // "Ograniczenia zręczności 1/"
inline constexpr int kUseSpeedLimit = 22529;     // "Ograniczenia szybkości 1/"
} // namespace armour

// --- Equipment and load -------------------------------------------------------------------
namespace equipment {
inline constexpr int kCarried = 1104;    // "przy sobie", under "Ekwipunek"
inline constexpr int kSaddlebags = 1120; // "w sakwach", under "Ekwipunek"
inline constexpr int kAtHome = 1136;     // "w domu", under "Ekwipunek"
inline constexpr int kWeight = 1169;     // "Waga" of a weapon, shield or element; and a weight
                                         // under "Obciążenie" (label of what it weighs)
inline constexpr int kItem = 2417;       // an item: count in wartosc, unit weight in modyfikator
} // namespace equipment

// --- Money ---------------------------------------------------------------------------------
namespace money {
inline constexpr int kMoney = 12;    // a count (value) of things worth the modifier each:
                                     // "złoto", "majątek rodowy", a trade's materials
inline constexpr int kAtHand = 1916; // "przy sobie", under "Majątek"
inline constexpr int kInBank = 1932; // "w banku/skarbcu", under "Majątek"
inline constexpr int kAtSeat = 1948; // "w siedzibie", under "Majątek"
inline constexpr int kEstate = 2060; // "budynki, nieruchomości, ziemia", under "Majątek"
} // namespace money

// --- Kinds of the wizard's own lists (never part of a character) -------------------------
namespace wizard {
inline constexpr int kListGroup = 16;  // a weapon group (weapons page), an armour (armour page)
inline constexpr int kListMember = 32; // a weapon in its group, an element in its armour
} // namespace wizard

// --- Kinds only the preview's context menu names ------------------------------------------
namespace preview {
// Entries that "Dodaj" of the preview makes: their kind is their value kind.
inline constexpr int kAddedNumber = 1;  // a number
inline constexpr int kAddedPercent = 2; // a percentage
// Groups and properties the context menu offers "Dodaj" on, which no step of the program
// makes (they come only from older characters' files).
inline constexpr int kOlderGroup785 = 785;
inline constexpr int kOlderGroup801 = 801;
inline constexpr int kOlderShieldProperty22913 = 22913;
inline constexpr int kOlderShieldProperty22929 = 22929;
} // namespace preview

} // namespace tallar::kinds
