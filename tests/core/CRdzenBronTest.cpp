#include "rules/engine/CRdzenBron.h"

#include "store/CharacterStore.h"
#include "store/db/Schema.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace tallar {
namespace {

using namespace kinds;

struct WeaponTest : ::testing::Test, test::EngineFixture {
    // A row of `bronie`; the columns not given stay NULL.
    void weapon(const std::string& id, const std::string& name, const std::string& handedness,
                Columns more = {}) {
        more.insert(more.begin(),
                    {{"id", id}, {"nazwa", name}, {"idgrupy", "g1"}, {"typl", handedness}});
        insert("bronie", more);
    }
    CRdzenBron engine() { return CRdzenBron(context()); }

    CPoz& carried() { return *top(kLinkEkwipunek).FindByKind(equipment::kCarried); }
    CPoz& combatWeapons() { return *top(kLinkWalka).FindByKind(top::kCombatWeapons); }
    CPoz& attribute(std::size_t member) {
        return *character->FindByKind(attributeSet()[member].entryKind);
    }
    void setStrength(int value) { attribute(member::kStrength).wartosc = value; }

    // The character's proficiency in group g1 with the given parts (info, value, memo).
    CPoz& proficiency(const std::vector<EntryData>& parts, const std::string& group = "g1") {
        CPoz& entry = add(top(kLinkBieglosci), "Miecze", proficiency::kProficiency, 0, group);
        for (const EntryData& part : parts)
            entry.AddChild(part);
        return entry;
    }
    // A container of limbs, the first `holding` of them linked to `held`.
    std::unique_ptr<CPoz> limbs(CPoz& held, int holding, int count = 2) {
        auto container = std::make_unique<CPoz>(characters.db.get(), EntryData{});
        for (int n = 1; n <= count; ++n) {
            CPoz& limb = container->AddChild({.info = "Ręka " + std::to_string(n),
                                              .specjal = "l" + std::to_string(n),
                                              .typ = body::kPart,
                                              .wartosc = 1});
            if (n <= holding) {
                limb.MakeReference(held, true);
                limb.specjal = "l" + std::to_string(n); // the limb keeps its own key
            }
        }
        return container;
    }
    static const CPoz* part(const CPoz& parent, int kind) {
        const CPoz* found = parent.FindByKind(kind);
        EXPECT_NE(found, nullptr) << "kind " << kind << " under " << parent.info;
        return found;
    }
    static double total(const CPoz& parent, int kind) {
        const CPoz* found = part(parent, kind);
        return found ? found->total : -999;
    }
    static std::vector<int> kindsOf(const CPoz& parent) {
        std::vector<int> out;
        for (const CPoz* child : parent.children())
            out.push_back(child->typ);
        return out;
    }
};

TEST_F(WeaponTest, ARowBecomesAWeaponEntryWithTheChildrenItsValuesCallFor) {
    weapon("w1", "Topór", "J",
           {{"skt_kluta_bliska", ""},
            {"skut_tnaca_bliska", "8"},
            {"skut_tnaca_daleka", "4"},
            {"obrona", "3"},
            {"obrona_x_2", "tak"},
            {"obrona_tarczy", ""},
            {"obrona_zbroi", "2"},
            {"ataki_na_r", "1"},
            {"traf_niweluje_atak", "N"},
            {"wytrzymalosc", "45"},
            {"wsp_uszkodzen", "3/2"},
            {"opoznienie", "5"},
            {"traf_bonus", "-1"},
            {"max_ogr_zr", "1/4"},
            {"max_ogr_sz", ""},
            {"min_wzrost", "150"},
            {"waga", "4"},
            {"zasieg", "10/20/30"},
            {"przeznaczenie", "KRASNOLUDÓW"},
            {"wtorna", "T"},
            {"szarza", "T"}});
    CPoz* entry = engine().AddWeaponEntry("w1");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->parent(), &carried());
    EXPECT_EQ(entry->info, "Topór");
    EXPECT_EQ(entry->specjal, "w1");
    EXPECT_EQ(entry->memo, "g1");
    EXPECT_EQ(entry->typ, weapon::kWeapon);
    // No piercing, no ranged blunt …, no shield factor (empty: 1), no speed limit.
    EXPECT_EQ(
        kindsOf(*entry),
        (std::vector<int>{weapon::kType, weapon::kCutting, weapon::kCuttingRanged, weapon::kDefence,
                          weapon::kDoubleDefence, weapon::kArmourDefenceFactor, weapon::kAttacks,
                          weapon::kDurability, weapon::kDamageFactor, weapon::kDelay,
                          weapon::kHitBonus, weapon::kDamageBonus, weapon::kMaxDexterityLimit,
                          weapon::kMinimumHeight, equipment::kWeight, weapon::kRange,
                          weapon::kIntendedFor, weapon::kSecondary, weapon::kCharge}));
    EXPECT_EQ(part(*entry, weapon::kType)->memo, "J");
    EXPECT_EQ(part(*entry, weapon::kCutting)->wartosc, 8);
    EXPECT_EQ(part(*entry, weapon::kDoubleDefence)->wartosc, 1); // "tak": first letter t
    EXPECT_DOUBLE_EQ(part(*entry, weapon::kArmourDefenceFactor)->modyfikator, 2.0);
    EXPECT_DOUBLE_EQ(part(*entry, weapon::kDamageFactor)->modyfikator, 1.5); // 3/2
    EXPECT_EQ(part(*entry, weapon::kHitBonus)->wartosc, -1);
    EXPECT_EQ(part(*entry, weapon::kDamageBonus)->wartosc, 0);       // no column: always 0
    EXPECT_EQ(part(*entry, weapon::kMaxDexterityLimit)->wartosc, 4); // "1/4"
    EXPECT_EQ(part(*entry, weapon::kMaxDexterityLimit)->info, "Maksymalne ogr.Zr 1/");
    EXPECT_EQ(part(*entry, weapon::kIntendedFor)->memo, "KRASNOLUDÓW");
    EXPECT_EQ(BuildLabel(*part(*entry, weapon::kSecondary)), "Broń wtórna: TAK");

