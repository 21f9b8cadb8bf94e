#include "editors/DeletePreview.h"
#include "editors/EditorDef.h"
#include "editors/RowEditor.h"
#include "support/RulesFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallar::editors {
namespace {

using test::RulesFixture;

long long allRows(RulesFixture& f) {
    long long total = 0;
    for (const TableDef& table : rulesTables())
        total += f.rows(std::string(table.name));
    return total;
}

// A weapon group's cascade takes its formula, requirement and race links; the weapons of
// the group stay and are named.
TEST(DeletePreview, CountsWhatTheCascadeTakesAndNamesWhatStillPoints) {
    RulesFixture f;
    f.insert("grupybroni", {"id", "nazwa"}, {"g1", "Miecze"});
    f.insert("bronie", {"id", "nazwa", "idgrupy"}, {"b1", "Szabla", "g1"});
    f.insert("bronie", {"id", "nazwa", "idgrupy"}, {"b2", "Miecz długi", "g1"});
    f.insert("bronie", {"id", "nazwa", "idgrupy"}, {"b3", "Topór", "g2"});
    f.insert("formulybrone", {"idformuly", "idgrupybroni"}, {"f1", "g1"});
    f.insert("wymaganiagrupybroni", {"idwymagania", "idgrupy"}, {"w1", "g1"});
    f.insert("rasybronie", {"idrasa", "idgrupybroni"}, {"r1", "g1"});
    f.insert("rasybronie", {"idrasa", "idgrupybroni"}, {"r2", "g1"});
    const long long before = allRows(f);

    RowEditor group(*f.db, catalogue::weaponGroup(), "g1", EditorMode::Delete);
    DeletePreview preview;
    ASSERT_TRUE(group.previewRemoval(preview).ok());
    EXPECT_EQ(allRows(f), before); // the trial changed nothing
    // formulybrone 1 + wymaganiagrupybroni 1 + rasybronie 2 = 4 besides the group.
    EXPECT_EQ(preview.removedWith, 4);
    EXPECT_EQ(deleteQuestion("Miecze", preview),
              "Czy usunąć „Miecze”?\n\nRazem z nim zostaną usunięte 4 zależne wiersze.\n\n"
              "Wciąż wskazują na niego (po usunięciu będą wskazywać wiersz, którego nie ma):\n"
              "• Broń (idgrupy): „Miecz długi”, „Szabla”");
}

// Each look-up of the preview that fails (does the row exist, the change counts before and
// after, does each referrer stay) is reported, never read as a missing row; nothing changes.
TEST(DeletePreview, AFailingLookUpIsReportedAndChangesNothing) {
    RulesFixture f;
    f.insert("grupybroni", {"id", "nazwa"}, {"g1", "Miecze"});
    f.insert("bronie", {"id", "nazwa", "idgrupy"}, {"b1", "Szabla", "g1"});
    f.insert("bronie", {"id", "nazwa", "idgrupy"}, {"b2", "Miecz długi", "g1"});
    f.insert("rasybronie", {"idrasa", "idgrupybroni"}, {"r1", "g1"});
    const long long before = allRows(f);
    struct Failing {
        std::string prefix; // of the statement made to fail
        int nth;            // which of those statements, counted from 1
    };
    const std::vector<Failing> failings = {{"SELECT 1 FROM grupybroni", 1},
                                           {"SELECT total_changes", 1},
                                           {"SELECT total_changes", 2},
                                           {"SELECT 1 FROM bronie", 1},
                                           {"SELECT 1 FROM bronie", 2}};
    for (const Failing& failing : failings) {
        const std::string& prefix = failing.prefix;
        const int nth = failing.nth;
        f.db->setStatementHook([failing, seen = 0](std::string_view sql) mutable {
            return sql.starts_with(failing.prefix) && ++seen == failing.nth
                       ? Status::error("wstrzyknięty błąd")
                       : Status();
        });
        RowEditor group(*f.db, catalogue::weaponGroup(), "g1", EditorMode::Delete);
        DeletePreview preview;
        const Status status = group.previewRemoval(preview);
        f.db->setStatementHook({});
        EXPECT_EQ(status.message(), "wstrzyknięty błąd") << prefix << " #" << nth;
        EXPECT_EQ(allRows(f), before) << prefix << " #" << nth;
        EXPECT_FALSE(f.db->inTransaction());
    }
}

// A race takes its stages through the stage cascade: a stage with two natural weapons, a
// body part, a skill and an armour element is 2 + 1 + 1 + 1 rows and itself, 6; the
// race's profession and class links 2 more: 8. Nothing else names the race afterwards.
TEST(DeletePreview, ARaceCountsItsStagesAndWhatTheyHold) {
    RulesFixture f;
    f.insert("rasy", {"id", "nazwa"}, {"r1", "Elf"});
    f.insert("stadia", {"id", "idrasa", "nazwa"}, {"s1", "r1", "Młody"});
    f.insert("stadiumbronie", {"id", "idstadium", "nazwa"}, {"n1", "s1", "Pięść"});
    f.insert("stadiumbronie", {"id", "idstadium", "nazwa"}, {"n2", "s1", "Kopnięcie"});
    f.insert("stadiumczesci", {"id", "idstadium", "id_nad"}, {"c1", "s1", "cz1"});
    f.insert("stadiumumiej", {"idstadium", "idumiej"}, {"s1", "u1"});
    f.insert("elemzrbrasy", {"idelemzbr", "idstadium"}, {"e1", "s1"});
    f.insert("profrasa", {"id", "idrasa"}, {"p1", "r1"});
    f.insert("rasyklasy", {"idrasa", "idklasy"}, {"r1", "k1"});
    f.insert("rasyklasy", {"idrasa", "idklasy"}, {"r2", "k1"});

    RowEditor race(*f.db, catalogue::race(), "r1", EditorMode::Delete);
    DeletePreview preview;
    ASSERT_TRUE(race.previewRemoval(preview).ok());
    EXPECT_EQ(preview.removedWith, 8);
    EXPECT_TRUE(preview.stillPointing.empty());
    EXPECT_EQ(deleteQuestion("Elf", preview),
              "Czy usunąć „Elf”?\n\nRazem z nim zostanie usuniętych 8 zależnych wierszy.");
    EXPECT_EQ(f.rows("stadiumbronie"), 2);
}

// A formula names an ability only when its owner kind is the ability's kind; rows without
// a name are counted.
TEST(DeletePreview, ConditionalReferencesAndUnnamedRows) {
    RulesFixture f;
    f.insert("zdolnosci", {"id", "typ", "nazwa"}, {"z1", "ULOMNOSC", "Kulawość"});
    f.insert("formuly", {"id", "id_nad", "typ_nad"}, {"f1", "z1", "ULOMNOSC"});
    f.insert("formuly", {"id", "id_nad", "typ_nad"}, {"f2", "z1", "ULOMNOSC"});
    f.insert("formuly", {"id", "id_nad", "typ_nad"}, {"f3", "z1", "ZDOLNOSC"});
    DeletePreview preview;
    ASSERT_TRUE(previewDeletion(
                    *f.db, "zdolnosci", "z1",
                    [&] { return f.db->exec("DELETE FROM zdolnosci WHERE id='z1';"); }, preview)
                    .ok());
    EXPECT_EQ(preview.removedWith, 0);
    EXPECT_EQ(deleteQuestion("Kulawość", preview),
              "Czy usunąć „Kulawość”?\n\n"
              "Wciąż wskazują na niego (po usunięciu będą wskazywać wiersz, którego nie ma):\n"
              "• Formuła (id_nad): 2 wiersze");
    EXPECT_EQ(f.rows("zdolnosci"), 1);
}

// 1 zależny wiersz, 2-4 zależne wiersze, 5-21 zależnych wierszy, 22 zależne wiersze again
// (but 12-14 zależnych).
TEST(DeletePreview, TheQuestionCountsInPolish) {
    const auto sentence = [](long long n) {
        DeletePreview preview;
        preview.removedWith = n;
        const std::string question = deleteQuestion("X", preview);
        return question.substr(question.find("Razem"));
    };
    EXPECT_EQ(sentence(1), "Razem z nim zostanie usunięty 1 zależny wiersz.");
    EXPECT_EQ(sentence(3), "Razem z nim zostaną usunięte 3 zależne wiersze.");
    EXPECT_EQ(sentence(12), "Razem z nim zostanie usuniętych 12 zależnych wierszy.");
    EXPECT_EQ(sentence(22), "Razem z nim zostaną usunięte 22 zależne wiersze.");
    EXPECT_EQ(deleteQuestion("X", {}), "Czy usunąć „X”?");
}

} // namespace
} // namespace tallar::editors
