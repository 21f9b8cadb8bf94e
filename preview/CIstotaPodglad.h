#pragma once

#include "base/Status.h"
#include "preview/ContextCommands.h"
#include "preview/EntryForms.h"
#include "preview/PreviewCommand.h"
#include "rules/engine/EngineStep.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tallar {

class CIstota;
class CPoz;
class Database;
class UserPort;
class WizardPages;

// The preview's logic ("Podgląd"): a stored character's tree, the selected entry and its
// description, the context menu's commands, the changes they make, "Przelicz", saving and
// both exports. Every change is handed out as a PreviewCommand, which the window runs and
// keeps for undo; after a change the character is recomputed as the menu's rules say.
// Nothing reaches the database before save() (or an export, which saves first).
class CIstotaPodglad {
public:
    static constexpr std::string_view kTitle = "Podgląd";
    static constexpr std::string_view kStatsFilter = "Plik txt|*.txt||";
    static constexpr std::string_view kStatsExtension = ".txt";

    // `characters` is the connection the character is stored on.
    CIstotaPodglad(Database& rules, Database& characters, CIstota& hero, UserPort& port);

    // What shows the pages that "Dodaj" and "Modyfikacja" open (weapons, armour, shield,
    // placement); without it they change nothing.
    void setPages(WizardPages* pages) { pages_ = pages; }

    CIstota& character() const { return hero_; }
    Database& rules() const { return rules_; }
    // imie + " : " + rasa + " - " + prof.
    std::string caption() const;

    // --- Selection ---------------------------------------------------------------------
    // Selects an entry of the character (null: none) and reads its description.
    void select(const CPoz* entry);
    // The selected entry, found again after the tree was rebuilt; null when it is gone.
    CPoz* selected() const;
    const std::string& description() const { return description_; }
    // The entry with this identifier in the character's tree, or null.
    CPoz* find(std::string_view id) const;
    // Bumped whenever the tree may have been rebuilt: pointers to entries held from before
    // are to be looked up again by identifier.
    unsigned revision() const { return revision_; }
    // Called before a command changes the tree (or puts a snapshot back) and after it did;
    // a view lets go of the entries in between.
    void setObserver(std::function<void()> aboutToChange, std::function<void()> changed);

    // --- The context menu ----------------------------------------------------------------
    EntryCommands commandsFor(const CPoz& entry) const { return contextCommands(entry); }
    EntryEditor editorOf(const CPoz& entry) const { return editorFor(entry); }
    EntryAdder adderOf(const CPoz& context) const { return adderFor(context); }

    // The changes: each returns a command that has not run yet (run it with redo(), or
    // hand it to an undo stack that does). A form must pass its check first.
    std::unique_ptr<PreviewCommand> addEntry(const CPoz& context, const GenericForm& form);
    std::unique_ptr<PreviewCommand> addMoney(const CPoz& context, const MoneyForm& form);
    // "Dodaj" on an entry whose adder is a page or an engine step (skills, weapons,
    // equipment).
    std::unique_ptr<PreviewCommand> addThroughPages(const CPoz& context);
    std::unique_ptr<PreviewCommand> modify(const CPoz& entry, const GenericForm& form);
    std::unique_ptr<PreviewCommand> modify(const CPoz& entry, const YesNoForm& form);
    std::unique_ptr<PreviewCommand> modify(const CPoz& entry, const MoneyForm& form);
    std::unique_ptr<PreviewCommand> modify(const CPoz& entry, const ItemForm& form);
    std::unique_ptr<PreviewCommand> modify(const CPoz& entry, const TextForm& form);
    // "Modyfikacja" on an entry whose editor is a page (a proficiency, "Walka").
    std::unique_ptr<PreviewCommand> modifyThroughPages(const CPoz& entry);
    std::unique_ptr<PreviewCommand> remove(const CPoz& entry);
    // "Przelicz". Throws made anew are asked when `askRolls`.
    std::unique_ptr<PreviewCommand> recompute(bool askRolls);

    // --- Saving and exports --------------------------------------------------------------
    // OK: writes the character; a failure is shown and returned.
    Status save();
    // "Zapisz do pliku": saves, then writes the character file (".xml" appended to a name
    // without an extension). False when nothing was written; the reason was shown.
    bool exportFile(const std::string& path);
    // "Zapisz statystyki": appends the statistics block (".txt" appended to a name without
    // an extension). A failure is shown and returned.
    Status writeStatistics(const std::string& path);

private:
    std::unique_ptr<PreviewCommand> command(std::string text, PreviewCommand::Action action);
    template <typename Form>
    std::unique_ptr<PreviewCommand> modifyWith(const CPoz& entry, const Form& form);
    // What follows a change: the placement and load when it lay under "przy sobie", then
    // every total.
    void afterChange(bool underCarried);
    // What the engine steps of the preview work with.
    EngineContext engine(bool askRolls) const;
    // The pages "Dodaj" and "Modyfikacja" open; each returns whether it changed anything.
    bool addSkill(CPoz& context);
    bool weaponsPage();
    bool armourPage();
    bool shieldPage();
    bool equipmentList();
    bool proficiencyPage(CPoz& proficiency);
    bool placementPage();
    void treeChanged();

    Database& rules_;
    Database& characters_;
    CIstota& hero_;
    UserPort& port_;
    WizardPages* pages_ = nullptr;
    std::string selectedId_;
    std::string description_;
    unsigned revision_ = 0;
    std::function<void()> aboutToChange_, changed_;
    // The snapshot after the last change and the revision it shows: the next change starts
    // from it while nothing else changed the tree.
    std::weak_ptr<const CharacterSnapshot> lastState_;
    unsigned lastStateRevision_ = ~0U;
    mutable unsigned indexedRevision_ = ~0U;
    mutable std::unordered_map<std::string_view, CPoz*> byId_;
};

// How an undo command names an entry: its label (its whole label when that is empty),
// shortened.
std::string commandSubject(const CPoz& entry);

} // namespace tallar
