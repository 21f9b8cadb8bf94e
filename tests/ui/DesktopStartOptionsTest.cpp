#include "app/StartOptions.h"

#include <QStringList>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace tallar {
namespace {

app::StartOptions parsed(const QStringList& arguments) {
    return app::parseStartOptions(arguments);
}

TEST(DesktopStartOptions, UserDataIsAPlaceToWorkInsteadOfADirectory) {
    const auto userData = parsed({QStringLiteral("--user-data")});
    EXPECT_TRUE(userData.valid);
    EXPECT_TRUE(userData.userData);
    EXPECT_EQ(userData.directory, "");

    const auto traced = parsed({QStringLiteral("--user-data"), QStringLiteral("--trace")});
    EXPECT_TRUE(traced.valid);
    EXPECT_TRUE(traced.userData && traced.trace);

    // Two places to work in, or the option twice: the usage, code 2.
    EXPECT_FALSE(parsed({QStringLiteral("--user-data"), QStringLiteral("katalog")}).valid);
    EXPECT_FALSE(parsed({QStringLiteral("katalog"), QStringLiteral("--user-data")}).valid);
    EXPECT_FALSE(parsed({QStringLiteral("--user-data"), QStringLiteral("--user-data")}).valid);
}

TEST(DesktopStartOptions, WorkingDirectoryFollowsTheOptions) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    const bool hadSaved = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/tmp/dane-uzytkownika");

    EXPECT_EQ(app::userDataDirectory(), "/tmp/dane-uzytkownika/Tallar2");
    EXPECT_EQ(app::workingDirectory(parsed({QStringLiteral("--user-data")})),
              "/tmp/dane-uzytkownika/Tallar2");
    EXPECT_EQ(app::workingDirectory(parsed({QStringLiteral("katalog")})), "katalog");
    EXPECT_EQ(app::workingDirectory(parsed({})), ""); // the current directory

    if (hadSaved)
        qputenv("XDG_DATA_HOME", saved);
    else
        qunsetenv("XDG_DATA_HOME");
}

TEST(DesktopStartOptions, HelpAndVersionAnswerASoleArgument) {
    EXPECT_EQ(app::informationText("--version"), std::string("tallar2 ") + TALLAR_VERSION + "\n");
    const auto help = app::informationText("--help");
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->starts_with(app::kDesktopUsage)) << *help;
    EXPECT_NE(help->find("--user-data"), std::string::npos);
    EXPECT_EQ(app::informationText("-h"), help);
    EXPECT_FALSE(app::informationText("--trace"));
    EXPECT_FALSE(app::informationText("katalog"));
}

} // namespace
} // namespace tallar
