#include "rules/data/SampleRules.h"

#include "base/NonInteractiveUserPort.h"
#include "rules/data/RulesChecker.h"
#include "store/db/References.h"
#include "store/db/Schema.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

namespace tallar {
namespace {

// A rules database with its schema, as the programs leave it at start-up.
struct RulesDatabase : test::TestDatabase {
    std::ostringstream portErrors;
    NonInteractiveUserPort port{&portErrors};
    RulesDatabase() { EXPECT_TRUE(ensureRulesSchema(*db, port).ok()); }

    // Whether a race is there; a failing check is a test failure.
    bool hasRace() {
        const Result<bool> race = rulesHaveRace(*db);
        EXPECT_TRUE(race.ok()) << race.message();
        return race.ok() && *race;
    }

    // Every row of every rules table, as one text, to see that nothing changed.
    std::string dump() {
        std::string text;
        for (const TableDef& table : rulesTables())
            (void)db->exec("SELECT * FROM " + std::string(table.name) + " ORDER BY 1,2;",
                           [&](const Row& row) {
                               for (int i = 0; i < row.columnCount(); ++i)
                                   text += row.value(i).value_or("<null>") + "|";
                               text += "\n";
                           });
        return text;
    }
};

TEST(SampleRules, LoadsIntoAnEmptyDatabaseAndPassesTheChecker) {
    RulesDatabase r;
    ASSERT_TRUE(loadSampleRules(*r.db).ok());
    EXPECT_TRUE(r.hasRace());
    EXPECT_EQ(r.errors.str(), "");
    EXPECT_EQ(r.count("SELECT count(*) FROM rasy WHERE nazwa IN ('Człowiek','Niziołek');"), 2);
    // The staging tables are gone and the alignments were not touched.
    EXPECT_EQ(r.count("SELECT count(*) FROM sqlite_temp_master;"), 0);
    EXPECT_EQ(r.count("SELECT count(*) FROM charaktery;"), 36);

    const std::vector<std::string> problems = checkRules(*r.db);
    EXPECT_TRUE(problems.empty()) << problems.front();
}

TEST(SampleRules, LeavesNoNullAndUsesThirtyDigitIdentifiers) {
    RulesDatabase r;
    ASSERT_TRUE(loadSampleRules(*r.db).ok());
    for (const TableDef& table : rulesTables())
        for (const ColumnDef& column : table.columns)
            EXPECT_EQ(r.count("SELECT count(*) FROM " + std::string(table.name) + " WHERE " +
                              std::string(column.name) + " IS NULL;"),
                      0)
                << table.name << "." << column.name;

    const std::regex thirtyDigits("[0-9]{30}");
    std::set<std::string> checked;
    auto expectIdentifiers = [&](std::string_view table, std::string_view column) {
        (void)r.db->exec("SELECT DISTINCT " + std::string(column) + " FROM " + std::string(table) +
                             " WHERE " + std::string(column) + "<>'';",
                         [&](const Row& row) {
                             EXPECT_TRUE(std::regex_match(row.text(0), thirtyDigits))
                                 << table << "." << column << " " << row.text(0);
                         });
    };
    for (const TableDef& table : rulesTables())
        if (!table.primaryKey.empty())
            expectIdentifiers(table.name, table.primaryKey);
    for (const ColumnReference& reference : rulesReferenceColumns())
        expectIdentifiers(reference.table, reference.column);
}

TEST(SampleRules, ExercisesWhatTheRulesRead) {
    RulesDatabase r;
    ASSERT_TRUE(loadSampleRules(*r.db).ok());
    // Playable races with two to four stages, and a creature that is not playable.
    EXPECT_GE(r.count("SELECT count(*) FROM (SELECT idrasa FROM stadia GROUP BY idrasa HAVING "
                      "count(*) BETWEEN 2 AND 4 AND max(gracze)='T');"),
              4);
    EXPECT_EQ(r.count("SELECT count(*) FROM rasy r WHERE NOT EXISTS (SELECT 1 FROM stadia s "
                      "WHERE s.idrasa=r.id AND s.gracze='T') AND EXISTS (SELECT 1 FROM "
                      "stadiumbronie b INNER JOIN stadia s ON s.id=b.idstadium WHERE "
                      "s.idrasa=r.id);"),
              1);
    // Stage signs "=", "+", "-" and a percentage; formula signs and both balances.
    for (const char* sign : {"=", "+", "-"})
        EXPECT_GT(r.count(std::string("SELECT count(*) FROM stadia WHERE zyw_znak='") + sign +
                          "' OR sf_znak='" + sign + "' OR zr_znak='" + sign + "';"),
                  0)
            << sign;
    EXPECT_GT(r.count("SELECT count(*) FROM stadia WHERE zyw_proc='%' OR pr_proc='%';"), 0);
    for (const char* sign : {"+", "-", "*", "/", "="})
        EXPECT_GT(r.count(std::string("SELECT count(*) FROM formuly WHERE '") + sign +
                          "' IN (zywznak,sfznak,zrznak,szznak,zwznak,chznak);"),
                  0)
            << sign;
    EXPECT_EQ(r.count("SELECT count(DISTINCT typ1) FROM formuly WHERE typ1 IN ('MAX','MIN');"), 2);
    EXPECT_GT(r.count("SELECT count(*) FROM formuly WHERE bglznak<>'' AND EXISTS (SELECT 1 FROM "
                      "formulybrone WHERE idformuly=formuly.id);"),
              0);
    // Weapons of every handedness, every weapon and shield flag set somewhere, three layers.
    EXPECT_EQ(r.count("SELECT count(DISTINCT typl) FROM bronie;"), 4);
    for (const char* flag :
         {"obrona_x_2", "traf_niweluje_atak", "atak_przygotowany", "traf_kryt_x_2", "tr110_obezwl",
          "tr110_ew_obezwl", "tr110_ew_oglusza", "tr_ew_obezwlad", "tr_12atobtrum", "wtorna",
          "drozna", "odpryskowa", "szarza", "powstrzymanie"})
        EXPECT_GT(r.count(std::string("SELECT count(*) FROM bronie WHERE ") + flag + "='T';"), 0)
            << flag;
    // A bow, weapons without piercing, natural weapons, a limit "1/N", a profession's
    // weapon-group requirement that two groups satisfy.
    EXPECT_GT(r.count("SELECT count(*) FROM bronie WHERE nazwa LIKE '%łuk%';"), 0);
    EXPECT_GT(r.count("SELECT count(*) FROM bronie WHERE skt_kluta_bliska='';"), 0);
    EXPECT_GT(r.count("SELECT count(*) FROM bronie WHERE max_ogr_zr LIKE '1/%';"), 0);
    EXPECT_GT(r.count("SELECT count(*) FROM stadiumbronie;"), 0);
    EXPECT_GT(r.count("SELECT count(*) FROM profwymagania P WHERE P.id<>'' AND (SELECT count(*) "
                      "FROM wymaganiagrupybroni G WHERE G.idwymagania=P.idwymagania)>=2;"),
              0);
    for (const char* flag :
         {"metal", "wbicieziemia", "mocowzbroia", "mocowreka", "szpikulce", "ostrekraw"})
        EXPECT_GT(r.count(std::string("SELECT count(*) FROM tarcza WHERE ") + flag + "='T';"), 0)
            << flag;
    EXPECT_EQ(r.count("SELECT count(DISTINCT warstwa) FROM elementzbroi;"), 3);
    // Borrowed, joined and trained skills; trades with a redirect and the special rolls.
    EXPECT_GT(r.count("SELECT count(*) FROM umiejetnosci WHERE zapozyczenie='T';"), 0);
    EXPECT_GT(r.count("SELECT count(*) FROM umiejetnosci WHERE polaczana='T';"), 0);
    EXPECT_GT(r.count("SELECT count(*) FROM umiejetnosci WHERE funkcja LIKE '$SZKOLENIE|%';"), 0);
    EXPECT_GT(r.count("SELECT count(*) FROM zawod WHERE innaklasa<>'';"), 0);
    EXPECT_EQ(r.count("SELECT count(DISTINCT klasa) FROM zawod WHERE od='97' AND do='100';"), 3);
}

TEST(SampleRules, IsRefusedWhenTheRulesHoldARaceAndChangesNothing) {
    RulesDatabase r;
    ASSERT_TRUE(loadSampleRules(*r.db).ok());
    const std::string before = r.dump();
    const Status second = loadSampleRules(*r.db);
    EXPECT_FALSE(second.ok());
    EXPECT_EQ(second.message(), kSampleRulesRefusal);
    EXPECT_EQ(r.dump(), before);

    RulesDatabase own;
    ASSERT_TRUE(own.db->exec("INSERT INTO rasy (id,nazwa) VALUES ('1','Moja rasa');").ok());
    EXPECT_FALSE(loadSampleRules(*own.db).ok());
    EXPECT_EQ(own.count("SELECT count(*) FROM rasy;"), 1);
}

TEST(SampleRules, AFailureKeepsNothingOfTheSet) {
    RulesDatabase r;
    // A weapon of the user's that has the identifier of a sample weapon: the copy fails.
    ASSERT_TRUE(
        r.db->exec("INSERT INTO bronie (id,nazwa) VALUES ('100000000000000000000702000001','X');")
            .ok());
    ASSERT_TRUE(r.db->exec("INSERT INTO ekwipunek (id,nazwa,waga) VALUES ('7','Lina',NULL);").ok());
    const std::string before = r.dump();
    EXPECT_FALSE(loadSampleRules(*r.db).ok());
    EXPECT_NE(r.errors.str().find("SQL error: "), std::string::npos);
    EXPECT_EQ(r.dump(), before); // the user's NULL stays NULL, no sample row is kept
    EXPECT_EQ(r.count("SELECT count(*) FROM sqlite_temp_master;"), 0);
    EXPECT_FALSE(r.hasRace());
}

TEST(SampleRules, StartUpOffersTheSetOnlyForRulesWithoutRaces) {
    RulesDatabase declined;
    declined.port.queueYesNo(false);
    EXPECT_FALSE(offerSampleRules(*declined.db, declined.port));
    EXPECT_EQ(declined.port.questions(), std::vector<std::string>{kSampleRulesQuestion});
    EXPECT_FALSE(declined.hasRace());

    RulesDatabase accepted;
    accepted.port.queueYesNo(true);
    EXPECT_TRUE(offerSampleRules(*accepted.db, accepted.port));
    EXPECT_TRUE(accepted.hasRace());
    EXPECT_TRUE(accepted.port.errors().empty());

    // Once there are races the question is not asked again.
    EXPECT_FALSE(offerSampleRules(*accepted.db, accepted.port));
    EXPECT_EQ(accepted.port.questions().size(), 1u);
}

TEST(SampleRules, AFailedLoadAtStartUpIsShown) {
    RulesDatabase r;
    ASSERT_TRUE(r.db->exec("DROP TABLE tarcza;").ok());
    r.port.queueYesNo(true);
    EXPECT_FALSE(offerSampleRules(*r.db, r.port));
    ASSERT_EQ(r.port.errors().size(), 1u);
    EXPECT_EQ(r.port.errors()[0].caption, "Błąd!");
    EXPECT_FALSE(r.hasRace());
}

TEST(SampleRules, RulesThatCannotBeReadAreReportedNotTakenForEmpty) {
    RulesDatabase r;
    ASSERT_TRUE(r.db->exec("DROP TABLE rasy;").ok());
    const std::string before = r.dump();

    const Result<bool> race = rulesHaveRace(*r.db);
    ASSERT_FALSE(race.ok());
    EXPECT_NE(race.message().find("no such table: rasy"), std::string::npos) << race.message();

    // Loading says why it cannot look for races instead of trying to copy the set.
    const Status loaded = loadSampleRules(*r.db);
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.message(), race.message());

    // At start-up the error is shown and no question asked.
    EXPECT_FALSE(offerSampleRules(*r.db, r.port));
    EXPECT_TRUE(r.port.questions().empty());
    ASSERT_EQ(r.port.errors().size(), 1u);
    EXPECT_EQ(r.port.errors()[0].text, race.message());
    EXPECT_EQ(r.dump(), before);
}

} // namespace
} // namespace tallar
