#pragma once

#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace tallar::test {

// A working directory holding the sample rules (loaded once, then copied: loading takes
// seconds).
struct SampleDir {
    test::TempDir dir;
    SampleDir() {
        static const test::TempDir templateDir;
        static const int loaded = runCli({"-C", templateDir.str(), "init", "--sample-rules"}).code;
        EXPECT_EQ(loaded, 0);
        std::filesystem::copy_file(templateDir.path() / "tallar.db", dir.path() / "tallar.db");
    }
    test::CliResult cli(std::vector<std::string> args, const std::string& input = "") {
        args.insert(args.begin(), {"-C", dir.str()});
        return runCli(args, input);
    }
    std::vector<std::string> listed() {
        std::vector<std::string> lines;
        std::istringstream in(cli({"list"}).out);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    // The tree of a stored character as `show` prints it (no identifiers in it).
    std::string tree(const std::string& output) { return cli({"show", output.substr(0, 30)}).out; }
};

} // namespace tallar::test
