#include "output/SheetRecord.h"
#include "model/ArmourLimits.h"

#include "model/Kinds.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

namespace k = kinds;

struct SheetRecordTest : ::testing::Test, test::EngineFixture {
    // Gives an attribute entry a part of this value; memo "1" makes the part count once
    // under the attributes that grow along the experience scale. (One racial kind serves
    // every attribute: the sheet reads the entry's total.)
    void set(int link, int value) {
        add(top(link), "Rasowa", k::perMember::kRacial[member::kVitality], value, "", "1");
    }

    SheetRecord record() {
        character->RecalculateCharacter();
        return makeSheetRecord(*character);
    }

    // Removes a top-level entry from the character.
    void remove(int link) { (void)top(link).Odlaczenie(); }

    CPoz& carried() { return *top(kLinkEkwipunek).FindByKind(k::equipment::kCarried); }
};

TEST_F(SheetRecordTest, BonusesOfStrengthAndDexterity) {
    set(kLinkSilaFizyczna, 46);
    set(kLinkZrecznosc, 35);
    const SheetRecord r = record();
    EXPECT_EQ(r.strength, "46");
    EXPECT_EQ(r.dexterity, "35");
    EXPECT_EQ(r.presenceBonus, "5"); // 4.6
    EXPECT_EQ(r.damageBonus, "12");  // 11.5 rounds up
    EXPECT_EQ(r.hitBonus, "9");      // 3.5 rounds up to 4, and 4.6 to 5
}

TEST_F(SheetRecordTest, DefenceModificationOfCurrentDexterity) {
    // "Zręczność aktualna" takes the value of "Zręczność" through its reference.
    for (const auto& [dexterity, expected] :
         {std::pair{55, "5"}, {25, "-5"}, {40, "0"}, {30, "0"}, {50, "0"}, {51, "1"}}) {
        top(kLinkZrecznosc).UsunAll();
        set(kLinkZrecznosc, dexterity);
        const SheetRecord r = record();
        EXPECT_EQ(r.currentDexterity, std::to_string(dexterity));
        EXPECT_EQ(r.defenceModification, expected) << dexterity;
    }
}

TEST_F(SheetRecordTest, MovementOfCurrentSpeed) {
    set(kLinkSzybkosc, 33);
    const SheetRecord r = record();
    EXPECT_EQ(r.currentSpeed, "33");
    EXPECT_EQ(r.walk, "3"); // 3.3
    EXPECT_EQ(r.run, "17"); // 16.5 rounds up
    EXPECT_EQ(r.sprint, "33");
}

TEST_F(SheetRecordTest, ValuesComputedFromSeveralAttributes) {
    set(kLinkZywotnosc, 45);
    set(kLinkSilaFizyczna, 46);
    set(kLinkZrecznosc, 35);
    set(kLinkSzybkosc, 33);
    set(kLinkInteligencja, 35);
    set(kLinkMadrosc, 25);
    set(kLinkUmiejetnosciMagiczne, 4);
    set(kLinkCharyzma, 14);
    set(kLinkPrezencja, 14);
    set(kLinkWiara, 15);
    set(kLinkZauwazenie, 99);
    add(top(kLinkObciazenie), "Plecak", k::equipment::kWeight, 12);
    const SheetRecord r = record();
    // round((46 − 12) · 0.1) + round(45 · 0.1) = 3 + 5 (4.5 rounds up)
    EXPECT_EQ(r.endurance, "8");
    // round(35 · 0.1) + round(33 · 0.1) = 4 + 3
    EXPECT_EQ(r.searching, "7");
    EXPECT_EQ(r.bargaining, "13"); // 12.5 rounds up
    EXPECT_EQ(r.reaction, "19");   // round(4.6) + 14
    // 5 + 5 + 4 + 3 + 4 + 3 + 0 + 1 + 1 + 2 (1.5 rounds up); Zauważenie does not count
    EXPECT_EQ(r.lifeEnergy, "28");
    EXPECT_EQ(r.perception, "99");
    EXPECT_EQ(r.magic, "4");
}

