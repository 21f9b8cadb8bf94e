#include "rules/data/RulesChecker.h"

#include "base/NonInteractiveUserPort.h"
#include "store/db/References.h"
#include "store/db/Schema.h"
#include "support/TestDatabase.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace tallar {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

// A rules database with its schema and a small fixture that passes the checker: one playable
// race with two stages, one class and one place for every roll, one ability and one
// disability covering every roll, one trade class, and formulas owned by both kinds.
struct Fixture : test::TestDatabase {
    std::ostringstream portErrors;
    NonInteractiveUserPort port{&portErrors};

    Fixture() {
        EXPECT_TRUE(ensureRulesSchema(*db, port).ok());
        run("INSERT INTO rasy (id,nazwa) VALUES ('R1','Rasa');"
            "INSERT INTO stadia (id,idrasa,nazwa,od,gracze,zyw_wartosc) VALUES "
            "('S1','R1','Młody','10','T','2K10+5'),('S2','R1','Stary','60','T','-K5');"
            "INSERT INTO klasyspoleczne (id,nazwa,rzutod,rzutdo,klasa,majatek) VALUES "
            "('K1','Wszyscy','1','100','A','K10'),('K2','Wąska','40','42','A','0');"
            "INSERT INTO rasyklasy VALUES ('R1','K1');"
            "INSERT INTO miejscurodz VALUES ('M1','Wieś','1','60'),('M2','Miasto','61','100');"
            "INSERT INTO zdolnosci (id,typ,nazwa,od,do) VALUES "
            "('U1','ULOMNOSC','Kulawy','1','100'),"
            "('Z1','ZDOLNOSC','Bystry','1','50'),('Z2','ZDOLNOSC','Silny','51','100');"
            "INSERT INTO rasyzdolnosci VALUES ('R1','U1'),('R1','Z1'),('R1','Z2');"
            "INSERT INTO zawod (id,nazwa,od,do,klasa,innaklasa,czas) VALUES "
            "('T1','Rolnik','1','96','A','','K3+1'),('T2','Los','97','100','A','A','');"
            "INSERT INTO formuly (id,id_nad,typ_nad,typ1,sfznak,sfkxx) VALUES "
            "('F1','U1','ULOMNOSC','1','-','5'),('F2','T1','ZAWOD1','MAX','=',''),"
            "('F3','Z1','ZDOLNOSC','K2','*','3/4');"
            "INSERT INTO profwymagania VALUES ('','W1','1');"
            "INSERT INTO wymagania (id,nazwa) VALUES ('W1','Broń');");
    }
    void run(const std::string& sql) { ASSERT_TRUE(db->exec(sql).ok()) << errors.str(); }
    std::vector<std::string> check() { return checkRules(*db); }
};

TEST(RulesChecker, SoundRulesGiveNoLine) {
    Fixture f;
    EXPECT_THAT(f.check(), IsEmpty());
}

TEST(RulesChecker, FindsReferencesThatNameNoRow) {
    Fixture f;
    f.run("INSERT INTO rasyklasy VALUES ('R1','K9');"
          "INSERT INTO stadia (id,idrasa,od) VALUES ('S3','','90');"
          "INSERT INTO bronie (id,nazwa,idgrupy) VALUES ('B1','Miecz','G1');"
          "INSERT INTO profrasa VALUES ('P9','R1','');");
    EXPECT_THAT(f.check(),
                ElementsAre("profrasa (id=P9, idrasa=R1, pozlimit=): id „P9” nie wskazuje wiersza "
                            "tabeli profesje",
                            "stadia S3: idrasa jest puste",
                            "rasyklasy (idrasa=R1, idklasy=K9): idklasy „K9” nie wskazuje wiersza "
                            "tabeli klasyspoleczne",
                            "bronie B1: idgrupy „G1” nie wskazuje wiersza tabeli grupybroni"));
}

TEST(RulesChecker, FormulaOwnersFollowTheirKind) {
    Fixture f;
    f.run("INSERT INTO formuly (id,id_nad,typ_nad) VALUES ('F4','U1','ZAWOD2'),"
          "('F5','Z1','ULOMNOSC'),('F6','T1','INNE'),('F7','T1','ZAWODS');"
          "UPDATE zawod SET innaklasa='B' WHERE id='T2';");
    EXPECT_THAT(f.check(),
                ElementsAre("formuly F4: id_nad „U1” nie wskazuje wiersza tabeli zawod",
                            "formuly F5: id_nad „Z1” nie wskazuje wiersza tabeli zdolnosci",
                            "formuly F6: id_nad „T1” nie wskazuje wiersza: nieznany rodzaj "
                            "właściciela",
                            "zawod T2: innaklasa „B” nie jest klasą żadnego zawodu"));
}

TEST(RulesChecker, FindsRollTablesThatLeaveNumbersUncovered) {
    Fixture f;
    f.run("UPDATE klasyspoleczne SET rzutod='3' WHERE id='K1';"
          "UPDATE miejscurodz SET rzutdo='98' WHERE id='M2';"
          "UPDATE zdolnosci SET od='2', do='99' WHERE id='U1';"
          "DELETE FROM rasyzdolnosci WHERE idzdolnosci='Z2';"
          "INSERT INTO zawod (id,nazwa,od,do,klasa) VALUES ('T3','Kowal','1','50','B');");
    EXPECT_THAT(f.check(),
                ElementsAre("klasyspoleczne: rzuty 1-2 nie trafiają w żaden zakres",
                            "miejscurodz: rzuty 99-100 nie trafiają w żaden zakres",
                            "klasyspoleczne rasy R1 (Rasa): rzuty 1-2 nie trafiają w żaden zakres",
                            "zdolnosci ULOMNOSC rasy R1 (Rasa): rzuty 1, 100 nie trafiają w "
                            "żaden zakres",
                            "zdolnosci ZDOLNOSC rasy R1 (Rasa): rzuty 51-100 nie trafiają w "
                            "żaden zakres",
                            "zawod klasy 'B': rzuty 51-100 nie trafiają w żaden zakres"));
}

