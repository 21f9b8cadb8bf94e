#include "store/db/Workspace.h"

#include "store/db/Schema.h"

#include <filesystem>

namespace tallar {

std::string Workspace::openFailureMessage(const std::string& databaseMessage) {
    return "Brak połączenia z bazą danych: " + databaseMessage;
}

Status Workspace::createDirectory(const std::string& directory) {
    std::error_code error;
    std::filesystem::create_directories(directory.empty() ? "." : directory, error);
    if (error)
        return Status::error("Nie można utworzyć katalogu " + directory + ": " + error.message());
    return {};
}

Result<std::unique_ptr<Workspace>> Workspace::open(const std::string& directory, UserPort& port,
                                                   std::ostream* sqlErrors) {
    const std::filesystem::path dir(directory.empty() ? "." : directory);
    std::unique_ptr<Workspace> workspace(new Workspace);
    for (auto [file, connection] : {std::pair{kCharacterFile, &workspace->characters_},
                                    std::pair{kRulesFile, &workspace->rules_}}) {
        Result<std::unique_ptr<Database>> opened = Database::open((dir / file).string());
        if (!opened)
            return Error{openFailureMessage(opened.message()), opened.error().place};
        *connection = std::move(*opened);
    }
    if (sqlErrors) {
        workspace->characters_->setErrorStream(sqlErrors);
        workspace->rules_->setErrorStream(sqlErrors);
    }
    Status schema = ensureCharacterSchema(*workspace->characters_);
    if (schema)
        schema = ensureRulesSchema(*workspace->rules_, port);
    if (!schema)
        return schema.error();
    return workspace;
}

Workspace::~Workspace() {
    rules_.reset();
    characters_.reset();
}

} // namespace tallar