    // Read back, the entry gives the record it was made from.
    const WeaponRecord loaded = *engine().LoadWeaponRecord("w1");
    WeaponSources sources;
    const WeaponRecord read = engine().ReadWeaponEntry(*entry, &sources);
    EXPECT_EQ(read.name, loaded.name);
    EXPECT_EQ(read.groupId, "g1");
    EXPECT_EQ(read.handedness, "J");
    EXPECT_EQ(read.piercing, 0);
    EXPECT_EQ(read.cutting, 8);
    EXPECT_EQ(read.cuttingRanged, 4);
    EXPECT_TRUE(read.doubleDefence);
    EXPECT_DOUBLE_EQ(read.shieldDefenceFactor, 1.0);
    EXPECT_DOUBLE_EQ(read.armourDefenceFactor, 2.0);
    EXPECT_DOUBLE_EQ(read.damageFactor, 1.5);
    EXPECT_EQ(read.maxDexterityLimit, 4);
    EXPECT_EQ(read.maxSpeedLimit, 99);
    EXPECT_EQ(read.minimumHeight, 150);
    EXPECT_EQ(read.range, "10/20/30");
    EXPECT_EQ(read.intendedFor, "KRASNOLUDÓW");
    EXPECT_TRUE(read.secondary && read.charge && !read.passing && !read.hitCancelsAttack);
    // The eleven sources: those the weapon has, none for the effectiveness it lacks.
    EXPECT_EQ(sources.attacks, part(*entry, weapon::kAttacks));
    EXPECT_EQ(sources.delay, part(*entry, weapon::kDelay));
    EXPECT_EQ(sources.effectiveness[0], nullptr);
    EXPECT_EQ(sources.effectiveness[2], part(*entry, weapon::kCutting));
    EXPECT_EQ(sources.effectiveness[3], part(*entry, weapon::kCuttingRanged));
    EXPECT_EQ(sources.defence, part(*entry, weapon::kDefence));
    EXPECT_EQ(sources.hitBonus, part(*entry, weapon::kHitBonus));
    EXPECT_EQ(sources.damageBonus, part(*entry, weapon::kDamageBonus));
}

