#include "support/EngineFixture.h"
#include "support/WizardFixture.h"
#include "wizard/CWizard6.h"
#include "wizard/CWizard6Bgl.h"
#include "wizard/ProficiencyPool.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tallar {
namespace {

using namespace kinds;

// Weapon groups and professions of the sample rules.
constexpr const char* kSwords = "100000000000000000000701000001";
constexpr const char* kAxes = "100000000000000000000701000002";
constexpr const char* kBlunt = "100000000000000000000701000006";
constexpr const char* kDaggers = "100000000000000000000701000007";
constexpr const char* kWarrior = "100000000000000000000401000001"; // "Broń wojownika" from 1
constexpr const char* kKnight = "100000000000000000000401000007";  // and "Kopia i miecz" from 5

struct WeaponsPage : ::testing::Test, test::SampleWorkspace {
    CIstota hero{characters()};
    DiceGenerator generator{3};

    EngineContext context(bool askRolls = false) {
        return {.rules = rules(),
                .character = hero,
                .port = port,
                .generator = &generator,
                .askRolls = askRolls};
    }
    CPoz& appearance() {
        CPoz* info = hero.link(kLinkDodatkoweInformacje);
        if (CPoz* look = info->FindByKind(info::kAppearance))
            return *look;
        return info->AddChild({.info = "Rasa: Krasnolud", .typ = info::kAppearance});
    }
    void measures(int height, int strength) {
        appearance().AddChild({.info = "Wzrost [cm]", .typ = stage::kHeight, .wartosc = height});
        hero.link(kLinkSilaFizyczna)->wartosc = strength;
    }
    // The race's bonus in a weapon group (as page 1 writes it).
    void racialGroup(const char* id, const char* name, int bonus) {
        CPoz& look = appearance();
        CPoz* groups = look.FindByKind(stage::kRaceWeaponGroups);
        if (!groups)
            groups = &look.AddChild({.info = "Bronie rasowe", .typ = stage::kRaceWeaponGroups});
        groups->AddChild(
            {.info = name, .specjal = id, .typ = stage::kRacialProficiency, .wartosc = bonus});
    }
    void profession(const char* id, int level) {
        CPoz& entry =
            hero.link(kLinkProfesje)
                ->AddChild({.info = "Profesja", .specjal = id, .typ = profession::kProfession});
        entry.AddChild({.info = "Poziom", .typ = profession::kLevel, .wartosc = level});
    }
    // What the professions grant: "Wolne biegłości" with its professional part.
    void pool(int granted) {
        CPoz& free = hero.link(kLinkBieglosci)
                         ->AddChild({.info = "Wolne biegłości", .typ = proficiency::kFree});
        free.AddChild(
            {.info = "Profesja", .typ = proficiency::kFreeFromProfession, .wartosc = granted});
    }