TEST_F(SheetRecordTest, ResistancesAndTheirParts) {
    set(kLinkInteligencja, 33);
    add(top(kLinkOdpornosc1), "1/10 Inteligencji", k::attribute::kIllusionIntelligence, 3);
    add(top(kLinkOdpornosc1), "Rasowa", k::perMember::kRacial[member::kResistance1], 20);
    add(top(kLinkOdpornosc1 + 1), "1/10 Mądrości", k::attribute::kSuggestionWisdom, 2);
    add(top(kLinkOdpornosc1 + 2), "1/10 Wiary", k::attribute::kSpellFaith, 4);
    add(top(kLinkOdpornosc1 + 9), "Rasowa", k::perMember::kRacial[member::kResistance1 + 9], 37);
    add(top(kLinkBazowaOdpornoscPsychiczna), "1/20 Żywotności", k::attribute::kPsychicVitality, 11);
    const SheetRecord r = record();
    EXPECT_EQ(r.intelligence, "33");
    EXPECT_EQ(r.illusionBonus, "3");
    EXPECT_EQ(r.suggestionBonus, "2");
    EXPECT_EQ(r.spellBonus, "4");
    EXPECT_EQ(r.resistances[0], "23");
    EXPECT_EQ(r.resistances[9], "37");
    EXPECT_EQ(r.resistances[4], "0");
    EXPECT_EQ(r.basePsychic, "11");
    EXPECT_EQ(r.basePhysical, "0");
}

TEST_F(SheetRecordTest, AMissingEntryPrintsAnEmptyField) {
    set(kLinkZywotnosc, 45);
    SheetRecord r = record();
    // Without the parts the resistances step writes, their bonuses stay empty.
    EXPECT_EQ(r.illusionBonus, "");
    EXPECT_EQ(r.suggestionBonus, "");
    EXPECT_EQ(r.spellBonus, "");

    remove(kLinkSilaFizyczna);
    remove(kLinkZrecznoscAktualna);
    r = record();
    for (const std::string* value :
         {&r.strength, &r.presenceBonus, &r.damageBonus, &r.hitBonus, &r.endurance, &r.reaction,
          &r.lifeEnergy, &r.loadFree, &r.loadStrength, &r.currentDexterity, &r.defenceModification})
        EXPECT_EQ(*value, "");
    EXPECT_EQ(r.vitality, "45");
    EXPECT_EQ(r.dexterity, "0");

    // A character without origin entries has no height, weight, birthplace or class.
    EXPECT_EQ(r.height, "");
    EXPECT_EQ(r.weight, "");
    EXPECT_EQ(r.birthplace, "");
    EXPECT_EQ(r.socialClass, "");
    EXPECT_TRUE(r.weapons.empty());
}

TEST_F(SheetRecordTest, LimitsOfArmourShieldAndSkin) {
    // No armour, shield or skin: no limit.
    SheetRecord r = record();
    EXPECT_EQ(r.armour.dexterityLimit, "-");
    EXPECT_EQ(r.armour.speedLimit, "-");

    // The most restrictive counts; limits do not multiply.
    CPoz& appearance =
        add(top(kLinkDodatkoweInformacje), "Rasa: Krasnolud", k::info::kAppearance, 0);
    CPoz& stage = add(appearance, "Stadium: Dorosły", k::stage::kStage, 0);
    CPoz& skin = add(stage, "Skóra", k::stage::kSkin, 0);
    add(skin, "Ograniczenia zręczności 1/", k::stage::kSkinDexterityLimit, 2);
    add(skin, "Ograniczenia szybkości 1/", k::stage::kSkinSpeedLimit, 5);
    add(skin, "Wyparowania kłute", k::stage::kSkinPiercingAbsorption, 1);
    add(skin, "Wyparowania obuchowe", k::stage::kSkinBluntAbsorption, 2);
    CPoz& fight = top(kLinkWalka);
    CPoz& shield = add(*fight.FindByKind(k::top::kCombatShields), "Puklerz", k::shield::kShield, 0);
    add(shield, "Ograniczenia zręczności 1/", k::shield::kUseDexterityLimit, 3);
    add(shield, "Ograniczenia szybkości 1/", k::shield::kUseSpeedLimit, 1);
    CPoz& armour = add(*fight.FindByKind(k::top::kCombatArmour), "Kolczuga", k::armour::kArmour, 0);
    add(armour, "Ograniczenia zręczności 1/", k::armour::kUseDexterityLimit, 2);
    add(armour, "Ograniczenia szybkości 1/", k::armour::kUseSpeedLimit, 4);
    r = record();
    const LimitDivisors limits = currentLimitDivisors(*character);
    EXPECT_EQ(limits.dexterity, 3); // the shield's, over the skin's 2 and the armour's 2
    EXPECT_EQ(limits.speed, 5);     // the skin's, over the armour's 4
    EXPECT_EQ(r.armour.dexterityLimit, "1/3");
    EXPECT_EQ(r.armour.speedLimit, "1/5");
    EXPECT_EQ(r.skin.piercing, "1");
    EXPECT_EQ(r.skin.cutting, "");
    EXPECT_EQ(r.skin.blunt, "2");
    EXPECT_EQ(limitText(1), "-");
    EXPECT_EQ(limitText(12), "1/12");
}

