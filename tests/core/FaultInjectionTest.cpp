#include "support/FaultInjection.h"
#include "editors/EditorDef.h"
#include "editors/RowEditor.h"
#include "output/CharacterFile.h"
#include "store/CharacterStore.h"
#include "support/WizardFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tallar {
namespace {

using test::StatementFault;

constexpr const char* kProfession = "100000000000000000000401000001"; // with links of each kind
constexpr const char* kDwarf = "100000000000000000000101000002";      // a race with stages

// Runs `operation` once for every statement it runs on `written`, making that statement
// fail; the operation gives the error it reported, or nothing when it succeeded. Each
// failing run must leave both databases as they were and report the failure. Returns the
// number of statements the operation runs.
int failEachStatement(test::SampleWorkspace& w, Database& written,
                      const std::function<std::optional<std::string>()>& operation) {
    Database& other = &written == &w.rules() ? w.characters() : w.rules();
    const std::string writtenBefore = test::databaseDump(written);
    const std::string otherBefore = test::databaseDump(other);
    for (int n = 1;; ++n) {
        StatementFault fault(written, n);
        const std::optional<std::string> reported = operation();
        if (!fault.fired()) {
            EXPECT_FALSE(reported) << "with no statement failing: " << *reported;
            // The operation never touches the other database.
            EXPECT_TRUE(test::databaseDump(other) == otherBefore);
            return n - 1;
        }
        SCOPED_TRACE("statement " + std::to_string(n) + ": " + fault.statement());
        EXPECT_NE(reported.value_or("").find(fault.message()), std::string::npos)
            << reported.value_or("(no error reported)");
        EXPECT_FALSE(written.inTransaction());
        EXPECT_TRUE(test::databaseDump(written) == writtenBefore);
        if (::testing::Test::HasFailure())
            return n;
    }
}

std::optional<std::string> failure(const Status& status) {
    return status ? std::nullopt : std::optional<std::string>(status.message());
}

CPoz* add(CPoz& parent, std::string_view info, int typ, int value) {
    return &parent.AddChild(
        {.info = std::string(info), .typ = typ, .wartosc = value, .modyfikator = 1.0});
}

TEST(FaultInjection, ACharacterSaveIsWholeOrNothing) {
    test::SampleWorkspace w;
    CIstota other(w.characters());
    ASSERT_TRUE(SaveCharacter(other).ok());
    CIstota hero(w.characters());
    hero.SetImie("Pierwsza wersja");
    ASSERT_TRUE(SaveCharacter(hero).ok());
    // The new version: another name, two entries added and three removed.
    hero.SetImie("Druga wersja");
    add(*add(*hero.link(kLinkCzary), "Kula ognia", 0x11, 3), "Zasięg", 0x11, 20);
    hero.link(kLinkWalka)->UsunAll();
    const int statements =
        failEachStatement(w, w.characters(), [&] { return failure(SaveCharacter(hero)); });
    // Begin, three statements of the character, its 54 + 2 - 3 entries, commit.
    EXPECT_EQ(statements, 1 + 3 + 53 + 1);
}

TEST(FaultInjection, AnImportIsWholeOrNothing) {
    test::SampleWorkspace w;
    CIstota hero(w.characters());
    add(*hero.link(kLinkCzary), "Kula ognia", 0x11, 3);
    CIstota second(w.characters());
    ASSERT_TRUE(SaveCharacter(hero).ok());
    ASSERT_TRUE(SaveCharacter(second).ok());
    const Result<std::string> heroFile = characterFileBytes(w.characters(), hero.id());
    const Result<std::string> secondFile = characterFileBytes(w.characters(), second.id());
    ASSERT_TRUE(heroFile.ok() && secondFile.ok());
    // Stored now: the hero changed since the export, the second character gone.
    hero.link(kLinkCzary)->UsunAll();
    hero.SetImie("zmieniony");
    ASSERT_TRUE(SaveCharacter(hero).ok());
    ASSERT_TRUE(DeleteStoredCharacter(w.characters(), second.id()).ok());
    // One file with both.
    const auto section = [](const std::string& bytes, const std::string& name) {
        const auto start = bytes.find("<" + name + ">\r\n") + name.size() + 4;
        return bytes.substr(start, bytes.find("</" + name + ">") - start);
    };
    std::string file = *heroFile;
    file.insert(file.find("</pozycje>"), section(*secondFile, "pozycje"));
    file.insert(file.find("</istoty>"), section(*secondFile, "istoty"));

    const int statements = failEachStatement(w, w.characters(), [&] {
        const Result<std::vector<std::string>> result =
            importCharacterBytes(w.characters(), file, "oba.xml");
        if (result)
            return std::optional<std::string>();
        EXPECT_TRUE(result.message().starts_with("Plik „oba.xml” nie został "
                                                 "zaimportowany: "));
        EXPECT_EQ(result.error().place.file, "oba.xml");
        return std::optional<std::string>(result.message());
    });
    // Begin; per entry a look-up of its identifier; per character the removal of its
    // entries; per record a removal and an insert; commit. 2 characters, 55 + 54 entries.
    EXPECT_EQ(statements, 1 + 109 + 2 + 2 * (2 + 109) + 1);
}

TEST(FaultInjection, AnEditorSaveWithLinksIsWholeOrNothing) {
    test::SampleWorkspace w;
    editors::RowEditor editor(w.rules(), editors::catalogue::profession(), kProfession,
                              editors::EditorMode::Edit);
    ASSERT_TRUE(editor.load().ok());
    ASSERT_FALSE(editor.setValue("nazwa", "Profesja po zmianie"));
    editor.unlinkAt(0, 0);
    int statements = failEachStatement(w, w.rules(), [&]() -> std::optional<std::string> {
        NonInteractiveUserPort port(nullptr);
        const auto result = editor.save(port);
        if (result == editors::RowEditor::SaveResult::Saved)
            return std::nullopt;
        EXPECT_EQ(result, editors::RowEditor::SaveResult::Failed);
        return port.errors().empty() ? std::string("(nic nie pokazano)")
                                     : port.errors().back().text;
    });
    EXPECT_GT(statements, 10);
}

TEST(FaultInjection, ACascadingDeleteIsWholeOrNothing) {
    test::SampleWorkspace w;
    const int statements = failEachStatement(w, w.rules(), [&] {
        return failure(editors::deleteCascade(w.rules(), editors::catalogue::race(), kDwarf));
    });
    EXPECT_GT(statements, 10);
    EXPECT_EQ(w.count(w.rules(),
                      "SELECT count(*) FROM stadia WHERE idrasa='" + std::string(kDwarf) + "';"),
              0);
}

} // namespace
} // namespace tallar