    std::unique_ptr<CWizard6> open() {
        auto page = std::make_unique<CWizard6>(context());
        page->open();
        return page;
    }
    static std::size_t group(const CWizard6& page, const std::string& id) {
        for (std::size_t g = 0; g < page.groups().size(); ++g)
            if (page.groups()[g].id == id)
                return g;
        ADD_FAILURE() << "no group " << id;
        return 0;
    }
    static std::pair<std::size_t, std::size_t> weapon(const CWizard6& page,
                                                      const std::string& name) {
        for (std::size_t g = 0; g < page.groups().size(); ++g)
            for (std::size_t w = 0; w < page.groups()[g].weapons.size(); ++w)
                if (page.groups()[g].weapons[w].name == name)
                    return {g, w};
        ADD_FAILURE() << "no weapon " << name;
        return {0, 0};
    }
    static bool tick(CWizard6& page, const std::string& name, bool on = true) {
        const auto [g, w] = weapon(page, name);
        return page.tickWeapon(g, w, on);
    }
    // The names of the requirements, sorted (the query gives no order).
    static std::vector<std::string> names(const CWizard6& page) {
        std::vector<std::string> out;
        for (const WeaponRequirement& r : page.requirements())
            out.push_back(r.name);
        std::sort(out.begin(), out.end());
        return out;
    }
    static const WeaponRequirement& requirement(const CWizard6& page, const std::string& name) {
        for (const WeaponRequirement& r : page.requirements())
            if (r.name == name)
                return r;
        ADD_FAILURE() << "no requirement " << name;
        return page.requirements().front();
    }
    static bool groupTicked(const WeaponRequirement& r, const std::string& name) {
        for (const WeaponRequirement::Group& g : r.groups)
            if (g.name == name)
                return g.ticked;
        ADD_FAILURE() << "no group " << name << " in " << r.name;
        return false;
    }
};

TEST_F(WeaponsPage, TickingSpendsAFreeProficiencyPerNewGroupOnly) {
    profession(kWarrior, 1);
    pool(2);
    racialGroup(kBlunt, "Broń obuchowa", 5);
    auto page = open();
    // The racial group has its proficiency entry now, so it is ticked and free.
    EXPECT_TRUE(page->groups()[group(*page, kBlunt)].ticked);
    EXPECT_EQ(page->caption(), "Wybór broni - Wolne biegłości: 2");

    EXPECT_TRUE(tick(*page, "Miecz krótki"));
    EXPECT_EQ(page->freeCount(), 1);
    // A second weapon of a ticked group costs nothing.
    EXPECT_TRUE(tick(*page, "Miecz długi"));
    EXPECT_EQ(page->freeCount(), 1);
    // A weapon of the racial group neither.
    EXPECT_TRUE(tick(*page, "Buława"));
    EXPECT_EQ(page->caption(), "Wybór broni - Wolne biegłości: 1");

    EXPECT_TRUE(page->tickGroup(group(*page, kAxes), true));
    EXPECT_EQ(page->freeCount(), 0);
    // No free proficiency: a weapon of a new group is unticked at once, its group stays so.
    EXPECT_FALSE(tick(*page, "Długi łuk"));
    EXPECT_FALSE(page->groups()[weapon(*page, "Długi łuk").first].ticked);
    EXPECT_EQ(page->freeCount(), 0);
    // … a weapon of a group the character is proficient in still works.
    EXPECT_TRUE(tick(*page, "Młot bojowy"));

    // A group with a ticked weapon, or a racial one, cannot be unticked; an empty new one can.
    EXPECT_TRUE(page->tickGroup(group(*page, kSwords), false));
    EXPECT_TRUE(page->tickGroup(group(*page, kBlunt), false));
    EXPECT_FALSE(page->tickGroup(group(*page, kAxes), false));
    EXPECT_EQ(page->freeCount(), 1);
    // Unticking the last weapon leaves its group ticked.
    EXPECT_FALSE(tick(*page, "Miecz krótki", false));
    EXPECT_FALSE(tick(*page, "Miecz długi", false));
    EXPECT_TRUE(page->groups()[group(*page, kSwords)].ticked);
}

TEST_F(WeaponsPage, LabelsSayWhenTheCharacterIsTooSmallOrTooWeak) {
    measures(150, 30);
    hero.RecalculateCharacter();
    auto page = open();
    const auto label = [&](const std::string& name) {
        const auto [g, w] = weapon(*page, name);
        return page->groups()[g].weapons[w].label;
    };
    // Miecz dwuręczny needs 160 cm and 40; Długi łuk 165 cm and 30; Topór dwuręczny 45.
    EXPECT_EQ(label("Miecz dwuręczny"),
              "Miecz dwuręczny (zbyt mały wzrost i zbyt mała siła fizyczna)");
    EXPECT_EQ(label("Długi łuk"), "Długi łuk (zbyt mały wzrost)");
    EXPECT_EQ(label("Topór dwuręczny"), "Topór dwuręczny (zbyt mała siła fizyczna)");
    EXPECT_EQ(label("Halabarda"), "Halabarda"); // 150 cm is enough for 150

    // The property text, split at "|" and the first colon; empty columns and unset flags
    // give no row.
    const auto [g, w] = weapon(*page, "Miecz krótki");
    using Rows = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(CWizard6::propertyRows(page->groups()[g].weapons[w].properties),
              (Rows{{"Typ", "JL"},
                    {"Skuteczność kłuta", "4"},
                    {"Skuteczność tnąca", "5"},
                    {"Obrona", "4"},
                    {"Ilość ataków na rundę", "1"},
                    {"Wytrzymałość", "40"},
                    {"Współczynnik uszkodzeń", "1"},
                    {"Opóźnienie", "3"},
                    {"Bonus do trafienia", "1"},
                    {"Waga", "2"},
                    {"Czas produkcji [dni]", "4"},
                    {"Zasięg", "1"},
                    {"Broń przeznaczona dla", "WSZYSTKICH"},
                    {"Broń może być wtórna", "TAK"}}));
    EXPECT_EQ(CWizard6::propertyRows("a:b||c|d:1/2:3"),
              (Rows{{"a", "b"}, {"c", ""}, {"d", "1/2:3"}}));
    // The attributes shown: eleven and the height.
    ASSERT_EQ(page->attributes().size(), 12u);
    EXPECT_EQ(page->attributes()[1], "Siła fizyczna: 30");
    EXPECT_EQ(page->attributes()[11], "Wzrost [cm]: 150");
}

TEST_F(WeaponsPage, RequirementsApplyByProfessionAndLevelAndAreMetEitherWay) {
    profession(kWarrior, 0);
    EXPECT_EQ(names(*open()), std::vector<std::string>{"Broń podręczna"});

    hero.link(kLinkProfesje)->UsunAll();
    profession(kKnight, 4);
    EXPECT_EQ(names(*open()), (std::vector<std::string>{"Broń podręczna", "Broń wojownika"}));
    hero.link(kLinkProfesje)->UsunAll();
    profession(kKnight, 5);
    pool(3);
    auto page = open();
    EXPECT_EQ(names(*page),
              (std::vector<std::string>{"Broń podręczna", "Broń wojownika", "Kopia i miecz"}));
    const WeaponRequirement& warrior = requirement(*page, "Broń wojownika");
    ASSERT_EQ(warrior.groups.size(), 2u);
    ASSERT_TRUE(page->blocker().has_value());
    EXPECT_TRUE(page->blocker()->starts_with("Wymaganie „")) << *page->blocker();
    EXPECT_NE(page->blocker()->find(" nie jest spełnione: zaznacz jedną z grup: "),
              std::string::npos);
    EXPECT_FALSE(page->finish([](CWizard6Bgl&) { return true; }));

    // Axes or swords, either meets it.
    tick(*page, "Toporek");
    tick(*page, "Sztylet");
    tick(*page, "Włócznia");
    EXPECT_EQ(page->blocker(), std::nullopt);
    EXPECT_TRUE(requirement(*page, "Broń wojownika").met);
    EXPECT_TRUE(groupTicked(requirement(*page, "Broń wojownika"), "Topory"));
    EXPECT_FALSE(groupTicked(requirement(*page, "Broń wojownika"), "Miecze"));
    tick(*page, "Toporek", false);
    page->tickGroup(group(*page, kAxes), false);
    EXPECT_EQ(page->blocker(), "Wymaganie „Broń wojownika” nie jest spełnione: zaznacz jedną z "
                               "grup: " +
                                   warrior.groups[0].name + ", " + warrior.groups[1].name + ".");
    tick(*page, "Miecz krótki");
    EXPECT_EQ(page->blocker(), std::nullopt);
}

TEST_F(WeaponsPage, RequirementsThePoolCannotMeetDoNotHoldTheWizard) {
    profession(kWarrior, 1); // "Broń wojownika" and "Broń podręczna": two groups needed
    auto none = open();
    EXPECT_FALSE(none->requirementsBind());
    EXPECT_EQ(none->blocker(), std::nullopt);

    pool(1);
    EXPECT_FALSE(open()->requirementsBind());
    // One racial group of "Broń podręczna": one free proficiency is enough now.
    racialGroup(kBlunt, "Broń obuchowa", 5);
    auto page = open();
    EXPECT_TRUE(page->requirementsBind());
    EXPECT_TRUE(page->blocker().has_value());
}

TEST_F(WeaponsPage, OkTrainsEachNewGroupAndAddsTheWeapons) {
    profession(kWarrior, 1);
    pool(3);
    racialGroup(kBlunt, "Broń obuchowa", 5);
    auto page = open();
    for (const char* name : {"Miecz krótki", "Miecz długi", "Topór bojowy", "Buława"})
        ASSERT_TRUE(tick(*page, name)) << name;
    ASSERT_EQ(page->freeCount(), 1);

    struct Seen {
        std::string caption;
        int free;
        bool trainedBefore;
    };
    std::vector<Seen> seen;
    ASSERT_TRUE(page->finish([&](CWizard6Bgl& training) {
        seen.push_back({training.caption(), training.free(), training.trainedBefore()});
        training.setRollText("57");
        training.setSpentText("1");
        return training.finish();
    }));
    // The groups in the tree's order; each may spend the one left and its own: 1 + 1.
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].caption, "Miecze");
    EXPECT_EQ(seen[0].free, 2);
    EXPECT_FALSE(seen[0].trainedBefore);
    EXPECT_EQ(seen[1].caption, "Topory");
    EXPECT_EQ(seen[1].free, 2);

    const CPoz* swords = hero.link(kLinkBieglosci)->FindBySpecjal(kSwords);
    ASSERT_NE(swords, nullptr);
    EXPECT_EQ(swords->info, "Miecze");
    const CPoz* training = swords->FindByKind(proficiency::kBasicTraining);
    EXPECT_EQ(training->wartosc, 57);
    EXPECT_DOUBLE_EQ(training->modyfikator, 57);
    EXPECT_EQ(training->memo, "1|0|0|0|0");
    EXPECT_EQ(swords->FindByKind(proficiency::kSpecialisation)->info, "BIEGŁY");
    // The racial group got no training of its own.
    EXPECT_EQ(
        hero.link(kLinkBieglosci)->FindBySpecjal(kBlunt)->FindByKind(proficiency::kBasicTraining),
        nullptr);
    // Two spent of three.
    EXPECT_EQ(freeProficiencyEntry(hero)->FindByKind(proficiency::kSpent)->wartosc, -2);
    EXPECT_EQ(freeProficiencies(hero), 1);

    // The weapons, in the tree's order, carried.
    std::vector<std::string> carried;
    for (const CPoz* item : hero.link(kLinkEkwipunek)->FindByKind(equipment::kCarried)->children())
        carried.push_back(item->info);
    EXPECT_EQ(carried,
              (std::vector<std::string>{"Buława", "Miecz długi", "Miecz krótki", "Topór bojowy"}));
}

