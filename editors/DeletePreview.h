#pragma once

#include "base/Status.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {
class Database;
}

namespace tallar::editors {

// Rows of one table that name the deleted row in one column and stay after the deletion.
struct Referrers {
    std::string what;               // the table as a person knows it ("Broń"), else its name
    std::string column;             // the column that names the row
    std::vector<std::string> names; // their names; empty texts for rows without one
};

// What deleting a row would do: the rows that go with it, and the rows of other tables that
// would then name a row that is gone.
struct DeletePreview {
    long long removedWith = 0; // rows deleted besides the row itself
    std::vector<Referrers> stillPointing;
};

// Finds out what `deletion` of the row `id` of `table` does by running it in a unit that is
// then rolled back, so the count is the deletion's own and nothing changes. Which columns
// name rows of `table` comes from store/References.
Status previewDeletion(Database& db, std::string_view table, const std::string& id,
                       const std::function<Status()>& deletion, DeletePreview& preview);

// The question "Usuń" asks: „Czy usunąć „name”?”, how many rows go with it, and the rows
// that would still name it.
std::string deleteQuestion(std::string_view name, const DeletePreview& preview);

} // namespace tallar::editors
