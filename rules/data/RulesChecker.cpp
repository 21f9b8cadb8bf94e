#include "rules/data/RulesChecker.h"

#include "rules/core/Dice.h"
#include "store/db/Database.h"
#include "store/db/References.h"
#include "store/db/Schema.h"

#include <algorithm>
#include <map>
#include <utility>

namespace tallar {

namespace {

using Lines = std::vector<std::string>;

std::string quoted(std::string_view text) {
    return "„" + std::string(text) + "”";
}

// Runs a query of a check; a failure (a table or column missing from these rules) is a
// problem too, so that rules that cannot be checked never pass.
void query(Database& rules, const std::string& sql, const RowCallback& onRow, std::string_view what,
           Lines& lines) {
    if (Status status = rules.exec(sql, onRow); !status)
        lines.push_back(std::string(what) + ": nie można sprawdzić: " + status.message());
}

// How a row is named in a problem line: its identifier, or all of its columns for a link
// table, read from the leading columns of a result row.
std::string rowLabel(const TableDef& table, const Row& row) {
    std::string label(table.name);
    if (!table.primaryKey.empty())
        return label + " " + row.text(0);
    label += " (";
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        label += (i ? ", " : "") + std::string(table.columns[i].name) + "=" +
                 row.text(static_cast<int>(i));
    return label + ")";
}

std::string rowColumns(const TableDef& table) {
    if (!table.primaryKey.empty())
        return "s." + std::string(table.primaryKey);
    std::string list;
    for (const ColumnDef& column : table.columns)
        list += (list.empty() ? "s." : ",s.") + std::string(column.name);
    return list;
}

int leadingColumns(const TableDef& table) {
    return table.primaryKey.empty() ? static_cast<int>(table.columns.size()) : 1;
}

bool isNotNull(const TableDef& table, std::string_view column) {
    return std::find(table.notNull.begin(), table.notNull.end(), column) != table.notNull.end();
}

// --- references ---------------------------------------------------------------------------

void checkReferenceColumn(Database& rules, const ColumnReference& reference, Lines& lines) {
    const TableDef& table = *findTable(reference.table);
    const std::string column = "s." + std::string(reference.column);
    // The table the row should point to, chosen by the first rule whose condition holds.
    std::string target = "CASE";
    std::string missing = "CASE";
    for (const ReferenceRule* rule : reference.rules) {
        const std::string when = rule->when.empty() ? "1" : std::string(rule->when);
        target += " WHEN " + when + " THEN '" + std::string(rule->target) + "'";
        missing += " WHEN " + when + " THEN NOT EXISTS (SELECT 1 FROM " +
                   std::string(rule->target) + " t WHERE t.id=" + column +
                   (rule->match.empty() ? "" : " AND " + std::string(rule->match)) + ")";
    }
    target += " ELSE '' END";
    missing += " ELSE 1 END";
    const bool emptyCounts =
        isNotNull(table, reference.column) && !reference.rules[0]->emptyAllowed;
    const std::string sql = "SELECT " + rowColumns(table) + "," + column + "," + target + " FROM " +
                            std::string(table.name) + " s WHERE " +
                            (emptyCounts ? "IFNULL(" + column + ",'')=''" : "0") + " OR (" +
                            column + "<>'' AND " + missing + ") ORDER BY 1;";
    const int first = leadingColumns(table);
    const auto onRow = [&](const Row& row) {
        const std::string value = row.text(first);
        const std::string targetTable = row.text(first + 1);
        std::string line = rowLabel(table, row) + ": " + std::string(reference.column);
        if (value.empty())
            line += " jest puste";
        else if (targetTable.empty())
            line += " " + quoted(value) + " nie wskazuje wiersza: nieznany rodzaj właściciela";
        else
            line += " " + quoted(value) + " nie wskazuje wiersza tabeli " + targetTable;
        lines.push_back(std::move(line));
    };
    query(rules, sql, onRow, std::string(table.name) + "." + std::string(reference.column), lines);
}

void checkReferences(Database& rules, Lines& lines) {
    for (const ColumnReference& reference : rulesReferenceColumns())
        checkReferenceColumn(rules, reference, lines);
    // A trade may send the roll to another trade class; the class must have trades.
    query(
        rules,
        "SELECT s.id,s.innaklasa FROM zawod s WHERE IFNULL(s.innaklasa,'')<>'' AND "
        "NOT EXISTS (SELECT 1 FROM zawod t WHERE t.klasa=s.innaklasa) ORDER BY 1;",
        [&](const Row& row) {
            lines.push_back("zawod " + row.text(0) + ": innaklasa " + quoted(row.text(1)) +
                            " nie jest klasą żadnego zawodu");
        },
        "zawod.innaklasa", lines);
}

// --- roll tables --------------------------------------------------------------------------

using Ranges = std::vector<std::pair<long long, long long>>;

// The numbers from 1 to 100 that no range holds, as "a-b" pieces; empty when covered.
std::string uncovered(const Ranges& ranges) {
    bool covered[101] = {};
    for (const auto& [from, to] : ranges)
        for (long long n = std::max(from, 1LL); n <= std::min(to, 100LL); ++n)
            covered[n] = true;
    std::string text;
    for (int n = 1; n <= 100; ++n) {
        if (covered[n])
            continue;
        int end = n;
        while (end < 100 && !covered[end + 1])
            ++end;
        text += (text.empty() ? "" : ", ") + std::to_string(n) +
                (end > n ? "-" + std::to_string(end) : "");
        n = end;
    }
    return text;
}

void reportGaps(const std::string& what, const Ranges& ranges, Lines& lines) {
    if (const std::string gaps = uncovered(ranges); !gaps.empty())
        lines.push_back(what + ": rzuty " + gaps + " nie trafiają w żaden zakres");
}

// Runs a query whose rows are (group key, group label, from, to) ordered by the key and
// reports the gaps of each group.
void checkGroupedCoverage(Database& rules, std::string_view what, const std::string& sql,
                          Lines& lines) {
    std::map<std::string, std::pair<std::string, Ranges>> groups;
    std::vector<std::string> order;
    const auto onRow = [&](const Row& row) {
        auto [it, added] = groups.try_emplace(row.text(0), row.text(1), Ranges{});
        if (added)
            order.push_back(row.text(0));
        it->second.second.emplace_back(row.integer(2), row.integer(3));
    };
    query(rules, sql, onRow, what, lines);
    for (const std::string& key : order)
        reportGaps(groups[key].first, groups[key].second, lines);
}

void checkCoverage(Database& rules, Lines& lines) {
    for (const char* table : {"klasyspoleczne", "miejscurodz"}) {
        Ranges ranges;
        bool any = false;
        query(
            rules,
            "SELECT CAST(rzutod AS INT),CAST(rzutdo AS INT) FROM " + std::string(table) + ";",
            [&](const Row& row) {
                any = true;
                ranges.emplace_back(row.integer(0), row.integer(1));
            },
            table, lines);
        if (any)
            reportGaps(table, ranges, lines);
    }
    // The social class is looked up among the classes of the chosen stage's race.
    checkGroupedCoverage(
        rules, "rasyklasy",
        "SELECT r.id,'klasyspoleczne rasy '||r.id||' ('||IFNULL(r.nazwa,'')||')',"
        "CAST(k.rzutod AS INT),CAST(k.rzutdo AS INT) FROM rasy r "
        "INNER JOIN rasyklasy rk ON rk.idrasa=r.id INNER JOIN klasyspoleczne k ON k.id=rk.idklasy "
        "WHERE EXISTS (SELECT 1 FROM stadia s WHERE s.idrasa=r.id AND s.gracze='T') "
        "ORDER BY r.id;",
        lines);
    // A race with no row of a kind rolls none, so only races with some rows are checked.
    checkGroupedCoverage(
        rules, "rasyzdolnosci",
        "SELECT r.id||z.typ,'zdolnosci '||z.typ||' rasy '||r.id||' ('||IFNULL(r.nazwa,'')||')',"
        "CAST(z.od AS INT),CAST(z.do AS INT) FROM rasy r "
        "INNER JOIN rasyzdolnosci rz ON rz.idrasa=r.id INNER JOIN zdolnosci z ON "
        "z.id=rz.idzdolnosci "
        "WHERE z.typ IN ('ULOMNOSC','ZDOLNOSC') ORDER BY r.id,z.typ;",
        lines);
    checkGroupedCoverage(rules, "zawod",
                         "SELECT klasa,'zawod klasy '||quote(IFNULL(klasa,'')),CAST(od AS INT),"
                         "CAST(do AS INT) FROM zawod ORDER BY klasa;",
                         lines);
}

// --- dice expressions ---------------------------------------------------------------------

// Which columns hold dice expressions, by exact name or by the start or end of the name.
struct DiceColumns {
    std::string_view table;
    std::vector<std::string_view> names;
    std::vector<std::string_view> prefixes;
    std::vector<std::string_view> suffixes;
    std::vector<std::string_view> excluded; // names or suffixes of columns that are not
};

const std::vector<DiceColumns>& diceColumns() {
    static const std::vector<DiceColumns> list = {
        // Every column of a profession but its name, caste and flags is an expression.
        {"profesje", {}, {""}, {}, {"id", "kasta", "nazwa", "ext_zawod", "_podst"}},
        {"stadia", {"smierc_starosc"}, {}, {"_wartosc"}, {}},
        {"stadiumbronie",
         {"bon_do_bgl", "bgl_min", "obr_kl", "obr_tn", "obr_ob", "obrona", "opoznienie", "wsp_uszk",
          "ataki", "bieglosc", "ilosc"},
         {},
         {},
         {}},
        {"stadiumczesci", {"proc_cal_zyw", "wpl_obr_na_zyw", "modtrsel"}, {}, {}, {}},
        {"formuly", {}, {}, {"kxx", "wsp", "limit"}, {}},
        {"klasyspoleczne", {"majatek", "charyzma", "zawod"}, {}, {}, {}},
        {"zawod", {"czas", "czasstarz"}, {"podst", "starz", "specj", "mistrz"}, {}, {}},
        {"bronie", {"obrona_tarczy", "obrona_zbroi", "wsp_uszkodzen"}, {}, {}, {}},
    };
    return list;
}

bool holdsDice(const DiceColumns& rule, std::string_view column) {
    for (std::string_view excluded : rule.excluded)
        if (column == excluded || (excluded.starts_with('_') && column.ends_with(excluded)))
            return false;
    if (std::find(rule.names.begin(), rule.names.end(), column) != rule.names.end())
        return true;
    for (std::string_view prefix : rule.prefixes)
        if (column.starts_with(prefix))
            return true;
    for (std::string_view suffix : rule.suffixes)
        if (column.ends_with(suffix))
            return true;
    return false;
}

void checkDiceColumns(Database& rules, const DiceColumns& rule, Lines& lines) {
    const TableDef& table = *findTable(rule.table);
    std::vector<std::string_view> columns;
    for (const ColumnDef& column : table.columns)
        if (holdsDice(rule, column.name))
            columns.push_back(column.name);
    std::string sql = "SELECT s.id";
    for (std::string_view column : columns)
        sql += ",RTRIM(s." + std::string(column) + ")";
    sql += " FROM " + std::string(table.name) + " s ORDER BY 1;";
    const auto onRow = [&](const Row& row) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const std::string text = row.text(static_cast<int>(i) + 1);
            if (auto problem = diceExpressionProblem(text))
                lines.push_back(std::string(table.name) + " " + row.text(0) + ": " +
                                std::string(columns[i]) + " " + quoted(text) +
                                " nie jest poprawnym wyrażeniem kostek (" + *problem + ")");
        }
    };
    query(rules, sql, onRow, table.name, lines);
}

