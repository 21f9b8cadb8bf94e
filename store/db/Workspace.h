#pragma once

#include "base/Status.h"
#include "store/db/Database.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace tallar {

class UserPort;

// The two databases of a working directory: the characters in `rtistoty.db` and the rules
// in `tallar.db`. Opening creates missing files, tables and indexes and seeds the
// alignments; it is what both the desktop program and the command line do first.
class Workspace {
public:
    static constexpr const char* kCharacterFile = "rtistoty.db";
    static constexpr const char* kRulesFile = "tallar.db";
    // The message (written to standard error as a line) when a database cannot be opened.
    static std::string openFailureMessage(const std::string& databaseMessage);

    // Creates a working directory and its missing parents; nothing to do when it exists.
    // Both programs create the directory they are told to work in.
    static Status createDirectory(const std::string& directory);

    // Opens the character database, then the rules database, then ensures both schemas.
    // Fails, with the message to write to standard error as a line, when either cannot be
    // opened (openFailureMessage; no table is created then) or its schema cannot be created
    // or does not match (nothing more is done then). "SQL error" lines of both connections
    // go to `sqlErrors` (standard error when null).
    static Result<std::unique_ptr<Workspace>> open(const std::string& directory, UserPort& port,
                                                   std::ostream* sqlErrors = nullptr);

    Database& characters() { return *characters_; }
    Database& rules() { return *rules_; }

    // Closes the rules connection, then the character connection.
    ~Workspace();

private:
    Workspace() = default;
    std::unique_ptr<Database> characters_;
    std::unique_ptr<Database> rules_;
};

} // namespace tallar
