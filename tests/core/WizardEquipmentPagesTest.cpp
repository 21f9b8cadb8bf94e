#include "model/Character.h"
#include "rules/engine/CRdzenBron.h"
#include "rules/engine/CRdzenTarcza.h"
#include "rules/engine/CRdzenZbroja.h"
#include "store/CharacterStore.h"
#include "store/db/Schema.h"
#include "support/EngineFixture.h"
#include "wizard/CWizard10.h"
#include "wizard/CWizard7.h"
#include "wizard/CWizard8.h"
#include "wizard/CWizard9.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tallar {
namespace {

using namespace kinds;

// A character of stage "S" whose body has the parts of the stage, and rules rows written
// by each test.
struct PagesTest : ::testing::Test, test::EngineFixture {
    PagesTest() {
        CPoz& look = add(top(kLinkDodatkoweInformacje), "Rasa", info::kAppearance, 0, "R");
        add(look, "Stadium", stage::kStage, 0, "S");
    }
    // A body part of the stage: its definition, the stage's row and the character's entry.
    CPoz& part(const std::string& name, bool holds, bool defaultPart = false) {
        const std::string definition = "def" + name;
        insert("czescicialadef", {{"id", definition}, {"typistoty", "humanoid"}, {"nazwa", name}});
        insert("stadiumczesci", {{"id", "s" + name},
                                 {"idstadium", "S"},
                                 {"id_nad", definition},
                                 {"domyslna", defaultPart ? "T" : "N"}});
        return top(kLinkCialo)
            .AddChild({.info = name,
                       .specjal = "s" + name,
                       .typ = body::kPart,
                       .wartosc = holds ? 1 : 0,
                       .modyfikator = defaultPart ? 1.0 : 0.0,
                       .memo = definition});
    }
    void elementRow(const std::string& id, Columns columns, const std::vector<std::string>& parts,
                    bool stageMayWear = true) {
        columns.insert(columns.begin(), {{"id", id}, {"nazwa", "El " + id}});
        insert("elementzbroi", columns);
        for (const std::string& p : parts)
            insert("elemzrcialo", {{"idelemzbr", id}, {"idcialo", "def" + p}});
        if (stageMayWear)
            insert("elemzrbrasy", {{"idelemzbr", id}, {"idstadium", "S"}});
    }
    void armourRow(const std::string& id, const std::vector<std::string>& elements) {
        insert("zbroja", {{"id", id}, {"nazwa", "Zbroja " + id}});
        for (const std::string& e : elements)
            insert("zbrojaelem", {{"idzbroi", id}, {"idelemzbr", e}});
    }
    void shieldRow(const std::string& id, Columns columns) {
        columns.insert(columns.begin(), {{"id", id}, {"nazwa", "Tarcza " + id}});
        insert("tarcza", columns);
    }
    std::vector<std::string> names(const CWizard9& page, const std::vector<std::size_t>& places) {
        std::vector<std::string> found;
        for (const std::size_t p : places)
            found.push_back(page.places()[p].name);
        return found;
    }
    std::optional<std::size_t> placeNamed(const CWizard9& page, const std::string& name) {
        for (std::size_t p = 0; p < page.places().size(); ++p)
            if (page.places()[p].name == name)
                return p;
        return std::nullopt;
    }
};

struct ArmourPageTest : PagesTest {
    ArmourPageTest() {
        part("Tułów", false, true);
        part("Głowa", false);
        // A: an outer element (layer 2, 1/2 below it) on the torso, an inner one on the
        // torso and the head. B: one element the stage may not wear. C: one element.
        elementRow("a1", {{"warstwa", "2"}, {"wspwypiob", "2"}, {"wypkl", "4"}, {"waga", "3"}},
                   {"Tułów"});
        elementRow("a2", {{"warstwa", "1"}, {"wypkl", "5"}, {"waga", "2"}}, {"Tułów", "Głowa"});
        elementRow("b1", {{"warstwa", "1"}}, {"Tułów"});
        elementRow("b2", {{"warstwa", "2"}}, {"Tułów"}, false);
        elementRow("c1", {{"warstwa", "1"}}, {"Głowa"});
        armourRow("A", {"a1", "a2"});
        armourRow("B", {"b1", "b2"});
        armourRow("C", {"c1"});
    }
};

TEST_F(ArmourPageTest, AnArmourWithAnElementTheStageMayNotWearIsNotOffered) {
    CWizard7 page(context());
    page.open();
    std::vector<std::string> offered;
    for (const ArmourChoice& armour : page.armours())
        offered.push_back(armour.name + ":" + std::to_string(armour.elements.size()));
    EXPECT_EQ(offered, (std::vector<std::string>{"Zbroja A:2", "Zbroja C:1"}));
    EXPECT_EQ(page.armours()[0].elements[0].name, "El a1"); // by name within the armour
    const auto rows = page.properties({.armour = 0, .element = 0});
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), (PropertyRow{"Warstwa", "2"}));
    EXPECT_NE(std::find(rows.begin(), rows.end(), PropertyRow{"Wsp.wyparowań i obrony", "1/2"}),
              rows.end());
}