TEST_F(WeaponTest, EveryColumnOfTheRowReachesItsField) {
    // Each number column its own value, every flag set, texts with blanks around them.
    weapon("w9", "Włócznia", " DW ",
           {{"skt_kluta_bliska", "11"},
            {"skt_kluta_daleka", "12"},
            {"skut_tnaca_bliska", "13"},
            {"skut_tnaca_daleka", "14"},
            {"skut_obuch_bliska", "15"},
            {"skut_obuch_daleka", "16"},
            {"obrona", "17"},
            {"obrona_x_2", " T"},
            {"obrona_tarczy", "3"},
            {"obrona_zbroi", " 4 "},
            {"ataki_na_r", "2"},
            {"traf_niweluje_atak", "t"},
            {"wytrzymalosc", "50"},
            {"wsp_uszkodzen", "5"},
            {"opoznienie", "6"},
            {"atak_przygotowany", "T"},
            {"traf_bonus", "-3"},
            {"traf_kryt_x_2", "T"},
            {"max_ogr_zr", "1/7"},
            {"max_ogr_sz", " 8 "},
            {"min_wzrost", " 160"},
            {"min_sf", "25 "},
            {"waga", "9"},
            {"czas_prod", " 30 "},
            {"zasieg", "  5/10/15 "},
            {"przeznaczenie", " ELFÓW "},
            {"tr110_obezwl", "T"},
            {"tr110_ew_obezwl", "T"},
            {"tr110_ew_oglusza", "T"},
            {"tr_ew_obezwlad", "T"},
            {"tr_12atobtrum", "T"},
            {"wtorna", "T"},
            {"drozna", "T"},
            {"odpryskowa", "T"},
            {"szarza", "T"},
            {"powstrzymanie", "T"}});
    const WeaponRecord r = *engine().LoadWeaponRecord("w9");
    EXPECT_EQ(r.id, "w9");
    EXPECT_EQ(r.groupId, "g1");
    EXPECT_EQ(r.name, "Włócznia");
    EXPECT_EQ(r.handedness, "DW"); // blanks trimmed
    EXPECT_EQ((std::vector<int>{r.piercing, r.piercingRanged, r.cutting, r.cuttingRanged, r.blunt,
                                r.bluntRanged, r.defence}),
              (std::vector<int>{11, 12, 13, 14, 15, 16, 17}));
    // Factors are constant dice expressions: 3, 4 (blanks trimmed) and 5.
    EXPECT_DOUBLE_EQ(r.shieldDefenceFactor, 3.0);
    EXPECT_DOUBLE_EQ(r.armourDefenceFactor, 4.0);
    EXPECT_DOUBLE_EQ(r.damageFactor, 5.0);
    EXPECT_EQ((std::vector<int>{r.attacks, r.durability, r.delay, r.hitBonus, r.minimumHeight,
                                r.minimumStrength, r.weight, r.productionTime}),
              (std::vector<int>{2, 50, 6, -3, 160, 25, 9, 30}));
    // "1/7": 7; a bare " 8 " is N itself.
    EXPECT_EQ(r.maxDexterityLimit, 7);
    EXPECT_EQ(r.maxSpeedLimit, 8);
    EXPECT_EQ(r.range, "5/10/15");
    EXPECT_EQ(r.intendedFor, "ELFÓW");
    // " T" and "t" are set too: the first letter after blanks counts, in either case.
    EXPECT_TRUE(r.doubleDefence && r.hitCancelsAttack && r.preparedAttack && r.doubleCritical);
    EXPECT_TRUE(r.tenthDisables && r.tenthMayDisable && r.tenthMayStun && r.hitMayDisable &&
                r.hitHalves);
    EXPECT_TRUE(r.secondary && r.passing && r.splintering && r.charge && r.holdBack);
    EXPECT_TRUE(port.errors().empty());
}

