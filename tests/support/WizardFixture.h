#pragma once

#include "base/NonInteractiveUserPort.h"
#include "rules/data/SampleRules.h"
#include "store/db/Workspace.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

namespace tallar::test {

// A working directory with both databases and the sample rules loaded.
struct SampleWorkspace {
    TempDir dir;
    std::ostringstream errors;
    NonInteractiveUserPort port{&errors};
    std::unique_ptr<Workspace> workspace;

    SampleWorkspace() {
        // Loading the sample rules takes seconds; it is done once and the file copied.
        static const TempDir templateDir;
        static const bool loaded = [] {
            NonInteractiveUserPort quiet(nullptr);
            auto made = openWorkspace(templateDir.path().string(), quiet);
            return made && loadSampleRules(made->rules()).ok();
        }();
        EXPECT_TRUE(loaded);
        std::filesystem::copy_file(templateDir.path() / Workspace::kRulesFile,
                                   dir.path() / Workspace::kRulesFile);
        workspace = openWorkspace(dir.path().string(), port, &errors);
    }

    Database& rules() { return workspace->rules(); }
    Database& characters() { return workspace->characters(); }

    long long count(Database& db, const std::string& sql) {
        long long n = -1;
        EXPECT_TRUE(db.exec(sql, [&](const Row& row) { n = row.integer(0); }).ok()) << sql;
        return n;
    }
};

// Identifiers of the sample rules the tests name.
inline constexpr const char* kHumanAdult = "100000000000000000000102000103"; // od 18
inline constexpr const char* kYoungDwarf = "100000000000000000000102000201";
;
inline constexpr const char* kDwarfRace = "100000000000000000000101000002";
inline constexpr const char* kPeasants = "100000000000000000000201000001";  // 1-45
inline constexpr const char* kVagrants = "100000000000000000000201000002";  // 40-47
inline constexpr const char* kMonastery = "100000000000000000000202000002"; // 40-42

} // namespace tallar::test