TEST_F(WeaponsPage, GivingUpATrainingEndsOk) {
    pool(1);
    auto page = open();
    tick(*page, "Sztylet");
    EXPECT_FALSE(page->finish([](CWizard6Bgl&) { return false; }));
    EXPECT_TRUE(hero.link(kLinkEkwipunek)->FindByKind(equipment::kCarried)->empty());
}

// The pool's recount refreshes the professions' parts: when the page opens, the racial
// group gets the professions' "Dodatek do biegłości"; after a training, the new group gets
// it too and the professions' minimum raises a lower training roll.
TEST_F(WeaponsPage, TheRecountBringsTheProfessionsBonusAndMinimum) {
    racialGroup(kAxes, "Topory", 10);
    pool(1);
    CPoz& bonuses = hero.link(kLinkProfesje)
                        ->AddChild({.info = "Dodatki profesjonalne", .typ = profession::kBonuses});
    bonuses.AddChild(
        {.info = "Dodatek do biegłości", .typ = profession::kProficiencyBonus, .wartosc = 2});
    bonuses.AddChild(
        {.info = "Biegłośc minimalna", .typ = profession::kMinimumProficiency, .wartosc = 5});
    auto page = open();
    const CPoz* list = hero.link(kLinkBieglosci);
    const CPoz* axes = list->FindBySpecjal(kAxes);
    ASSERT_NE(axes, nullptr);
    // Rasowa 10 + Profesja 2.
    EXPECT_DOUBLE_EQ(axes->total, 12.0);

    // A dagger: its group meets the requirement every profession has.
    tick(*page, "Sztylet");
    ASSERT_TRUE(page->finish([](CWizard6Bgl& training) {
        training.setRollText("3");
        training.setSpentText("1");
        return training.finish();
    }));
    const CPoz* daggers = list->FindBySpecjal(kDaggers);
    ASSERT_NE(daggers, nullptr);
    // The roll 3 is raised to the minimum 5; with Profesja 2 and BIEGŁY 0: 7.
    EXPECT_EQ(daggers->FindByKind(proficiency::kBasicTraining)->wartosc, 5);
    EXPECT_DOUBLE_EQ(daggers->total, 7.0);
    // 1 granted − 1 spent.
    EXPECT_EQ(freeProficiencies(hero), 0);
}