TEST_F(WeaponTest, NoWeaponAddsNothingAndAnEmptyRowGivesTheDefaults) {
    EXPECT_EQ(engine().AddWeaponEntry("none"), nullptr);
    EXPECT_EQ(engine().LoadWeaponRecord("none"), std::nullopt);
    EXPECT_TRUE(carried().empty());

    // Only the identifier: every number 0, every flag off, factors 1, no limits, everybody.
    insert("bronie", {{"id", "w0"}});
    CPoz* entry = engine().AddWeaponEntry("w0");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(kindsOf(*entry),
              (std::vector<int>{weapon::kType, weapon::kDefence, weapon::kAttacks,
                                weapon::kDurability, weapon::kDelay, weapon::kHitBonus,
                                weapon::kDamageBonus, equipment::kWeight, weapon::kRange}));
    // A limit that is no positive number is no limit either.
    weapon("w2", "Kij", "JL", {{"max_ogr_zr", "1/0"}, {"max_ogr_sz", "abc"}});
    EXPECT_EQ(engine().LoadWeaponRecord("w2")->maxDexterityLimit, 99);
    EXPECT_EQ(engine().LoadWeaponRecord("w2")->maxSpeedLimit, 99);
    EXPECT_TRUE(port.errors().empty());
}

TEST_F(WeaponTest, BowsAreFoundInAnyCaseOfTheirUtf8Name) {
    EXPECT_TRUE(isBowName("Długi łuk"));
    EXPECT_TRUE(isBowName("ŁUK KRÓTKI"));
    EXPECT_TRUE(isBowName("Kusza-łUk"));
    EXPECT_FALSE(isBowName("Łubin"));
    EXPECT_FALSE(isBowName("Luk")); // "L", not "Ł"
    EXPECT_FALSE(isBowName("Miecz ł"));
}

TEST_F(WeaponTest, HandednessFollowsHeightStrengthAndAmbidexterity) {
    const auto handedness = [this](const std::string& code, int minimumStrength,
                                   const std::string& name = "Miecz") {
        WeaponRecord record;
        record.name = name;
        record.groupId = "g1";
        record.handedness = code;
        record.minimumStrength = minimumStrength;
        character->RecalculateCharacter();
        const Handedness h = engine().HandednessClass(record);
        return std::to_string(h.handClass) + " " + h.code;
    };
    setStrength(399);
    // Minimum 40: 399 < 400, so a two-handed weapon stays two-handed …
    EXPECT_EQ(handedness("DW", 40), "40 DW");
    // … a strong character (400 ≥ 10·40) handles it as a hand-and-a-half one.
    setStrength(400);
    EXPECT_EQ(handedness("DW", 40), "30 PT");
    // Without a minimum every weapon is a class lighter; a light one stays at 10.
    EXPECT_EQ(handedness("J", 0), "10 JL");
    EXPECT_EQ(handedness("JL", 0), "10 JL");
    // A bow never gets lighter.
    EXPECT_EQ(handedness("DW", 0, "Długi łuk"), "40 DW");
    // An unknown code counts 20 and is shown as "N"; it gets no lighter for strength.
    EXPECT_EQ(handedness("X", 0), "20 N");

    // A character of 225 cm handles a weapon a class lighter again (40 − 10 − 10).
    CPoz& look = add(top(kLinkDodatkoweInformacje), "Rasa: Olbrzym", info::kAppearance, 0);
    add(look, "Wzrost [cm]", stage::kHeight, 225);
    EXPECT_EQ(handedness("DW", 40), "20 J");
    look.FindByKind(stage::kHeight)->wartosc = 224;
    EXPECT_EQ(handedness("DW", 40), "30 PT");

    // Ambidexterity: "O…" 10, 20, 30, 40 → 5, 15, 20, 30; "P…" and "N…" → 1, 11, 15, 20.
    setStrength(0);
    CPoz& skill = proficiency({});
    CPoz& level = skill.AddChild({.info = "OBURĘCZNOŚĆ", .typ = proficiency::kAmbidexterity});
    EXPECT_EQ(handedness("DW", 40), "30 PT");
    EXPECT_EQ(handedness("JL", 40), "5 JL");
    EXPECT_EQ(handedness("X", 40), "15 N");
    level.info = "PODWÓJNA OBURĘCZNOŚĆ";
    EXPECT_EQ(handedness("JL", 40), "1 JL");
    EXPECT_EQ(handedness("PT", 40), "15 J");
    level.info = "Naturalna oburęczność";
    EXPECT_EQ(handedness("J", 40), "11 J");
}

