#include "model/Character.h"
#include "model/Kinds.h"
#include "model/TreeSnapshot.h"
#include "preview/CIstotaPodglad.h"
#include "store/CharacterStore.h"
#include "support/LoadedCharacter.h"
#include "support/TreeDump.h"
#include "support/WizardFixture.h"
#include "wizard/CIstotaWizard.h"
#include "wizard/CWizard6Bgl.h"
#include "wizard/CWizard7.h"
#include "wizard/CWizard8.h"
#include "wizard/CWizard9.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

// A stored character with the skeleton, loaded again as the preview gets it.
struct Preview : ::testing::Test, test::SampleWorkspace {
    std::unique_ptr<CIstota> hero;
    std::unique_ptr<CIstotaPodglad> preview;

    Preview() {
        CIstota made(characters());
        made.SetImie("Borin");
        made.SetRasa("Krasnolud");
        addItem(made, "Lina", 2, 1.5); // weighs 2 × 1.5 = 3
        addItem(made, "Namiot", 1, 4); // weighs 4
        made.RebuildLoad();
        EXPECT_TRUE(SaveCharacter(made).ok());
        reload(made.id());
    }

    void reload(const std::string& id) {
        preview.reset();
        hero = test::loadCharacter(characters(), id);
        ASSERT_NE(hero, nullptr);
        hero->RecalculateCharacter();
        preview = std::make_unique<CIstotaPodglad>(rules(), characters(), *hero, port);
    }

    static CPoz& carried(const CIstota& h) {
        return *h.link(kLinkEkwipunek)->FindByKind(kinds::equipment::kCarried);
    }
    static void addItem(const CIstota& h, std::string name, int count, double weight) {
        carried(h).AddChild({.info = std::move(name),
                             .typ = kinds::equipment::kItem,
                             .wartosc = count,
                             .modyfikator = weight});
    }
    CPoz& load() { return *hero->link(kLinkObciazenie); }
    CPoz* carriedItem(std::string_view name) {
        for (CPoz* entry : carried(*hero).children())
            if (entry->info == name)
                return entry;
        return nullptr;
    }
    void run(std::unique_ptr<PreviewCommand>& command) {
        ASSERT_NE(command, nullptr);
        command->redo();
    }

    // Every stored row of both tables, in a fixed order.
    std::string storedRows() {
        std::string rows;
        for (const char* sql :
             {"SELECT * FROM istoty ORDER BY id", "SELECT * FROM pozycje ORDER BY id"})
            EXPECT_TRUE(characters()
                            .exec(sql,
                                  [&](const Row& row) {
                                      for (int c = 0; c < row.columnCount(); ++c)
                                          rows += row.text(c) + "|";
                                      rows += "\n";
                                  })
                            .ok());
        return rows;
    }
};

TEST_F(Preview, DeletingACarriedItemRebuildsTheLoadWithoutIt) {
    EXPECT_DOUBLE_EQ(load().total, 7.0); // 3 + 4
    auto remove = preview->remove(*carriedItem("Lina"));
    run(remove);
    EXPECT_EQ(carriedItem("Lina"), nullptr);
    ASSERT_EQ(load().size(), 1U);
    EXPECT_EQ(load().front()->info, "Namiot");
    EXPECT_DOUBLE_EQ(load().total, 4.0);
}

TEST_F(Preview, ChangingACarriedItemRebuildsTheLoad) {
    ItemForm form = ItemForm::from(*carriedItem("Namiot"));
    form.count = "3"; // 3 × 4 = 12, with the rope's 3: 15
    auto change = preview->modify(*carriedItem("Namiot"), form);
    run(change);
    EXPECT_DOUBLE_EQ(load().total, 15.0);
}

TEST_F(Preview, UndoOfADeleteRestoresTheSubtreeWithItsReferencesAndRedoDeletesAgain) {
    CPoz& rope = *carriedItem("Lina");
    CPoz& knot =
        rope.AddChild({.info = "Węzeł", .typ = kinds::preview::kAddedNumber, .wartosc = 2});
    // An entry elsewhere taking its value from the knot (value kind 9).
    CPoz& wisdom = *hero->link(kLinkMadrosc);
    CPoz& share = wisdom.AddChild({.info = "Udział", .typ = kRefInteger, .modyfikator = 1.0});
    share.MakeReference(knot, true);
    const std::string ropeId = rope.id(), knotId = knot.id(), shareId = share.id();
    hero->RebuildLoad();
    hero->RecalculateCharacter();
    const std::string before = test::dumpTree(*hero);

    auto remove = preview->remove(rope);
    run(remove);
    EXPECT_EQ(preview->find(ropeId), nullptr);
    EXPECT_EQ(preview->find(shareId), nullptr); // it referred to the knot
    EXPECT_EQ(remove->text(), "Usunięcie „Lina”");

    remove->undo();
    EXPECT_EQ(test::dumpTree(*hero), before);
    CPoz* restoredShare = preview->find(shareId);
    ASSERT_NE(restoredShare, nullptr);
    EXPECT_EQ(restoredShare->target(), preview->find(knotId));
    // The reference works again: destroying the knot takes the share with it.
    EXPECT_EQ(preview->find(knotId)->referrers(), std::vector<CPoz*>{restoredShare});
    EXPECT_EQ(hero->link(kLinkObciazenie), &load()); // the fixed links point into the new tree

    remove->redo();
    EXPECT_EQ(preview->find(ropeId), nullptr);
    EXPECT_EQ(preview->find(shareId), nullptr);
    EXPECT_DOUBLE_EQ(load().total, 4.0);
}