TEST_F(ArmourPageTest, TickingAnElementTicksItsArmourAndOnlyOneArmourAtATime) {
    CWizard7 page(context());
    page.open();
    EXPECT_TRUE(page.setTicked({.armour = 0, .element = 1}, true));
    EXPECT_TRUE(page.armours()[0].ticked);
    EXPECT_TRUE(page.armours()[0].elements[0].ticked);
    EXPECT_TRUE(page.armours()[0].elements[1].ticked);
    // Another armour is refused while A is ticked.
    EXPECT_FALSE(page.setTicked({.armour = 1, .element = 0}, true));
    EXPECT_FALSE(page.armours()[1].ticked);
    // Unticking an element unticks the whole armour; then C may be ticked.
    EXPECT_TRUE(page.setTicked({.armour = 0, .element = 0}, false));
    EXPECT_FALSE(page.armours()[0].ticked || page.armours()[0].elements[1].ticked);
    EXPECT_TRUE(page.setTicked({.armour = 1, .element = {}}, true));
    EXPECT_EQ(page.tickedArmour(), std::optional<std::size_t>(1));
}

TEST_F(ArmourPageTest, SelectingShowsTheProtectionPerBodyPart) {
    CWizard7 page(context());
    page.open();
    page.select({.armour = 0, .element = {}});
    const ArmourChoice* armour = page.entry({.armour = 0, .element = {}});
    ASSERT_TRUE(armour && armour->protection);
    // By part name descending; the torso 4 + round(5/2) = 7, the head 5.
    ASSERT_EQ(armour->protection->size(), 2u);
    EXPECT_EQ((*armour->protection)[0].part, "Tułów");
    EXPECT_EQ((*armour->protection)[0].piercing, 7);
    EXPECT_EQ((*armour->protection)[1].part, "Głowa");
    EXPECT_EQ((*armour->protection)[1].piercing, 5);
    const auto rows = page.properties({.armour = 0, .element = {}});
    // The armour's own protection is the torso's (the default part); weight 3 + 2.
    EXPECT_NE(std::find(rows.begin(), rows.end(), PropertyRow{"Wyparowania kłute", "7"}),
              rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), PropertyRow{"Waga [SF]", "5"}), rows.end());

    page.select({.armour = 0, .element = 1});
    const ArmourChoice* inner = page.entry({.armour = 0, .element = 1});
    ASSERT_TRUE(inner && inner->protection);
    ASSERT_EQ(inner->protection->size(), 2u);
    EXPECT_EQ((*inner->protection)[0].part, "Tułów");
    EXPECT_EQ((*inner->protection)[0].piercing, 5); // the element's own, undivided
}

TEST_F(ArmourPageTest, OkAddsTheTickedArmourAndItsWeightToTheLoad) {
    CWizard7 page(context());
    page.open();
    page.finish(); // nothing ticked: nothing added
    const CPoz* carried = top(kLinkEkwipunek).FindByKind(equipment::kCarried);
    EXPECT_EQ(carried->size(), 0u);
    ASSERT_TRUE(page.setTicked({.armour = 0, .element = {}}, true));
    page.finish();
    ASSERT_EQ(carried->size(), 1u);
    EXPECT_EQ(carried->children().front()->info, "Zbroja A");
    // Each element's weight is a line of the load: 3 + 2.
    EXPECT_EQ(top(kLinkObciazenie).size(), 2u);
    EXPECT_EQ(top(kLinkObciazenie).total, 5.0);
}