TEST(RulesChecker, ARaceWithoutRowsOfAKindOrWithoutPlayableStagesRollsNothing) {
    Fixture f;
    f.run("INSERT INTO rasy (id,nazwa) VALUES ('R2','Zwierzę');"
          "INSERT INTO stadia (id,idrasa,od,gracze) VALUES ('S9','R2','0','N');"
          "INSERT INTO rasyklasy VALUES ('R2','K2');");
    EXPECT_THAT(f.check(), IsEmpty());
}

TEST(RulesChecker, FindsMalformedDiceExpressions) {
    Fixture f;
    // Decimal numbers ("0.8", "1.5") are well formed; a comma is no decimal point, and dice
    // beyond 1000 dice or 10000 sides are reported with the limit.
    f.run("UPDATE stadia SET sf_wartosc='2K', zr_wartosc='MAX(2K10)', sz_wartosc='K100_', "
          "zyw_wartosc='K20000' WHERE id='S1';"
          "UPDATE klasyspoleczne SET majatek='2K10+' WHERE id='K2';"
          "INSERT INTO profesje (id,nazwa,kasta,zyw,ch,zw_podst,bgl_na_poz) VALUES "
          "('P1','Mag','X Y','Ch','ŻYW/10+K6*2*1.5','T','-K3');"
          "INSERT INTO formuly (id,id_nad,typ_nad,typ1,znak1,typ2,zrkxx,zrwsp,zrlimit,"
          "szwsp) VALUES ('F8','U1','ULOMNOSC','1','+','','K10 PR','0.8','2000K6','0,8');");
    EXPECT_THAT(f.check(),
                ElementsAre(StartsWith("profesje P1: zyw „Ch” nie jest poprawnym wyrażeniem "
                                       "kostek ("),
                            "stadia S1: zyw_wartosc „K20000” nie jest poprawnym wyrażeniem "
                            "kostek (za dużo ścian kości w „K20000” (najwyżej 10000))",
                            StartsWith("stadia S1: sf_wartosc „2K” nie jest poprawnym wyrażeniem "
                                       "kostek ("),
                            StartsWith("formuly F8: zrkxx „K10 PR” nie jest poprawnym wyrażeniem "
                                       "kostek ("),
                            "formuly F8: zrlimit „2000K6” nie jest poprawnym wyrażeniem kostek "
                            "(za dużo kości w „2000K6” (najwyżej 1000))",
                            "formuly F8: szwsp „0,8” nie jest poprawnym wyrażeniem kostek "
                            "(nieznany składnik „0,8”)",
                            StartsWith("klasyspoleczne K2: majatek „2K10+” nie jest poprawnym "
                                       "wyrażeniem kostek ("),
                            StartsWith("formuly F8: typ1…typ5 „1+” nie jest poprawnym wyrażeniem "
                                       "kostek (")));
}

TEST(RulesChecker, FindsStagesOfARaceStartingAtTheSameAge) {
    Fixture f;
    f.run("INSERT INTO stadia (id,idrasa,od) VALUES ('S4','R1','060'),('S5','R1','10');"
          "INSERT INTO rasy (id,nazwa) VALUES ('R3','Inna');"
          "INSERT INTO stadia (id,idrasa,od) VALUES ('S6','R3','10');");
    EXPECT_THAT(f.check(),
                ElementsAre("stadia rasy R1: S1 i S5 zaczynają się w tym samym wieku 10",
                            "stadia rasy R1: S2 i S4 zaczynają się w tym samym wieku 60"));
}

TEST(RulesChecker, RulesThatCannotBeCheckedDoNotPass) {
    Fixture f;
    f.run("DROP TABLE miejscurodz; ALTER TABLE stadia RENAME COLUMN od TO wiek;");
    const std::vector<std::string> lines = f.check();
    EXPECT_THAT(lines, ::testing::Contains(StartsWith("miejscurodz: nie można sprawdzić: ")));
    EXPECT_THAT(lines, ::testing::Contains(StartsWith("stadia: nie można sprawdzić: ")));
    EXPECT_NE(f.errors.str().find("SQL error: "), std::string::npos);
}

TEST(References, EveryIdentifierColumnOfTheSchemaIsClassified) {
    std::set<std::string> classified;
    for (const ColumnReference& reference : rulesReferenceColumns())
        classified.insert(std::string(reference.table) + "." + std::string(reference.column));
    for (const ReferenceRule& rule : referenceRules())
        if (rule.target.empty())
            classified.insert(std::string(rule.table) + "." + std::string(rule.column));
    for (const TableDef& table : rulesTables()) {
        for (const ColumnDef& column : table.columns) {
            if (column.name.starts_with("id") && column.name != table.primaryKey) {
                EXPECT_TRUE(
                    classified.count(std::string(table.name) + "." + std::string(column.name)))
                    << table.name << "." << column.name;
            }
        }
    }
    // Every target is a table with an `id` column.
    for (const ReferenceRule& rule : referenceRules()) {
        if (!rule.target.empty()) {
            EXPECT_GE(findTable(rule.target)->columnIndex("id"), 0) << rule.target;
        }
    }
}

} // namespace
} // namespace tallar