TEST_F(Preview, ChangesInARowAreUndoneAndRedoneInTurn) {
    const std::string start = test::dumpTree(*hero);
    auto remove = preview->remove(*carriedItem("Lina"));
    run(remove);
    const std::string afterRemove = test::dumpTree(*hero);
    GenericForm form = GenericForm::forNew();
    form.info = "Premia";
    form.value = "2";
    auto add = preview->addEntry(*hero->link(kLinkWiara), form);
    run(add); // starts from the state the deletion left
    const std::string afterAdd = test::dumpTree(*hero);
    add->undo();
    EXPECT_EQ(test::dumpTree(*hero), afterRemove);
    remove->undo();
    EXPECT_EQ(test::dumpTree(*hero), start);
    remove->redo();
    add->redo();
    EXPECT_EQ(test::dumpTree(*hero), afterAdd);
    EXPECT_EQ(carriedItem("Lina"), nullptr);
    EXPECT_DOUBLE_EQ(hero->link(kLinkWiara)->total, 2.0);
}

TEST_F(Preview, CancelAfterChangesLeavesTheStoredRowsIdentical) {
    const std::string stored = storedRows();
    auto remove = preview->remove(*carriedItem("Lina"));
    run(remove);
    GenericForm form = GenericForm::forNew();
    form.info = "Premia";
    form.value = "5";
    auto add = preview->addEntry(*hero->link(kLinkWiara), form);
    run(add);
    auto recompute = preview->recompute(false);
    run(recompute);
    // The window is closed without OK: the character in memory is discarded.
    preview.reset();
    hero.reset();
    EXPECT_EQ(storedRows(), stored);
}

TEST_F(Preview, AnAddedValueCountsInTheAttributeAndUndoTakesItBack) {
    GenericForm form = GenericForm::forNew();
    form.info = "Błogosławieństwo";
    form.value = "5";
    auto add = preview->addEntry(*hero->link(kLinkWiara), form);
    run(add);
    EXPECT_DOUBLE_EQ(hero->link(kLinkWiara)->total, 5.0); // 0 + 5
    EXPECT_EQ(add->text(), "Dodanie „Błogosławieństwo”");
    add->undo();
    EXPECT_TRUE(hero->link(kLinkWiara)->empty());
    EXPECT_DOUBLE_EQ(hero->link(kLinkWiara)->total, 0.0);
}

TEST_F(Preview, MoneyAddedToAPlaceOfTheEstate) {
    CPoz& bank = *hero->link(kLinkMajatek)->FindByKind(kinds::money::kInBank);
    MoneyForm form{.info = "Złote monety", .count = "10", .gold = "3", .silver = "25"};
    auto add = preview->addMoney(bank, form);
    run(add);
    ASSERT_EQ(bank.size(), 1U);
    EXPECT_EQ(bank.front()->typ, kinds::money::kMoney);
    EXPECT_EQ(bank.front()->wartosc, 10);
    EXPECT_DOUBLE_EQ(bank.front()->modyfikator, 3.25);
    EXPECT_DOUBLE_EQ(bank.front()->total, 32.5); // 10 pieces × 3.25
}

TEST_F(Preview, TheDescriptionFollowsTheSelectedEntryAndAKindWithoutOneClearsIt) {
    EXPECT_TRUE(rules()
                    .exec("INSERT INTO zdolnosci (id, typ, nazwa, opis) VALUES "
                          "('900000000000000000000000000001', '1', 'Widzenie w mroku', "
                          "'Widzi w ciemności.');")
                    .ok());
    CPoz& abilities = *hero->link(kLinkZdolnosci);
    CPoz& ability = abilities.AddChild({.info = "Widzenie w mroku",
                                        .specjal = "900000000000000000000000000001",
                                        .typ = kinds::ability::kAbility});
    preview->select(&ability);
    EXPECT_EQ(preview->description(), "Widzi w ciemności.");
    EXPECT_EQ(preview->selected(), &ability);
    preview->select(hero->link(kLinkZywotnosc));
    EXPECT_EQ(preview->description(), "");
}