TEST_F(WeaponTest, SpecialisationSumsTheFieldOfTheCodeInTheParts) {
    proficiency(
        {{.info = "Szkolenie podstawowe", .typ = proficiency::kBasicTraining, .memo = "1|0|0|0|0"},
         {.info = "SPECJALISTA", .typ = proficiency::kSpecialisation, .memo = "2|2|1|0|0"},
         {.info = "Rasowa", .typ = stage::kRacialProficiency, .memo = "0|1|1|1|1"},
         {.info = "Krótka", .typ = proficiency::kFromProfession, .memo = "3|5"}});
    WeaponRecord record;
    record.groupId = "g1";
    const auto specialisation = [&](const char* code) {
        return engine().WeaponSpecialisation(code, record);
    };
    EXPECT_EQ(specialisation("JL"), 0 + 2 + 1 + 5); // the second fields
    EXPECT_EQ(specialisation("J"), 0 + 1 + 1);      // the third; "3|5" has none
    EXPECT_EQ(specialisation("N"), 2);
    EXPECT_EQ(specialisation("PT"), 0 + 0 + 1);
    EXPECT_EQ(specialisation("DW"), 0 + 0 + 1);
    EXPECT_EQ(specialisation("Q"), 0);
    record.groupId = "g2"; // no proficiency
    EXPECT_EQ(specialisation("JL"), 0);
}

TEST_F(WeaponTest, CombinationsOfTwoHeldWeapons) {
    EXPECT_TRUE(mayBeUsedTogether(10, 0, 1));
    EXPECT_TRUE(mayBeUsedTogether(10, 15, 1));
    EXPECT_FALSE(mayBeUsedTogether(10, 10, 1)); // two light weapons: only when ambidextrous
    EXPECT_TRUE(mayBeUsedTogether(5, 1, 1));
    EXPECT_TRUE(mayBeUsedTogether(11, 20, 1));
    EXPECT_FALSE(mayBeUsedTogether(15, 15, 1));
    EXPECT_TRUE(mayBeUsedTogether(20, 15, 1));
    EXPECT_FALSE(mayBeUsedTogether(20, 20, 1));
    EXPECT_FALSE(mayBeUsedTogether(30, 0, 1)); // a hand-and-a-half weapon needs two limbs
    EXPECT_TRUE(mayBeUsedTogether(40, 40, 2));
    EXPECT_FALSE(mayBeUsedTogether(25, 0, 2)); // no such class
    EXPECT_EQ(handednessCode(1), "JL");
    EXPECT_EQ(handednessCode(11), "J");
    EXPECT_EQ(handednessCode(30), "PT");
    EXPECT_EQ(handednessCode(40), "DW");
    EXPECT_EQ(handednessCode(25), "N");
}

struct HeldWeapon : WeaponTest {
    CPoz* sword = nullptr;
    CPoz* skill = nullptr;

    HeldWeapon() {
        weapon("w1", "Miecz", "JL",
               {{"skt_kluta_bliska", "4"},
                {"skut_tnaca_bliska", "5"},
                {"obrona", "4"},
                {"ataki_na_r", "1"},
                {"opoznienie", "3"},
                {"traf_bonus", "1"}});
        sword = engine().AddWeaponEntry("w1");
        // Proficiency 40 + 15 = 55.
        skill = &proficiency({{.info = "Szkolenie podstawowe",
                               .typ = proficiency::kBasicTraining,
                               .wartosc = 40,
                               .memo = "1|0|0|0|0"},
                              {.info = "SPECJALISTA",
                               .typ = proficiency::kSpecialisation,
                               .wartosc = 15,
                               .memo = "2|2|1|0|0"}});
        setStrength(40);
        attribute(member::kDexterity).wartosc = 30;
        character->RecalculateCharacter();
    }
    CPoz* statistics(CPoz& holder, int holding, int limbCount = 2) {
        auto container = limbs(holder, holding, limbCount);
        return engine().AddWeaponStatistics(combatWeapons(), holder, container.get(), true);
    }
};

