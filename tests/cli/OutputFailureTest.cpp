#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace tallar {
namespace {

using test::runCli;

// A stream buffer that accepts nothing, as a full disk or a closed pipe.
class FullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

test::CliResult runIntoFullOutput(const std::vector<std::string>& args) {
    FullBuffer full;
    std::ostream out(&full);
    std::ostringstream err;
    std::istringstream in;
    test::CliResult result;
    result.code = cli::run(args, out, err, in);
    result.err = err.str();
    return result;
}

constexpr const char* kWriteFailure =
    "tallar2-cli: nie można zapisać wyniku na standardowe wyjście\n";

TEST(CliOutput, EveryCommandWhoseOutputCannotBeWrittenFails) {
    test::TempDir dir;
    const std::string id = runCli({"-C", dir.str(), "new", "--blank"}).out.substr(0, 30);
    ASSERT_EQ(runCli({"-C", dir.str(), "export", id, dir.file("b.xml")}).code, 0);
    const std::vector<std::vector<std::string>> commands = {
        {"--help"},
        {"--version"},
        {"dice", "2K6", "--seed", "1"},
        {"-C", dir.str(), "list"},
        {"-C", dir.str(), "show", id},
        {"-C", dir.str(), "rules", "list", "ekwipunek"},
        {"-C", dir.str(), "import", dir.file("b.xml")},
    };
    for (const auto& args : commands) {
        SCOPED_TRACE(args.back());
        const auto result = runIntoFullOutput(args);
        EXPECT_EQ(result.code, 1);
        EXPECT_TRUE(result.err.ends_with(kWriteFailure)) << result.err;
    }
    // Commands that write nothing have nothing to lose.
    EXPECT_EQ(runIntoFullOutput({"-C", dir.str(), "delete", id}).code, 0);
    // A usage error keeps its own code.
    EXPECT_EQ(runIntoFullOutput({"-C", dir.str(), "show"}).code, 2);
}

TEST(CliOutput, ANewCharacterWhoseIdentifierIsLostIsNamedOnStandardError) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    test::TempDir dir;
    const auto made = test::runProcess(std::string(TALLAR_CLI_PATH) + " -C '" + dir.str() +
                                       "' new --blank >/dev/full");
    EXPECT_EQ(made.code, 1);
    // The character is stored all the same: its identifier is on standard error.
    const std::string listed = runCli({"-C", dir.str(), "list"}).out;
    ASSERT_EQ(listed.size(), 30u + 5u) << listed; // the identifier, four empty fields
    const std::string id = listed.substr(0, 30);
    EXPECT_EQ(made.err, "tallar2-cli new: bohater " + id +
                            " został zapisany, ale jego identyfikatora nie udało się wypisać\n" +
                            kWriteFailure);
}

} // namespace
} // namespace tallar