// --- The proficiency dialog of one group ------------------------------------------------

struct TrainingDialog : ::testing::Test, test::EngineFixture {
    CPoz* swords = nullptr;

    TrainingDialog() {
        CPoz& free = add(top(kLinkBieglosci), "Wolne biegłości", proficiency::kFree, 0);
        add(free, "Profesja", proficiency::kFreeFromProfession, 5);
        swords = &add(top(kLinkBieglosci), "Miecze", proficiency::kProficiency, 0, "g1");
        recountProficiencyPool(context());
    }
    TrainingRights open(int extraRolls = 0) { return {extraRolls, true}; }
};

TEST_F(TrainingDialog, WithFiveFreeAndOneSpentMistrzIsNotOffered) {
    CWizard6Bgl training(context(), *swords, 5, open());
    training.setSpentText("1");
    // A = 5 − max(1, 1) − 0 = 4: up to PODWÓJNY SPECJALISTA (4), not MISTRZ (6).
    EXPECT_EQ(
        training.specialisationItems(),
        (std::vector<std::string>{"", "PODWÓJNIE BIEGŁY", "SPECJALISTA", "PODWÓJNY SPECJALISTA"}));
    training.chooseSpecialisation(3);
    EXPECT_EQ(training.specialisationCost(), 4);
    EXPECT_EQ(training.left(), 0);
    // Nothing is left for two-handedness: 5 − 1 − 4 = 0.
    EXPECT_EQ(training.ambidexterityItems(), std::vector<std::string>{""});

    // PODWÓJNIE BIEGŁY (1) leaves 3 for two-handedness; PODWÓJNA OBURĘCZNOŚĆ (2) then
    // leaves 2 for the specialisation: up to SPECJALISTA, and 1 free.
    training.chooseSpecialisation(1);
    EXPECT_EQ(training.ambidexterityItems(),
              (std::vector<std::string>{"", "OBURĘCZNOŚĆ", "PODWÓJNA OBURĘCZNOŚĆ"}));
    training.chooseAmbidexterity(2);
    EXPECT_EQ(training.specialisationItems().size(), 3u);
    EXPECT_EQ(training.specialisation(), 1u);
    EXPECT_EQ(training.left(), 1);

    // A choice no longer offered falls to the last item: 3 spent leave 5 − 3 − 2 = 0 for
    // the specialisation, 5 − 3 − 0 = 2 for two-handedness.
    training.setSpentText("3");
    EXPECT_EQ(training.specialisation(), 0u);
    EXPECT_EQ(training.ambidexterity(), 2u);
    EXPECT_EQ(training.left(), 0);
    // While nothing is spent, one counts: A = 5 − 1.
    training.setSpentText("");
    training.chooseAmbidexterity(0);
    EXPECT_EQ(training.specialisationItems().size(), 4u);
}