void checkDice(Database& rules, Lines& lines) {
    for (const DiceColumns& rule : diceColumns())
        checkDiceColumns(rules, rule, lines);
    // A formula's type is one expression spread over its type and sign columns.
    query(
        rules,
        "SELECT id,IFNULL(typ1,''),IFNULL(typ1,'')||IFNULL(znak1,'')||IFNULL(typ2,'')||"
        "IFNULL(znak2,'')||IFNULL(typ3,'')||IFNULL(znak3,'')||IFNULL(typ4,'')||"
        "IFNULL(znak4,'')||IFNULL(typ5,'') FROM formuly ORDER BY 1;",
        [&](const Row& row) {
            const std::string first = row.text(1);
            const std::string type = row.text(2);
            if (first == "MAX" || first == "MIN")
                return;
            if (auto problem = diceExpressionProblem(type))
                lines.push_back("formuly " + row.text(0) + ": typ1…typ5 " + quoted(type) +
                                " nie jest poprawnym wyrażeniem kostek (" + *problem + ")");
        },
        "formuly", lines);
}

// --- stages -------------------------------------------------------------------------------

void checkStageAges(Database& rules, Lines& lines) {
    query(
        rules,
        "SELECT a.idrasa,a.id,b.id,CAST(a.od AS INT) FROM stadia a INNER JOIN stadia b "
        "ON b.idrasa=a.idrasa AND CAST(b.od AS INT)=CAST(a.od AS INT) AND b.id>a.id "
        "ORDER BY a.idrasa,a.id,b.id;",
        [&](const Row& row) {
            lines.push_back("stadia rasy " + row.text(0) + ": " + row.text(1) + " i " +
                            row.text(2) + " zaczynają się w tym samym wieku " + row.text(3));
        },
        "stadia", lines);
}

} // namespace

std::vector<std::string> checkRules(Database& rules) {
    Lines lines;
    checkReferences(rules, lines);
    checkCoverage(rules, lines);
    checkDice(rules, lines);
    checkStageAges(rules, lines);
    return lines;
}

} // namespace tallar