TEST_F(HeldWeapon, StatisticsReferToTheWeaponTheProficiencyAndTheAttributes) {
    CPoz* stats = statistics(*sword, 1);
    ASSERT_NE(stats, nullptr);
    EXPECT_EQ(stats->parent(), &combatWeapons());
    EXPECT_EQ(stats->typ, weaponStats::kStatistics);
    EXPECT_EQ(stats->info, "Miecz");
    EXPECT_EQ(stats->target(), sword);
    EXPECT_EQ(stats->memo, "l1");
    EXPECT_EQ(stats->wartosc, 10);
    EXPECT_EQ(part(*stats, weaponStats::kWeaponType)->memo, "JL");
    // No blunt effectiveness: no blunt wounds.
    EXPECT_EQ(
        kindsOf(*stats),
        (std::vector<int>{weaponStats::kWeaponType, weaponStats::kAttacksPerRound,
                          weaponStats::kDelay, weaponStats::kPiercingWounds,
                          weaponStats::kCuttingWounds, weaponStats::kDefence, weaponStats::kHit}));
    // Attacks: 1 of the weapon + 2 of SPECJALISTA (the second field of "2|2|1|0|0" for JL).
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kAttacksPerRound), 3);
    EXPECT_EQ(
        part(*part(*stats, weaponStats::kAttacksPerRound), weaponStats::kSpecialisation)->wartosc,
        2);
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kDelay), 3);
    // Piercing: 4 × 55 % = 2.2, then I(2.2) + I(40 / 4) = 12, + bonus 0.
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kPiercingWounds), 12);
    // Cutting: 5 × 55 % = 2.75, I(2.75) + 10 = 13.
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kCuttingWounds), 13);
    // Defence: 4 × 55 % = 2.2 → 2 (held in one hand: no doubling).
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kDefence), 2);
    // Hit: 55 + 40 / 10 + 30 / 10 + 1 = 63.
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kHit), 63);

    // The statistics follow the attributes when the tree is recalculated: Siła fizyczna 80
    // gives piercing I(2.2) + 20 = 22 and hit 55 + 8 + 3 + 1 = 67.
    setStrength(80);
    character->RecalculateCharacter();
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kPiercingWounds), 22);
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kHit), 67);
    // And the proficiency: training 60 makes it 75, piercing 4 × 75 % = 3 + 20 = 23.
    skill->FindByKind(proficiency::kBasicTraining)->wartosc = 60;
    character->RecalculateCharacter();
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kPiercingWounds), 23);
}

TEST_F(HeldWeapon, ATwoHandedWeaponInOneHandHasStatisticsOfZero) {
    weapon("w2", "Miecz dwuręczny", "DW",
           {{"skut_tnaca_bliska", "11"},
            {"obrona", "6"},
            {"obrona_x_2", "T"},
            {"ataki_na_r", "1"},
            {"opoznienie", "7"},
            {"min_sf", "40"}});
    CPoz* great = engine().AddWeaponEntry("w2");
    character->RecalculateCharacter(); // Siła fizyczna 40 < 400: class 40
    CPoz* one = statistics(*great, 1);
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->wartosc, 40);
    for (int kind : {weaponStats::kAttacksPerRound, weaponStats::kDelay,
                     weaponStats::kCuttingWounds, weaponStats::kDefence, weaponStats::kHit}) {
        EXPECT_DOUBLE_EQ(total(*one, kind), 0) << kind;
        EXPECT_TRUE(part(*one, kind)->empty()) << kind;
    }
    EXPECT_EQ(one->FindByKind(weaponStats::kPiercingWounds), nullptr);

    // In two hands it may be used, and its defence is doubled: 6 × 55 % = 3.3, passed on
    // as 3, × 2 = 6.
    CPoz* two = statistics(*great, 2);
    EXPECT_EQ(two->memo, "l1|l2");
    EXPECT_DOUBLE_EQ(total(*two, weaponStats::kDefence), 6);
    EXPECT_NE(part(*two, weaponStats::kDefence)->FindByKind(weaponStats::kTwoHanded), nullptr);
    EXPECT_DOUBLE_EQ(total(*two, weaponStats::kDelay), 7);
}