TEST_F(SheetRecordTest, MoneyByCoinAndWealth) {
    CPoz& wealth = top(kLinkMajatek);
    CPoz& atHand = *wealth.FindByKind(k::money::kAtHand);
    add(atHand, "złoto", k::money::kMoney, 25, "", "monety", 1.0);
    add(atHand, "srebro", k::money::kMoney, 30, "", "", 0.01);
    add(atHand, "Mitryl", k::money::kMoney, 2, "", "", 100.0);
    // Named for no coin: counted by its worth.
    add(atHand, "monety obce", k::money::kMoney, 3, "", "", 10.0);
    add(*wealth.FindByKind(k::money::kInBank), "złoto", k::money::kMoney, 225, "", "", 1.0);
    add(*wealth.FindByKind(k::money::kEstate), "majątek rodowy", k::money::kMoney, 1, "", "",
        2500.0);
    const SheetRecord r = record();
    EXPECT_EQ(r.coins[0], "2");
    EXPECT_EQ(r.coins[1], "3");
    EXPECT_EQ(r.coins[2], "25");
    EXPECT_EQ(r.coins[3], "30");
    // 25 + 0.30 + 200 + 30 at hand, 225 in the bank, 2500 in estate
    EXPECT_EQ(r.wealth, "2980 zł. 30 sr.");
}

TEST_F(SheetRecordTest, NamesAndLists) {
    character->SetImie("Źdźbło");
    CPoz& info = top(kLinkDodatkoweInformacje);
    CPoz& appearance = add(info, "Rasa: Krasnolud", k::info::kAppearance, 0);
    add(appearance, "Wzrost [cm]", k::stage::kHeight, 136);
    add(appearance, "Waga [kg]", k::stage::kWeight, 95);
    add(info, "Klasa społeczna", k::info::kSocialClass, 0, "k1", "Chłopi");
    add(info, "Miejsce urodzenia", k::info::kBirthplace, 0, "m1", "Wieś");
    CPoz& warrior = add(top(kLinkProfesje), "Wojownik", k::profession::kProfession, 0);
    add(warrior, "Poziom", k::profession::kLevel, 3);
    add(warrior, "Punkty doświadczenia", k::profession::kExperience, 700);
    CPoz& thief = add(top(kLinkProfesje), "Złodziej", k::profession::kProfession, 0);
    add(thief, "Punkty doświadczenia", k::profession::kExperience, 150);
    add(top(kLinkZawody), "Kowal - Mistrz", k::trade::kTrade, 0);
    add(top(kLinkUlomnosci), "Kulawy", k::ability::kDisability, 0);
    for (const char* ability : {"Widzenie w ciemności", "Odporność na ogień", "Lewitacja"})
        add(top(kLinkZdolnosci), ability, k::ability::kAbility, 0);
    CPoz& group = add(top(kLinkUmiejetnosci), "Wojownik", k::skill::kProfessionGroup, 0);
    add(group, "Język krasnoludzki", k::skill::kSkill, 1);
    add(group, "Wspinaczka", k::skill::kSkill, 1);
    add(group, "język elfi", k::skill::kSkill, 1);
    const SheetRecord r = record();
    EXPECT_EQ(r.name, "Źdźbło");
    EXPECT_EQ(r.height, "136");
    EXPECT_EQ(r.weight, "95/");
    EXPECT_EQ(r.socialClass, "Chłopi");
    EXPECT_EQ(r.birthplace, "Wieś");
    EXPECT_EQ(r.professions, "Wojownik / Złodziej");
    EXPECT_EQ(r.levels, "3 / 0"); // a profession without a level entry is at level 0
    EXPECT_EQ(r.experience, "700 / 150");
    EXPECT_EQ(r.trades, std::vector<std::string>{"Kowal - Mistrz"});
    EXPECT_EQ(r.disabilities, std::vector<std::string>{"Kulawy"});
    EXPECT_EQ(r.supernatural,
              (std::vector<std::string>{"Widzenie w ciemności", "Odporność na ogień"}));
    EXPECT_EQ(r.languages, (std::vector<std::string>{"Język krasnoludzki", "język elfi"}));
    EXPECT_EQ(r.skills, std::vector<std::string>{"Wspinaczka"});
}

