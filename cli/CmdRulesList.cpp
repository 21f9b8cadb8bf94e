#include "cli/Commands.h"
#include "cli/TabSeparated.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/Workspace.h"

#include <algorithm>
#include <ostream>

namespace tallar::cli {

namespace {

const TableDef* rulesTable(const std::string& name) {
    const auto& tables = rulesTables();
    const auto it = std::find_if(tables.begin(), tables.end(),
                                 [&](const TableDef& t) { return t.name == name; });
    return it == tables.end() ? nullptr : &*it;
}

} // namespace

int runRulesList(Context& context, std::span<const std::string> args) {
    if (args.size() != 1) {
        context.err << "Użycie: tallar2-cli rules list TABELA\n";
        return kUsage;
    }
    const TableDef* table = rulesTable(args[0]);
    if (!table) {
        context.err << "tallar2-cli rules list: nie ma tabeli reguł „" << args[0] << "”\n";
        return kUsage;
    }
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    Database& db = workspace->rules();
    db.setErrorStream(&context.err);

    std::string columns;
    for (const ColumnDef& column : table->columns) {
        context.out << (columns.empty() ? "" : "\t") << column.name;
        columns += (columns.empty() ? "" : ",") + std::string(column.name);
    }
    context.out << '\n';
    const Status status =
        db.exec("SELECT " + columns + " FROM " + std::string(table->name) + " ORDER BY rowid;",
                [&](const Row& row) {
                    for (int c = 0; c < row.columnCount(); ++c)
                        context.out << (c ? "\t" : "") << tabField(row.text(c));
                    context.out << '\n';
                });
    context.out << std::flush;
    return status ? kSuccess : kFailure;
}

} // namespace tallar::cli