TEST_F(PagesTest, TheShieldListShowsDefaultsForEmptyColumns) {
    shieldRow("1", {{"ogrsz", ""},
                    {"ogrzr", "2"},
                    {"szpikulce", "N"},
                    {"skutkl", "5"},
                    {"wbicieziemia", "T"},
                    {"mogauzywac", ""}});
    shieldRow("2", {{"ogrsz", "3"}});
    CWizard8 page(context());
    page.open();
    ASSERT_EQ(page.shields().size(), 2u);
    const auto rows = page.properties(0);
    const auto has = [&rows](const std::string& label, const std::string& value) {
        return std::find(rows.begin(), rows.end(), PropertyRow{label, value}) != rows.end();
    };
    EXPECT_EQ(rows.front(), (PropertyRow{"Przeznaczona dla", "WSZYSTKICH"}));
    EXPECT_TRUE(has("Ograniczenie szybkości", "1/1"));
    EXPECT_TRUE(has("Ograniczenie zręczności", "1/2"));
    EXPECT_TRUE(has("Wbicie/podparcie o ziemię", "TAK"));
    EXPECT_TRUE(has("Obrona", "0"));
    for (const auto& [label, value] : rows)
        EXPECT_NE(label, "Skuteczność kłuta szpikulca"); // no spikes

    EXPECT_TRUE(page.setTicked(0, true));
    EXPECT_FALSE(page.setTicked(1, true));
    EXPECT_TRUE(page.setTicked(0, false));
    EXPECT_TRUE(page.setTicked(1, true));
    page.finish();
    const CPoz* carried = top(kLinkEkwipunek).FindByKind(equipment::kCarried);
    ASSERT_EQ(carried->size(), 1u);
    EXPECT_EQ(carried->children().front()->info, "Tarcza 2");
}

TEST_F(PagesTest, FourHoldingLimbsGiveTwoGroundAndTwoArmourMountPlaces) {
    for (const char* limb : {"L1", "L2", "L3", "L4"})
        part(limb, true);
    part("Ogon", false);
    CWizard9 page(context());
    page.LoadPlacements();
    std::vector<std::string> placeNames;
    for (const Place& place : page.places())
        placeNames.push_back(place.name + (place.pair ? "#" + std::to_string(place.pair) : ""));
    EXPECT_EQ(placeNames,
              (std::vector<std::string>{
                  "Ciało", "Oparcie/wbicie w ziemię#1", "Umocowanie do zbroi#1", "L1",
                  "L1 (umocowanie)", "L2", "L2 (umocowanie)", "Oparcie/wbicie w ziemię#2",
                  "Umocowanie do zbroi#2", "L3", "L3 (umocowanie)", "L4", "L4 (umocowanie)"}));
    EXPECT_TRUE(page.items().empty());
}

TEST_F(PagesTest, AShieldIsOfferedOnlyWhatItsFlagsAllowAndKeepsToOnePlace) {
    part("L1", true);
    part("L2", true);
    shieldRow("hand", {{"mocowreka", "T"}, {"obrona", "4"}});
    shieldRow("ground", {{"wbicieziemia", "T"}, {"mocowzbroia", "T"}});
    CRdzenTarcza shields(context());
    ASSERT_NE(shields.AddShieldEntry("hand"), nullptr);
    ASSERT_NE(shields.AddShieldEntry("ground"), nullptr);
    CWizard9 page(context());
    page.LoadPlacements();
    ASSERT_EQ(page.items().size(), 2u);
    EXPECT_EQ(names(page, page.placesOffered(0)),
              (std::vector<std::string>{"L1", "L1 (umocowanie)", "L2", "L2 (umocowanie)"}));
    EXPECT_EQ(
        names(page, page.placesOffered(1)),
        (std::vector<std::string>{"Oparcie/wbicie w ziemię", "Umocowanie do zbroi", "L1", "L2"}));
    // Placed in a limb, a shield is offered only that place; the other shield no longer
    // gets the limb.
    ASSERT_TRUE(page.setPlaced(0, *placeNamed(page, "L1"), true));
    EXPECT_EQ(names(page, page.placesOffered(0)), (std::vector<std::string>{"L1"}));
    EXPECT_FALSE(page.setPlaced(0, *placeNamed(page, "L2"), true));
    EXPECT_EQ(names(page, page.placesOffered(1)),
              (std::vector<std::string>{"Oparcie/wbicie w ziemię", "Umocowanie do zbroi", "L2"}));
    EXPECT_FALSE(page.setPlaced(1, *placeNamed(page, "L1"), true));
    EXPECT_FALSE(page.setPlaced(1, *placeNamed(page, "L1"), false)); // not its place
}