// A weapon with its properties and the statistics of holding it, as the weapon rules make
// them; a second weapon only carried; a worn armour; a body part; the load.
TEST_F(SheetRecordTest, WeaponsArmourDefenceAndLoad) {
    set(kLinkSilaFizyczna, 46);
    CPoz& sword = add(carried(), "Miecz krótki", k::weapon::kWeapon, 0, "w1", "g1");
    add(sword, "Skuteczność kłuta", k::weapon::kPiercing, 4);
    add(sword, "Skuteczność tnąca", k::weapon::kCutting, 5);
    add(sword, "Waga", k::equipment::kWeight, 2);
    CPoz& axe = add(carried(), "Topór", k::weapon::kWeapon, 0, "w2", "g2");
    add(axe, "Skuteczność tnąca", k::weapon::kCutting, 6);
    add(axe, "Obrona", k::weapon::kDefence, 1);
    add(axe, "Ataki", k::weapon::kAttacks, 1);
    add(axe, "Opóźnienie", k::weapon::kDelay, 4);
    add(axe, "Waga", k::equipment::kWeight, 3);
    CPoz& secondAxe =
        add(carried(), "Topór", k::weapon::kWeapon, 0, "w2", "g2"); // counted, not listed
    add(secondAxe, "Waga", k::equipment::kWeight, 3);
    CPoz& mail = add(carried(), "Kolczuga", k::armour::kArmour, 0, "z1");
    CPoz& element = add(mail, "Koszula kolcza", k::armour::kElement, 1, "e1");
    add(element, "Waga", k::equipment::kWeight, 8);
    add(element, "Wytrzymalosc", k::armour::kDurability, 20);
    add(carried(), "Lina", k::equipment::kItem, 1, "", "", 5.0);
    character->RebuildLoad();

    CPoz& stats = add(*top(kLinkWalka).FindByKind(k::top::kCombatWeapons), "Miecz krótki",
                      k::weaponStats::kStatistics, 10);
    stats.MakeReference(sword, true);
    add(stats, "Trafienie", k::weaponStats::kHit, 12);
    add(stats, "Obrona", k::weaponStats::kDefence, 7);
    add(stats, "Ilość ataków na rundę", k::weaponStats::kAttacksPerRound, 1);
    add(stats, "Opóźnienie", k::weaponStats::kDelay, 3);
    add(stats, "Rany kłute", k::weaponStats::kPiercingWounds, 9);
    add(stats, "Rany tnące", k::weaponStats::kCuttingWounds, 10);
    CPoz& proficiency = add(top(kLinkBieglosci), "Miecze", k::proficiency::kProficiency, 0, "g1");
    add(proficiency, "Rasowa", k::stage::kRacialProficiency, 8, "", "0|0|0|0|0");
    add(proficiency, "SPECJALISTA", k::proficiency::kSpecialisation, 0);

    CPoz& use =
        add(*top(kLinkWalka).FindByKind(k::top::kCombatArmour), "Kolczuga", k::armour::kArmour, 0);
    use.MakeReference(mail, true);
    add(use, "Ograniczenia zręczności 1/", k::armour::kUseDexterityLimit, 2);
    add(use, "Ograniczenia szybkości 1/", k::armour::kUseSpeedLimit, 1);
    CPoz& head = add(top(kLinkCialo), "Głowa", k::body::kPart, 0);
    add(head, "Obrona", k::body::kDefence, 99);
    CPoz& chest =
        add(top(kLinkCialo), "Tułów", k::body::kPart, 0, "", "", 1.0); // the default target
    add(chest, "Wyparowania kłute", k::body::kPiercing, 3);
    add(chest, "Wyparowania tnące", k::body::kCutting, 1);
    add(chest, "Wyparowania obuchowe", k::body::kBlunt, 0);
    add(chest, "Obrona", k::body::kDefence, 2);
    add(chest, "Obrona daleka", k::body::kRangedDefence, 4);
    add(chest, "Kolczuga", k::armour::kPartPiercing, 3);
    add(chest, "Kolczuga", k::armour::kPartCutting, 5);

    const SheetRecord r = record();
    ASSERT_EQ(r.weapons.size(), 2u);
    const SheetWeapon& held = r.weapons[0];
    EXPECT_EQ(held.name, "Miecz krótki");
    EXPECT_EQ(held.hit, "12");
    EXPECT_EQ(held.effectiveness, "4/5/-");
    EXPECT_EQ(held.defence, "7");
    EXPECT_EQ(held.attacks, "1");
    EXPECT_EQ(held.damage, "9/10/-");
    EXPECT_EQ(held.delay, "3");
    EXPECT_EQ(held.count, "1");
    EXPECT_EQ(held.specialisation, "SPECJALISTA");
    EXPECT_EQ(held.proficiency, "8/12");
    EXPECT_EQ(held.weight, "2");
    EXPECT_EQ(held.price, "");
    const SheetWeapon& only = r.weapons[1];
    EXPECT_EQ(only.name, "Topór");
    EXPECT_EQ(only.hit, "");
    EXPECT_EQ(only.damage, "");
    EXPECT_EQ(only.effectiveness, "-/6/-");
    EXPECT_EQ(only.defence, "1");
    EXPECT_EQ(only.delay, "4");
    EXPECT_EQ(only.count, "2");
    EXPECT_EQ(only.proficiency, ""); // no proficiency in its group

    EXPECT_EQ(r.defence, "2");           // of the default body part, not of the first
    EXPECT_EQ(r.defenceWithWeapon, "9"); // 2 + the sword's 7
    EXPECT_EQ(r.defenceWeapon, "1");
    EXPECT_EQ(r.piercing, "3");
    EXPECT_EQ(r.cutting, "1");
    EXPECT_EQ(r.blunt, "0");
    EXPECT_EQ(r.rangedDefence, "4");
    EXPECT_EQ(r.armourNames, "Kolczuga");
    EXPECT_EQ(r.armourDurability, "20");
    EXPECT_EQ(r.armour.weight, "8");
    EXPECT_EQ(r.armour.dexterityLimit, "1/2");
    EXPECT_EQ(r.armour.speedLimit, "-");
    EXPECT_EQ(r.armour.piercing, "3");
    EXPECT_EQ(r.armour.cutting, "5");
    EXPECT_EQ(r.armour.blunt, "0");
    EXPECT_EQ(r.shieldNames, "");

    // Carried: sword 2, axes 3 + 3, armour 8, rope 1 × 5.0.
    EXPECT_EQ(r.loadArmour, "8");
    EXPECT_EQ(r.loadShield, "0");
    EXPECT_EQ(r.loadWeapons, "8");
    EXPECT_EQ(r.loadEquipment, "5");
    EXPECT_EQ(r.loadTotal, "21");
    EXPECT_EQ(r.loadStrength, "46");
    EXPECT_EQ(r.loadFree, "25"); // 46 − 21
    EXPECT_EQ(r.carried,
              (std::vector<std::string>{"Miecz krótki", "Topór", "Topór", "Kolczuga", "Lina"}));
}

TEST_F(SheetRecordTest, EquipmentPlacesAndItemCounts) {
    add(carried(), "Pochodnia", k::equipment::kItem, 3, "", "", 1.0);
    add(*top(kLinkEkwipunek).FindByKind(k::equipment::kSaddlebags), "Namiot", k::equipment::kItem,
        1, "", "", 10.0);
    add(*top(kLinkEkwipunek).FindByKind(k::equipment::kAtHome), "Kociołek", k::equipment::kItem, 1,
        "", "", 3.0);
    const SheetRecord r = record();
    EXPECT_EQ(r.carried, std::vector<std::string>{"Pochodnia x 3"});
    EXPECT_EQ(r.saddlebags, std::vector<std::string>{"Namiot"});
    EXPECT_EQ(r.home, std::vector<std::string>{"Kociołek"});
}

} // namespace
} // namespace tallar