TEST_F(TrainingDialog, TheRollTakesTheBestOfTheExtraRollsAndSpendsOneEachTime) {
    CWizard6Bgl training(context(true), *swords, 3, open(1));
    EXPECT_EQ(training.rollButtonCaption(), "Max z 2 rzut.K100");
    for (int face : {37, 82, 90, 10, 5, 6})
        port.queueDie(face);
    training.roll(true);
    EXPECT_EQ(training.rollText(), "082"); // the better of 37 and 82
    EXPECT_EQ(training.spentText(), "1");
    EXPECT_EQ(port.diePrompts(), (std::vector<std::string>{"Biegłość: Miecze K100 1 z 2",
                                                           "Biegłość: Miecze K100 2 z 2"}));
    training.roll(true);
    EXPECT_EQ(training.rollText(), "090");
    training.roll(true); // 5 and 6: worse, kept 90, one more spent
    EXPECT_EQ(training.rollText(), "090");
    EXPECT_EQ(training.spentText(), "3");
    // None left: the button does nothing.
    training.roll(true);
    EXPECT_EQ(port.diePrompts().size(), 6u);
    EXPECT_EQ(training.spentText(), "3");

    EXPECT_EQ(CWizard6Bgl(context(), *swords, 3, open(0)).rollButtonCaption(), "K100");
}