TEST_F(PagesTest, PlacementsAreAppliedRecordedAndRestored) {
    part("Tułów", false, true);
    part("L1", true);
    part("L2", true);
    shieldRow("1", {{"mocowreka", "T"}, {"obrona", "4"}, {"ogrzr", "2"}});
    elementRow("e", {{"warstwa", "1"}, {"wypkl", "3"}, {"ogrsz", "3"}}, {"Tułów"});
    armourRow("A", {"e"});
    CPoz* shield = CRdzenTarcza(context()).AddShieldEntry("1");
    CPoz* armourEntry = CRdzenZbroja(context()).AddArmourEntry("A");
    ASSERT_TRUE(shield && armourEntry);
    {
        CWizard9 page(context());
        page.LoadPlacements();
        ASSERT_EQ(page.items().size(), 2u);
        const std::size_t shieldItem = page.items()[0].kind == PlacementItem::Kind::Shield ? 0 : 1;
        const std::size_t armourItem = 1 - shieldItem;
        EXPECT_EQ(names(page, page.placesOffered(armourItem)), (std::vector<std::string>{"Ciało"}));
        ASSERT_TRUE(page.setPlaced(shieldItem, *placeNamed(page, "L2 (umocowanie)"), true));
        ASSERT_TRUE(page.setPlaced(armourItem, *placeNamed(page, "Ciało"), true));
        EXPECT_EQ(page.placementMemo(shieldItem), "MR#sL2");
        // The statistics as placed are shown on entries of their own.
        EXPECT_NE(page.placedStatistics(shieldItem), nullptr);
        EXPECT_EQ(top(kLinkWalka).FindByKind(top::kCombatShields)->size(), 0u);
        page.ApplyPlacements();
    }
    const CPoz& shields = *top(kLinkWalka).FindByKind(top::kCombatShields);
    ASSERT_EQ(shields.size(), 1u);
    EXPECT_EQ(shields.children().front()->memo, "MR#sL2");
    EXPECT_EQ(shields.children().front()->target(), shield);
    EXPECT_EQ(top(kLinkWalka).FindByKind(top::kCombatArmour)->size(), 1u);
    // The shield's 1/2 and the armour's 1/3 limit different things.
    const CPoz* dexterity = top(kLinkZrecznoscAktualna)
                                .FindByKind(attribute::kDexterityReference)
                                ->FindByKind(attribute::kDexterityLimit);
    ASSERT_NE(dexterity, nullptr);
    EXPECT_DOUBLE_EQ(dexterity->modyfikator, 0.5);

    // A new page finds the places recorded; applying again makes the same, once.
    CWizard9 again(context());
    again.LoadPlacements();
    std::vector<std::string> owned;
    for (const Place& place : again.places())
        if (place.owner)
            owned.push_back(place.name + "=" + again.items()[*place.owner].name);
    EXPECT_EQ(owned, (std::vector<std::string>{"Ciało=Zbroja A", "L2 (umocowanie)=Tarcza 1"}));
    again.ApplyPlacements();
    EXPECT_EQ(shields.size(), 1u);
    int pieces = 0;
    for (const CPoz* child : top(kLinkCialo).children().front()->children())
        pieces += child->typ == armour::kPartPiercing ? 1 : 0;
    EXPECT_EQ(pieces, 1);

    // Taken out of every place, nothing is applied.
    for (std::size_t p = 0; p < again.places().size(); ++p) {
        if (again.places()[p].owner) {
            EXPECT_TRUE(again.setPlaced(*again.places()[p].owner, p, false));
        }
    }
    again.ApplyPlacements();
    EXPECT_EQ(shields.size(), 0u);
    EXPECT_EQ(top(kLinkZrecznoscAktualna)
                  .FindByKind(attribute::kDexterityReference)
                  ->FindByKind(attribute::kDexterityLimit),
              nullptr);
}

