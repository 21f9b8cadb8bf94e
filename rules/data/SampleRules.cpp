#include "rules/data/SampleRules.h"

#include "base/UserPort.h"
#include "rules/data/SampleRulesData.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"

#include <string>

namespace tallar {

namespace {

// The set is first loaded into temporary tables of the same names, which hide the real ones
// while they exist. There the columns a file leaves out are made empty texts, as the rules
// editors write them, before the rows are copied into the real tables; rows the user may
// already have in other tables are never touched.
Status stageAndCopy(Database& rules) {
    for (const TableDef& table : rulesTables()) {
        const std::string name(table.name);
        if (Status s = rules.exec("CREATE TEMP TABLE " + name + " AS SELECT * FROM main." + name +
                                  " WHERE 0;");
            !s)
            return s;
    }
    for (const EmbeddedFile& file : sampleRulesFiles())
        if (Status s = rules.exec(file.text); !s)
            return Status::error("Błąd w pliku przykładowych reguł " + std::string(file.name) +
                                 ": " + s.message());
    for (const TableDef& table : rulesTables()) {
        const std::string name(table.name);
        std::string assignments;
        for (const ColumnDef& column : table.columns) {
            const std::string c(column.name);
            assignments += (assignments.empty() ? "" : ",") + c + "=IFNULL(" + c + ",'')";
        }
        if (Status s = rules.exec("UPDATE temp." + name + " SET " + assignments + ";"); !s)
            return s;
        if (Status s = rules.exec("INSERT INTO main." + name + " SELECT * FROM temp." + name + ";");
            !s)
            return s;
        if (Status s = rules.exec("DROP TABLE temp." + name + ";"); !s)
            return s;
    }
    return {};
}

} // namespace

Result<bool> rulesHaveRace(Database& rules) {
    Result<std::optional<std::string>> race = rules.queryValue("SELECT 1 FROM rasy LIMIT 1;");
    if (!race)
        return race.error();
    return race->has_value();
}

Status loadSampleRules(Database& rules) {
    const Result<bool> hasRace = rulesHaveRace(rules);
    if (!hasRace)
        return hasRace.error();
    if (*hasRace)
        return Status::error(kSampleRulesRefusal);
    Status status = inTransaction(rules, [&] { return stageAndCopy(rules); });
    // A rolled-back unit takes the temporary tables with it; this only guards the case where
    // the rollback itself failed, so that they cannot hide the real tables afterwards.
    for (const TableDef& table : rulesTables())
        (void)rules.tryExec("DROP TABLE IF EXISTS temp." + std::string(table.name) + ";");
    return status;
}

bool offerSampleRules(Database& rules, UserPort& port) {
    const Result<bool> hasRace = rulesHaveRace(rules);
    if (!hasRace) {
        port.showError(hasRace.message(), "Błąd!");
        return false;
    }
    if (*hasRace || !port.askYesNo(kSampleRulesQuestion, "Tallar2"))
        return false;
    if (Status status = loadSampleRules(rules); !status) {
        port.showError(status.message(), "Błąd!");
        return false;
    }
    return true;
}

} // namespace tallar
