#include "store/db/Workspace.h"

#include "store/db/Schema.h"

#include <filesystem>

namespace tallar {

std::string Workspace::openFailureLine(const std::string& databaseMessage) {
    return "Brak połączenia z bazą danych: " + databaseMessage + "\n";
}

Status Workspace::createDirectory(const std::string& directory) {
    std::error_code error;
    std::filesystem::create_directories(directory.empty() ? "." : directory, error);
    if (error)
        return Status::error("Nie można utworzyć katalogu " + directory + ": " + error.message());
    return {};
}

std::unique_ptr<Workspace> Workspace::open(const std::string& directory, UserPort& port,
                                           std::string& failure, std::ostream* sqlErrors) {
    const std::filesystem::path dir(directory.empty() ? "." : directory);
    std::unique_ptr<Workspace> workspace(new Workspace);
    std::string error;
    workspace->characters_ = Database::open((dir / kCharacterFile).string(), error);
    if (workspace->characters_)
        workspace->rules_ = Database::open((dir / kRulesFile).string(), error);
    if (!workspace->rules_) {
        failure = openFailureLine(error);
        return nullptr;
    }
    if (sqlErrors) {
        workspace->characters_->setErrorStream(sqlErrors);
        workspace->rules_->setErrorStream(sqlErrors);
    }
    Status schema = ensureCharacterSchema(*workspace->characters_);
    if (schema)
        schema = ensureRulesSchema(*workspace->rules_, port);
    if (!schema) {
        failure = schema.message() + "\n";
        return nullptr;
    }
    return workspace;
}

Workspace::~Workspace() {
    rules_.reset();
    characters_.reset();
}

} // namespace tallar