TEST_F(Preview, ASelectedEntryIsFoundAgainAfterUndo) {
    CPoz& tent = *carriedItem("Namiot");
    preview->select(&tent);
    auto remove = preview->remove(*carriedItem("Lina"));
    run(remove);
    remove->undo();
    ASSERT_NE(preview->selected(), nullptr);
    EXPECT_EQ(preview->selected()->info, "Namiot");
    EXPECT_EQ(preview->selected(), carriedItem("Namiot"));
}

TEST_F(Preview, ACalendarDateRoundTripsThroughEditSaveAndLoad) {
    GenericForm form = GenericForm::forNew();
    form.info = "Dzień przysięgi";
    form.setKind(8);
    form.date = {.year = 1312, .month = 9, .day = 3};
    form.dayPart = 7;
    CPoz& disabilities = *hero->link(kLinkUlomnosci);
    auto add = preview->addEntry(disabilities, form);
    run(add);
    // Changed once more through the dialog's form, as "Modyfikacja" does.
    GenericForm again = GenericForm::from(*disabilities.front());
    again.date.day = 4;
    auto change = preview->modify(*disabilities.front(), again);
    run(change);
    ASSERT_TRUE(preview->save().ok());
    reload(hero->id());
    const CPoz& date = *hero->link(kLinkUlomnosci)->front();
    EXPECT_EQ(date.wartosc, 13120904); // 1312 × 10000 + 9 × 100 + 4
    EXPECT_EQ(BuildLabel(date), "Dzień przysięgi: 4 Owocnika 1312 r. Ery Królestw, pora zmierzchu");
    const GenericForm read = GenericForm::from(date);
    EXPECT_EQ(read.date.toValue(), 13120904);
    EXPECT_EQ(read.dayPart, 7);
}

TEST_F(Preview, DodajOnSkillsBuysATrainingWithFreeProficiencies) {
    // A level-1 profession and 5 free proficiencies: of the sample trainings only
    // "Strzelectwo wyborowe" is open ("$SZKOLENIE|1|4|2": level 1, price 4, no linked skill
    // known); "Walka dwiema brońmi" needs level 2.
    CPoz& profession = hero->link(kLinkProfesje)
                           ->AddChild({.info = "Łucznik", .typ = kinds::profession::kProfession});
    profession.AddChild({.info = "Poziom", .typ = kinds::profession::kLevel, .wartosc = 1});
    CPoz& pool =
        hero->link(kLinkBieglosci)
            ->AddChild({.info = "Wolne biegłości", .typ = kinds::proficiency::kFree, .wartosc = 5});
    hero->RecalculateCharacter();
    const std::string archery = "100000000000000000000601000024";
    port.queuePick(std::vector<std::string>{archery});

    CPoz& skills = *hero->link(kLinkUmiejetnosci);
    auto add = preview->addThroughPages(skills);
    run(add);
    EXPECT_TRUE(add->changed());
    const CPoz* general = skills.FindByKind(kinds::skill::kGeneralGroup);
    ASSERT_NE(general, nullptr);
    ASSERT_NE(general->FindBySpecjal(archery), nullptr);
    EXPECT_EQ(general->FindBySpecjal(archery)->info, "Strzelectwo wyborowe");
    EXPECT_DOUBLE_EQ(pool.total, 1.0); // 5 − 4

    add->undo();
    EXPECT_EQ(hero->link(kLinkUmiejetnosci)->FindByKind(kinds::skill::kGeneralGroup), nullptr);
    EXPECT_DOUBLE_EQ(hero->link(kLinkBieglosci)->FindByKind(kinds::proficiency::kFree)->total, 5.0);
}

TEST_F(Preview, PagesThatChangeNothingMakeNoCommand) {
    // Without anything to show the pages, "Dodaj" on "Biegłości w broniach" changes nothing.
    auto add = preview->addThroughPages(*hero->link(kLinkBieglosci));
    run(add);
    EXPECT_FALSE(add->changed());
}

// The proficiency dialog as a person fills it: a training roll of 60 for 2 proficiencies.
// The pages of "Dodaj" on "Ekwipunek" are counted and cancelled.
struct TrainingPages : WizardPages {
    std::string shown;
    bool showOrigin(CWizard1&) override { return false; }
    bool showBirthplace(CWizard2&) override { return false; }
    bool showTradeRoll(CWizardZawod&) override { return false; }
    bool showProfessions(CWizard3&) override { return false; }
    bool showAbility(CWizard4Ulomnosc&) override { return false; }
    bool showWeapons(CWizard6&) override { return shown += "bronie ", false; }
    bool showArmour(CWizard7&) override { return shown += "zbroja ", false; }
    bool showShield(CWizard8&) override { return shown += "tarcza ", false; }
    bool showPlacement(CWizard9&) override { return false; }
    bool showProficiency(CWizard6Bgl& training) override {
        training.setRollText("60");
        training.setSpentText("2");
        return training.finish();
    }
    void showCharacter(CIstota&) override {}
};