TEST_F(TrainingDialog, FieldsOutOfRangeKeepOkRefused) {
    CWizard6Bgl training(context(), *swords, 3, open());
    EXPECT_FALSE(training.rollValid());
    EXPECT_FALSE(training.spentValid());
    EXPECT_FALSE(training.finish());
    for (const char* roll : {"0", "101", "7a", ""}) {
        training.setRollText(roll);
        EXPECT_FALSE(training.rollValid()) << roll;
    }
    training.setRollText("100");
    EXPECT_TRUE(training.rollValid());
    EXPECT_EQ(training.blocker(), "Ilość biegłości na szkolenie: od 1 do 3.");
    training.setSpentText("4");
    EXPECT_FALSE(training.spentValid());
    training.setSpentText("2");
    training.chooseSpecialisation(1); // 1 + 2 = 3: all three
    EXPECT_EQ(training.blocker(), std::nullopt);
    EXPECT_EQ(training.left(), 0);
    // Specialisation chosen, then more spent: the choice falls and nothing is overspent.
    training.setSpentText("3");
    EXPECT_EQ(training.specialisation(), 0u);
    EXPECT_EQ(training.blocker(), std::nullopt);
}

TEST_F(TrainingDialog, OkWritesTheLevelsAndAGroupTrainedBeforeKeepsItsTraining) {
    CWizard6Bgl training(context(), *swords, 5, open());
    training.setRollText("82");
    training.setSpentText("2");
    training.chooseSpecialisation(2); // SPECJALISTA: 2
    training.chooseAmbidexterity(1);  // OBURĘCZNOŚĆ: 1
    ASSERT_TRUE(training.finish());
    const CPoz* basic = swords->FindByKind(proficiency::kBasicTraining);
    EXPECT_EQ(basic->info, "Szkolenie podstawowe");
    EXPECT_EQ(basic->wartosc, 82);
    EXPECT_DOUBLE_EQ(basic->modyfikator, 82);
    EXPECT_EQ(basic->memo, "2|0|0|0|0");
    const CPoz* level = swords->FindByKind(proficiency::kSpecialisation);
    EXPECT_EQ(level->info, "SPECJALISTA");
    EXPECT_EQ(level->wartosc, 15);
    EXPECT_EQ(level->memo, "2|2|1|0|0");
    EXPECT_EQ(swords->FindByKind(proficiency::kAmbidexterity)->memo, "1|0|0|0|0");
    // The pool: 5 − (2 + 2 + 1) = 0.
    EXPECT_EQ(freeProficiencies(*character), 0);
    EXPECT_EQ(CWizard6Bgl::availableFor(*character, *swords), 5);

    // Opened again: the training shows and stays; the levels are chosen again.
    CWizard6Bgl again(context(), *swords, CWizard6Bgl::availableFor(*character, *swords), open());
    EXPECT_TRUE(again.trainedBefore());
    EXPECT_EQ(again.rollText(), "082");
    EXPECT_EQ(again.spentText(), "2");
    EXPECT_EQ(again.specialisation(), 2u);
    EXPECT_EQ(again.ambidexterity(), 1u);
    again.setRollText("99");
    again.roll();
    EXPECT_EQ(again.rollText(), "082");
    again.chooseAmbidexterity(0);
    ASSERT_TRUE(again.finish());
    EXPECT_EQ(swords->FindByKind(proficiency::kAmbidexterity), nullptr);
    EXPECT_EQ(freeProficiencies(*character), 1);
}