TEST_F(HeldWeapon, AnotherWeaponInTheOtherHandMustBeAllowed) {
    // Two light swords (class 10 each): not allowed together; the second has zeros.
    CPoz* other = &carried().AddChild({.info = "Miecz 2", .typ = weapon::kWeapon});
    CPoz::CopyTree(*sword, *other, false);
    auto container = limbs(*sword, 1);
    CPoz& second = container->AddChild({.info = "Ręka 3", .specjal = "l3", .typ = body::kPart});
    second.MakeReference(*other, true);
    CPoz* stats = engine().AddWeaponStatistics(combatWeapons(), *sword, container.get(), true);
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kHit), 0);

    // With ambidexterity ("OBURĘCZNOŚĆ": 10 → 5) a light sword goes with a light sword (5
    // with 5).
    skill->AddChild(
        {.info = "OBURĘCZNOŚĆ", .typ = proficiency::kAmbidexterity, .memo = "1|0|0|0|0"});
    stats = engine().AddWeaponStatistics(combatWeapons(), *sword, container.get(), true);
    EXPECT_EQ(stats->wartosc, 5);
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kHit), 63);

    // Held by no limb of the container: zeros; without a container: usable, unless the
    // limbs are required.
    auto empty = limbs(*sword, 0);
    EXPECT_DOUBLE_EQ(
        total(*engine().AddWeaponStatistics(combatWeapons(), *sword, empty.get(), true),
              weaponStats::kHit),
        0);
    EXPECT_DOUBLE_EQ(total(*engine().AddWeaponStatistics(combatWeapons(), *sword, nullptr, false),
                           weaponStats::kHit),
                     63);
    EXPECT_EQ(engine().AddWeaponStatistics(combatWeapons(), *sword, nullptr, true), nullptr);
}

TEST_F(HeldWeapon, APodwojnaAmbidexterityDoublesTheAttacksOfALightWeapon) {
    skill->AddChild(
        {.info = "PODWÓJNA OBURĘCZNOŚĆ", .typ = proficiency::kAmbidexterity, .memo = "2|0|0|0|0"});
    CPoz* stats = statistics(*sword, 1);
    EXPECT_EQ(stats->wartosc, 1);
    const CPoz* attacks = part(*stats, weaponStats::kAttacksPerRound);
    ASSERT_NE(attacks->FindByKind(weaponStats::kDoubleAmbidexterity), nullptr);
    // (1 + 2 of SPECJALISTA) × 2.
    EXPECT_DOUBLE_EQ(attacks->total, 6);
}

TEST_F(HeldWeapon, WithoutAProficiencyTheMinimumStandsInAndWithoutThatNothing) {
    sword->memo = "g2"; // a group the character has no proficiency in
    CPoz* stats = statistics(*sword, 1);
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kHit), 0);
    EXPECT_TRUE(part(*stats, weaponStats::kHit)->empty());

    CPoz& bonuses = add(top(kLinkProfesje), "Dodatki profesjonalne", profession::kBonuses, 0);
    add(bonuses, "Biegłośc minimalna", profession::kMinimumProficiency, 20);
    character->RecalculateCharacter();
    stats = statistics(*sword, 1);
    // Hit: 20 + 4 + 3 + 1 = 28; the specialisation of no proficiency is 0: 1 attack.
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kHit), 28);
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kAttacksPerRound), 1);
}

TEST_F(HeldWeapon, NaturalWeaponsGetStatisticsOncePerPiece) {
    CPoz& list = add(top(kLinkBronieNaturalne), "Bronie rasowe", natural::kList, 0);
    CPoz& fist = list.AddChild({.info = "Pięść",
                                .specjal = "n1",
                                .typ = natural::kWeapon,
                                .modyfikator = 1.0,
                                .memo = "20"});
    add(fist, "Ataki", natural::kAttacks, 1);
    add(fist, "Obrażenia obuchowe", natural::kBlunt, 2);
    add(fist, "Ilość", natural::kCount, 2);
    CPoz& claws = list.AddChild({.info = "Pazury", .specjal = "n2", .typ = natural::kWeapon});
    add(claws, "Ataki", natural::kAttacks, 2);
    CPoz& held =
        list.AddChild({.info = "Kły", .specjal = "n3", .typ = natural::kWeapon, .wartosc = 1});
    add(held, "Ataki", natural::kAttacks, 1);
    // Proficiencies in the fist (20) and the fangs; none in the claws.
    add(top(kLinkBieglosci), "Pięść", proficiency::kProficiency, 0, "n1", "NATURALNA")
        .AddChild({.info = "Rasowa",
                   .typ = stage::kRacialProficiency,
                   .wartosc = 20,
                   .memo = "0|0|0|0|0"});
    add(top(kLinkBieglosci), "Kły", proficiency::kProficiency, 0, "n3", "NATURALNA");
    character->RecalculateCharacter();

    engine().AddNaturalWeaponStatistics();
    // Two pieces of the fist; the claws have no proficiency, the fangs a value.
    ASSERT_EQ(combatWeapons().children().size(), 2u);
    for (const CPoz* stats : combatWeapons().children()) {
        EXPECT_EQ(stats->info, "Pięść");
        EXPECT_EQ(stats->target(), &fist);
        // No handedness code: class 20, "N".
        EXPECT_EQ(stats->wartosc, 20);
        EXPECT_EQ(part(*stats, weaponStats::kWeaponType)->memo, "N");
        EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kAttacksPerRound), 1);
        // Blunt: 2 × 20 % = 0.4, I(0.4) + I(40 / 4) = 10.
        EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kBluntWounds), 10);
        // Hit: 20 + 4 + 3 + 0.
        EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kHit), 27);
    }
    // The temporary holder and limb are gone: the fist is referred to by the two
    // statistics only.
    EXPECT_EQ(fist.referrers().size(), 2u);
    for (const CPoz* referrer : fist.referrers())
        EXPECT_TRUE(referrer->HasKindOrAncestor(weaponStats::kStatistics)) << referrer->info;
}