TEST_F(Preview, ModyfikacjaOnAProficiencyTrainsItThroughItsDialog) {
    CPoz& proficiencies = *hero->link(kLinkBieglosci);
    CPoz& axes = proficiencies.AddChild(
        {.info = "Topory", .specjal = "grupa-toporow", .typ = kinds::proficiency::kProficiency});
    CPoz& pool = proficiencies.AddChild(
        {.info = "Wolne biegłości", .typ = kinds::proficiency::kFree, .wartosc = 5});
    hero->RecalculateCharacter();
    TrainingPages pages;
    preview->setPages(&pages);

    auto modify = preview->modifyThroughPages(axes);
    run(modify);
    EXPECT_TRUE(modify->changed());
    const CPoz* training = axes.FindByKind(kinds::proficiency::kBasicTraining);
    ASSERT_NE(training, nullptr);
    EXPECT_EQ(training->wartosc, 60);
    EXPECT_DOUBLE_EQ(pool.total, 3.0); // 5 free, 2 spent ("Wykorzystane" −2)

    const std::string axesId = axes.id();
    modify->undo(); // the tree is built again: entries are found by identifier
    const CPoz* undone = preview->find(axesId);
    ASSERT_NE(undone, nullptr);
    EXPECT_EQ(undone->FindByKind(kinds::proficiency::kBasicTraining), nullptr);
    // A page ended with "Anuluj" makes no command.
    auto cancelled = preview->addThroughPages(*hero->link(kLinkBieglosci));
    run(cancelled);
    EXPECT_FALSE(cancelled->changed());
}

TEST_F(Preview, TheEquipmentListAddsPickedItemsToWhatIsCarried) {
    std::string id, name;
    ASSERT_TRUE(rules()
                    .exec("SELECT id, nazwa FROM ekwipunek ORDER BY nazwa LIMIT 1",
                          [&](const Row& row) { id = row.text(0), name = row.text(1); })
                    .ok());
    ASSERT_FALSE(id.empty());
    port.queuePick(std::vector<std::string>{id});
    auto add = preview->addThroughPages(*hero->link(kLinkEkwipunek));
    run(add);
    EXPECT_TRUE(add->changed());
    CPoz* picked = carriedItem(name);
    ASSERT_NE(picked, nullptr);
    EXPECT_EQ(picked->specjal, id);
    EXPECT_EQ(load().size(), 3U); // the rope, the tent and the new item
}

TEST(CharacterSnapshot, PutsBackNamesIdentifiersTotalsAndAnOwnedTarget) {
    test::SampleWorkspace ws;
    CIstota hero(ws.characters());
    hero.SetImie("Ala");
    CPoz& wisdom = *hero.link(kLinkMadrosc);
    CPoz& holder = wisdom.AddChild({.info = "Kopia", .typ = kRefInteger, .modyfikator = 1.0});
    auto copy =
        std::make_unique<CPoz>(&ws.characters(), EntryData{.info = "Wzór", .typ = 1, .wartosc = 6});
    holder.AdoptTarget(std::move(copy));
    hero.RecalculateCharacter();
    const std::string before = test::dumpTree(hero);
    const std::string firstId = hero.front()->id();
    const CharacterSnapshot snapshot = CharacterSnapshot::capture(hero);
    EXPECT_EQ(snapshot.entryCount(), 54U); // 53 skeleton entries and the holder

    hero.SetImie("Ola");
    hero.link(kLinkMadrosc)->UsunAll();
    snapshot.restore(hero);
    EXPECT_EQ(hero.imie, "Ala");
    EXPECT_EQ(hero.front()->id(), firstId);
    EXPECT_EQ(test::dumpTree(hero), before);
    const CPoz& restored = *hero.link(kLinkMadrosc)->front();
    ASSERT_TRUE(restored.ownsTarget());
    EXPECT_EQ(restored.target()->wartosc, 6);
    // The nested "Zręczność" still refers to the top-level one.
    EXPECT_EQ(hero.link(kLinkZrecznoscAktualna)->front()->target(), hero.link(kLinkZrecznosc));
}

TEST_F(Preview, DodajOnEkwipunekShowsTheWeaponsArmourAndShieldPagesThenTheList) {
    TrainingPages pages;
    preview->setPages(&pages);
    port.queuePick(std::nullopt); // the equipment list cancelled too
    auto add = preview->addThroughPages(*hero->link(kLinkEkwipunek));
    run(add);
    EXPECT_EQ(pages.shown, "bronie zbroja tarcza ");
    EXPECT_FALSE(add->changed());
}

} // namespace
} // namespace tallar
