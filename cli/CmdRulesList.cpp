#include "base/NonInteractiveUserPort.h"
#include "cli/Commands.h"
#include "cli/TabSeparated.h"
#include "editors/ListDef.h"
#include "editors/RowList.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"
#include "store/db/Workspace.h"

#include <algorithm>
#include <ostream>
#include <vector>

namespace tallar::cli {

namespace {

const TableDef* rulesTable(const std::string& name) {
    const auto& tables = rulesTables();
    const auto it = std::find_if(tables.begin(), tables.end(),
                                 [&](const TableDef& t) { return t.name == name; });
    return it == tables.end() ? nullptr : &*it;
}

void writeLine(std::ostream& out, const std::vector<std::string>& values) {
    for (std::size_t i = 0; i < values.size(); ++i)
        out << (i ? "\t" : "") << tabField(values[i]);
    out << '\n';
}

// What the list window of the rules shows: its headings (without the blanks that widen
// them) and its rows top to bottom, the identifier last.
int writeListWindow(Context& context, const editors::ListDef& def) {
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    workspace->rules().setErrorStream(&context.err);
    NonInteractiveUserPort port(&context.err);
    editors::RowList list(workspace->rules(), def);
    if (Status status = list.refresh(port); !status)
        return kFailure;
    std::vector<std::string> headings;
    for (const auto& column : list.contents().columns()) {
        std::string heading = column.heading;
        while (!heading.empty() && heading.back() == ' ')
            heading.pop_back();
        headings.push_back(std::move(heading));
    }
    if (!headings.empty())
        writeLine(context.out, headings);
    for (const auto& item : list.contents().items())
        writeLine(context.out, item);
    context.out << std::flush;
    return kSuccess;
}

} // namespace

int runRulesList(Context& context, std::span<const std::string> args) {
    if (args.size() == 2 && args[0] == "--view") {
        const editors::ListDef* def = editors::lists::named(args[1]);
        if (!def) {
            context.err << "tallar2-cli rules list: nie ma listy „" << args[1] << "”; listy:";
            for (const editors::ListDef* list : editors::lists::rules())
                context.err << ' ' << list->name;
            context.err << '\n';
            return kUsage;
        }
        return writeListWindow(context, *def);
    }
    if (args.size() != 1) {
        context.err << "Użycie: tallar2-cli rules list TABELA | --view LISTA\n";
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
    std::vector<std::string> names;
    for (const ColumnDef& column : table->columns) {
        names.emplace_back(column.name);
        columns += (columns.empty() ? "" : ",") + std::string(column.name);
    }
    writeLine(context.out, names);
    const Status status =
        db.exec("SELECT " + columns + " FROM " + std::string(table->name) + " ORDER BY rowid;",
                [&](const Row& row) {
                    std::vector<std::string> values;
                    values.reserve(static_cast<std::size_t>(row.columnCount()));
                    for (int c = 0; c < row.columnCount(); ++c)
                        values.push_back(row.text(c));
                    writeLine(context.out, values);
                });
    context.out << std::flush;
    return status ? kSuccess : kFailure;
}

} // namespace tallar::cli