// A two-handed sword (class 40: "DW", no height, strength 0 below 10 · 40) and a fist that
// takes a holding limb, with proficiencies 40 and 20. The statistics of what is held name
// its limbs and are found again by the next page.
TEST_F(PagesTest, WeaponsHeldInLimbsGetTheirStatistics) {
    part("Tułów", false, true);
    part("L1", true);
    part("L2", true);
    insert("bronie", {{"id", "w2"},
                      {"nazwa", "Miecz dwuręczny"},
                      {"idgrupy", "g1"},
                      {"typl", "DW"},
                      {"obrona", "6"},
                      {"obrona_x_2", "T"},
                      {"ataki_na_r", "1"},
                      {"opoznienie", "7"},
                      {"min_sf", "40"}});
    CPoz* sword = CRdzenBron(context()).AddWeaponEntry("w2");
    ASSERT_NE(sword, nullptr);
    add(top(kLinkBieglosci), "Miecze", proficiency::kProficiency, 0, "g1")
        .AddChild({.info = "Szkolenie podstawowe",
                   .typ = proficiency::kBasicTraining,
                   .wartosc = 40,
                   .memo = "1|0|0|0|0"});
    CPoz& list = add(top(kLinkBronieNaturalne), "Bronie rasowe", natural::kList, 0);
    CPoz& fist = list.AddChild(
        {.info = "Pięść", .specjal = "n1", .typ = natural::kWeapon, .modyfikator = 1.0});
    add(fist, "Ataki", natural::kAttacks, 1);
    add(fist, "Zajmuje kończynę", natural::kTakesHoldingLimb, 1);
    add(top(kLinkBieglosci), "Pięść", proficiency::kProficiency, 0, "n1", "NATURALNA")
        .AddChild({.info = "Rasowa",
                   .typ = stage::kRacialProficiency,
                   .wartosc = 20,
                   .memo = "0|0|0|0|0"});
    character->RecalculateCharacter();
    const CPoz& held = *top(kLinkWalka).FindByKind(top::kCombatWeapons);
    const auto statisticsOf = [&held](const CPoz* weapon) {
        std::vector<const CPoz*> found;
        for (const CPoz* stats : held.children())
            if (stats->target() == weapon)
                found.push_back(stats);
        return found;
    };
    const auto total = [](const CPoz& stats, int kind) {
        const CPoz* part = stats.FindByKind(kind);
        return part ? part->total : -1.0;
    };
    {
        CWizard9 page(context());
        page.LoadPlacements();
        std::vector<std::string> items;
        for (const PlacementItem& item : page.items())
            items.push_back(item.name);
        EXPECT_EQ(items, (std::vector<std::string>{"Miecz dwuręczny", "Pięść (L1)", "Pięść (L2)"}));
        EXPECT_EQ(names(page, page.placesOffered(1)), (std::vector<std::string>{"L1"}));
        ASSERT_TRUE(page.setPlaced(0, *placeNamed(page, "L1"), true));
        ASSERT_TRUE(page.setPlaced(0, *placeNamed(page, "L2"), true));
        // Both limbs hold it: its defence 6 · 40 % = 2.4, passed on as 2, held in two
        // hands · 2 = 4; the delay its 7.
        const auto shown = page.placedStatistics(0);
        ASSERT_NE(shown, nullptr);
        ASSERT_EQ(shown->size(), 1u);
        EXPECT_DOUBLE_EQ(total(*shown->children().front(), weaponStats::kDefence), 4);
        EXPECT_TRUE(held.empty()); // shown only
        page.ApplyPlacements();
    }
    // The fist is in no limb: no statistics of it.
    ASSERT_EQ(held.size(), 1u);
    const CPoz& both = *statisticsOf(sword).at(0);
    EXPECT_EQ(both.memo, "sL1|sL2");
    EXPECT_EQ(both.wartosc, 40);
    EXPECT_DOUBLE_EQ(total(both, weaponStats::kDefence), 4);
    EXPECT_DOUBLE_EQ(total(both, weaponStats::kDelay), 7);
    EXPECT_DOUBLE_EQ(total(both, weaponStats::kAttacksPerRound), 1);

    // The next page finds the sword in both limbs; the fist goes to L2 instead.
    CWizard9 again(context());
    again.LoadPlacements();
    EXPECT_EQ(again.places()[*placeNamed(again, "L1")].owner, std::optional<std::size_t>(0));
    EXPECT_EQ(again.places()[*placeNamed(again, "L2")].owner, std::optional<std::size_t>(0));
    ASSERT_TRUE(again.setPlaced(0, *placeNamed(again, "L2"), false));
    ASSERT_TRUE(again.setPlaced(2, *placeNamed(again, "L2"), true));
    again.ApplyPlacements();
    ASSERT_EQ(held.size(), 2u);
    // In one hand the sword may not be used: its parts have nothing, their totals 0.
    const CPoz& one = *statisticsOf(sword).at(0);
    EXPECT_EQ(one.memo, "sL1");
    EXPECT_DOUBLE_EQ(total(one, weaponStats::kDefence), 0);
    EXPECT_TRUE(one.FindByKind(weaponStats::kDelay)->empty());
    // The fist in L2 (class 20, no code) beside a class-40 weapon may not be used either.
    const auto fists = statisticsOf(&fist);
    ASSERT_EQ(fists.size(), 1u);
    EXPECT_EQ(fists[0]->memo, "sL2");
    EXPECT_DOUBLE_EQ(total(*fists[0], weaponStats::kAttacksPerRound), 0);

    // Found again; with the sword put away the fist has its one attack, and the sword no
    // statistics.
    CWizard9 third(context());
    third.LoadPlacements();
    EXPECT_EQ(third.places()[*placeNamed(third, "L1")].owner, std::optional<std::size_t>(0));
    EXPECT_EQ(third.places()[*placeNamed(third, "L2")].owner, std::optional<std::size_t>(2));
    EXPECT_TRUE(third.placesOf(1).empty());
    ASSERT_TRUE(third.setPlaced(0, *placeNamed(third, "L1"), false));
    third.ApplyPlacements();
    ASSERT_EQ(held.size(), 1u);
    EXPECT_TRUE(statisticsOf(sword).empty());
    ASSERT_EQ(statisticsOf(&fist).size(), 1u);
    EXPECT_DOUBLE_EQ(total(*statisticsOf(&fist)[0], weaponStats::kAttacksPerRound), 1);
}

