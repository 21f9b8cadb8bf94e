#include "cli/Commands.h"
#include "editors/EditorDef.h"
#include "editors/RowEditor.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"
#include "store/db/Workspace.h"

#include <algorithm>
#include <ostream>

namespace tallar::cli {

int runRulesDelete(Context& context, std::span<const std::string> args) {
    if (args.size() != 2) {
        context.err << "Użycie: tallar2-cli rules delete TABELA ID\n";
        return kUsage;
    }
    const std::string& tableName = args[0];
    const std::string& id = args[1];
    const auto& tables = rulesTables();
    if (std::none_of(tables.begin(), tables.end(),
                     [&](const TableDef& t) { return t.name == tableName; })) {
        context.err << "tallar2-cli rules delete: nie ma tabeli reguł „" << tableName << "”\n";
        return kUsage;
    }
    const editors::EditorDef* editor = editors::catalogue::forTable(tableName);
    if (!editor || editor->cascade.empty()) {
        context.err << "tallar2-cli rules delete: wierszy tabeli „" << tableName
                    << "” nie usuwa się z programu\n";
        return kFailure;
    }
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    Database& db = workspace->rules();
    db.setErrorStream(&context.err);
    Result<std::optional<std::string>> row =
        db.queryValue("SELECT 1 FROM " + tableName + " WHERE id=?;", {id});
    if (!row) {
        context.err << "tallar2-cli rules delete: nic nie usunięto: " << row.message() << '\n';
        return kFailure;
    }
    if (!*row) {
        context.err << "tallar2-cli rules delete: w tabeli „" << tableName << "” nie ma wiersza "
                    << id << '\n';
        return kFailure;
    }
    if (Status status = editors::deleteCascade(db, *editor, id); !status) {
        context.err << "tallar2-cli rules delete: nic nie usunięto: " << status.message() << '\n';
        return kFailure;
    }
    return kSuccess;
}

} // namespace tallar::cli
