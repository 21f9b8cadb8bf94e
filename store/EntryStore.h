#pragma once

#include "base/Status.h"
#include "model/Entry.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class Database;

// Writes the entry and its subtree, on the entry's connection, as rows of `pozycje`
// (replacing rows with the same identifiers): the entry at `place` under `parentId`, the
// children of each entry at places 1, 2, 3 … in list order. Stops at the first failing
// row and returns its error; the caller's transaction decides what stays.
Status SaveTree(const CPoz& entry, std::string_view parentId, std::string_view characterId,
                int place);
// Deletes the entry's row and every row below it (by stored parent links).
Status DeleteTree(const CPoz& entry);

// A loaded tree: its entry and damage found in the stored rows and bypassed.
struct LoadedTree {
    std::unique_ptr<CPoz> entry;
    std::vector<std::string> warnings;
};

// Deletes the stored row with this identifier and every row below it.
Status DeleteStoredTree(Database& db, std::string_view id);

// Makes the root entry of a loaded tree from its stored data (a character makes itself).
using RootMaker = std::function<std::unique_ptr<CPoz>(Database* connection, const EntryData& data)>;

// Reads the entry with this identifier and everything below it (among the rows that carry
// the same character identifier), children in the order of their places, and restores
// references among the loaded entries. A reference whose
// target is not in the loaded tree stays a plain entry with its "&" text. Stored parent
// links that lead back into the tree are reported and not followed. An identifier without
// a row fails with an error that isMissingEntry recognises.
Result<LoadedTree> LoadTree(Database& db, std::string_view id, const RootMaker& makeRoot = {});

// Whether an error of LoadTree means that no stored row has the identifier (rather than a
// failing query).
bool isMissingEntry(const Error& error);

} // namespace tallar