TEST_F(PagesTest, AStoredCharacterKeepsItsPlacements) {
    part("Tułów", false, true);
    part("L1", true);
    shieldRow("1", {{"wbicieziemia", "T"}, {"obrona", "4"}, {"ogrsz", "3"}});
    ASSERT_NE(CRdzenTarcza(context()).AddShieldEntry("1"), nullptr);
    {
        CWizard9 page(context());
        page.LoadPlacements();
        ASSERT_TRUE(page.setPlaced(0, *placeNamed(page, "Oparcie/wbicie w ziemię"), true));
        page.ApplyPlacements();
    }
    ASSERT_TRUE(ensureCharacterSchema(*characters.db).ok());
    ASSERT_TRUE(SaveCharacter(*character).ok());
    Result<LoadedCharacter> loaded = LoadCharacter(*characters.db, character->id());
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    CIstota& stored = *loaded->character;
    const EngineContext storedContext{.rules = *rules.db, .character = stored, .port = port};
    // Applied again on the stored character: the same shield use, the same 1/3 speed limit.
    PlaceCarriedEquipment(storedContext);
    const CPoz& shields = *stored.link(kLinkWalka)->FindByKind(top::kCombatShields);
    ASSERT_EQ(shields.size(), 1u);
    EXPECT_EQ(shields.children().front()->memo, "WZ#1");
    const CPoz* speed = stored.link(kLinkSzybkoscAktualna)
                            ->FindByKind(attribute::kSpeedReference)
                            ->FindByKind(attribute::kSpeedLimit);
    ASSERT_NE(speed, nullptr);
    EXPECT_DOUBLE_EQ(speed->modyfikator, 0.33);
    CWizard9 page(storedContext);
    page.LoadPlacements();
    EXPECT_EQ(page.placementMemo(0), "WZ#1");
}

TEST_F(PagesTest, AnEquipmentItemIsAddedOrCountedAgainAndWeighs) {
    insert("ekwipunek", {{"id", "k"}, {"nazwa", "Kociołek"}, {"waga", "1.5"}});
    CWizard10 page(context());
    const PickTable table = page.equipmentTable();
    EXPECT_EQ(table.columns, (std::vector<std::string>{"id", "Nazwa   ", "waga"}));
    ASSERT_EQ(table.rows.size(), 1u);
    CPoz* item = page.AddItem("k", 2);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->typ, equipment::kItem);
    EXPECT_EQ(item->info, "Kociołek");
    EXPECT_DOUBLE_EQ(item->modyfikator, 1.5);
    EXPECT_EQ(page.AddItem("k"), item);
    EXPECT_EQ(item->wartosc, 3);
    // 3 · 1.5 = 4.5, rounded up: 5, under the label with the count.
    ASSERT_EQ(top(kLinkObciazenie).size(), 1u);
    EXPECT_EQ(top(kLinkObciazenie).children().front()->info, "Kociołek x 3");
    EXPECT_EQ(top(kLinkObciazenie).total, 5.0);
    EXPECT_EQ(page.AddItem("missing"), nullptr);

    // The pick list adds what is picked, one each.
    port.queuePick(std::vector<std::string>{"k"});
    EXPECT_EQ(page.Run(), 1);
    EXPECT_EQ(item->wartosc, 4);
}

} // namespace
} // namespace tallar