TEST_F(HeldWeapon, DeletingAWeaponAProficiencyOrAnAttributeLeavesNoReferenceBehind) {
    statistics(*sword, 1);
    CPoz* stats = statistics(*sword, 1);
    ASSERT_EQ(combatWeapons().children().size(), 2u);
    // The proficiency goes: the parts that referred to it go with it.
    (void)skill->Odlaczenie();
    EXPECT_EQ(part(*stats, weaponStats::kPiercingWounds)->FindByKind(weaponStats::kProficiency),
              nullptr);
    EXPECT_EQ(part(*stats, weaponStats::kHit)->FindByKind(weaponStats::kHitProficiency), nullptr);
    // So does Siła fizyczna, with the parts that read it.
    (void)attribute(member::kStrength).Odlaczenie();
    EXPECT_EQ(part(*stats, weaponStats::kHit)->FindByKind(attribute::kStrengthReference), nullptr);
    EXPECT_NE(part(*stats, weaponStats::kHit)->FindByKind(attribute::kDexterityReference), nullptr);
    character->RecalculateCharacter();
    // Hit: 30 / 10 + 1.
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kHit), 4);
    // The weapon goes: both of its statistics go.
    (void)sword->Odlaczenie();
    EXPECT_TRUE(combatWeapons().empty());
    character->RecalculateCharacter();
}

TEST_F(HeldWeapon, StatisticsSurviveSaveAndLoadWithTheirReferences) {
    ASSERT_TRUE(ensureCharacterSchema(*characters.db).ok());
    statistics(*sword, 1);
    ASSERT_TRUE(SaveCharacter(*character).ok());
    Result<LoadedCharacter> loaded = LoadCharacter(*characters.db, character->id());
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    CIstota& hero = *loaded->character;
    hero.RecalculateCharacter();
    CPoz* weapons = hero.link(kLinkWalka)->FindByKind(top::kCombatWeapons);
    ASSERT_EQ(weapons->children().size(), 1u);
    CPoz* stats = *weapons->children().begin();
    CPoz* loadedSword =
        hero.link(kLinkEkwipunek)->FindByKind(equipment::kCarried)->FindByKind(weapon::kWeapon);
    EXPECT_EQ(stats->target(), loadedSword);
    const CPoz* hit = part(*stats, weaponStats::kHit);
    EXPECT_EQ(part(*hit, weaponStats::kHitProficiency)->target(),
              hero.link(kLinkBieglosci)->FindBySpecjal("g1"));
    EXPECT_EQ(part(*hit, weaponStats::kHitBonus)->target(),
              loadedSword->FindByKind(weapon::kHitBonus));
    EXPECT_DOUBLE_EQ(total(*stats, weaponStats::kPiercingWounds), 12);
    EXPECT_DOUBLE_EQ(hit->total, 63);
    // Still live: Siła fizyczna 80 gives hit 67 in the loaded tree.
    hero.link(kLinkSilaFizyczna)->wartosc = 80;
    hero.RecalculateCharacter();
    EXPECT_DOUBLE_EQ(hit->total, 67);
}

} // namespace
} // namespace tallar