// A profession whose rules grant an extra proficiency roll keeps it as the modifier 1.0
// of its entry; the rolls count up to and including the first profession with a level.
TEST_F(TrainingDialog, ExtraRollsComeFromTheProfessionsUpToTheFirstWithALevel) {
    const auto profession = [&](const char* id, int level, bool extraRoll) {
        CPoz& entry = add(top(kLinkProfesje), "Profesja", profession::kProfession, 0, id);
        entry.modyfikator = extraRoll ? 1.0 : 0.0;
        add(entry, "Poziom", profession::kLevel, level);
    };
    profession("p1", 0, true);
    profession("p2", 0, false);
    EXPECT_EQ(trainingRights(*character).extraRolls, 1);
    profession("p3", 2, true);
    // p3 has a level: counted, and the last one counted.
    profession("p4", 1, true);
    const TrainingRights rights = trainingRights(*character);
    EXPECT_EQ(rights.extraRolls, 2);
    EXPECT_TRUE(rights.specialisationOpen);
    // "Max z 3 rzut.K100": the extra rolls and the roll itself.
    EXPECT_EQ(CWizard6Bgl(context(), *swords, 5).rollButtonCaption(), "Max z 3 rzut.K100");
}

TEST_F(TrainingDialog, SpecialisationOpensWithAProfessionOfALevelAboveZero) {
    EXPECT_FALSE(trainingRights(*character).specialisationOpen);
    CPoz& first = add(top(kLinkProfesje), "Kupiec", profession::kProfession, 0, "p1");
    add(first, "Poziom", profession::kLevel, 0);
    EXPECT_FALSE(trainingRights(*character).specialisationOpen);
    CPoz& second = add(top(kLinkProfesje), "Wojownik", profession::kProfession, 0, "p2");
    add(second, "Poziom", profession::kLevel, 3);
    EXPECT_TRUE(trainingRights(*character).specialisationOpen);

    // Closed, both lists hold only the empty item and BIEGŁY is written.
    CWizard6Bgl closed(context(), *swords, 5, TrainingRights{});
    EXPECT_EQ(closed.specialisationItems(), std::vector<std::string>{""});
    EXPECT_EQ(closed.ambidexterityItems(), std::vector<std::string>{""});
    closed.roll();
    ASSERT_TRUE(closed.finish());
    EXPECT_EQ(swords->FindByKind(proficiency::kSpecialisation)->info, "BIEGŁY");
    EXPECT_EQ(swords->FindByKind(proficiency::kSpecialisation)->memo, "0|0|0|0|0");
}

} // namespace
} // namespace tallar
