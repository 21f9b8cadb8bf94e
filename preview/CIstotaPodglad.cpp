#include "preview/CIstotaPodglad.h"

#include "base/Cp1250.h"
#include "base/UserPort.h"
#include "model/Character.h"
#include "model/Kinds.h"
#include "output/CharacterFile.h"
#include "output/FileChoice.h"
#include "preview/EntryDescription.h"
#include "preview/Recompute.h"
#include "preview/StatsExport.h"
#include "rules/engine/CRdzenUmiejetnosci.h"
#include "store/CharacterStore.h"
#include "wizard/CIstotaWizard.h"
#include "wizard/CWizard10.h"
#include "wizard/CWizard6.h"
#include "wizard/CWizard6Bgl.h"
#include "wizard/CWizard7.h"
#include "wizard/CWizard8.h"
#include "wizard/CWizard9.h"

#include <tuple>
#include <utility>
#include <vector>

namespace tallar {

namespace {

constexpr std::size_t kSubjectLength = 40;

} // namespace

std::string commandSubject(const CPoz& entry) {
    std::string label = entry.info.empty() ? BuildLabel(entry) : entry.info;
    if (label.size() > kSubjectLength)
        label = std::string(utf8Prefix(label, kSubjectLength)) + "…";
    return "„" + label + "”";
}

CIstotaPodglad::CIstotaPodglad(Database& rules, Database& characters, CIstota& hero, UserPort& port)
    : rules_(rules), characters_(characters), hero_(hero), port_(port) {}

std::string CIstotaPodglad::caption() const {
    return hero_.imie + " : " + hero_.rasa + " - " + hero_.prof;
}

// --- Selection -------------------------------------------------------------------------

CPoz* CIstotaPodglad::find(std::string_view id) const {
    if (indexedRevision_ != revision_) {
        byId_.clear();
        WalkTree(hero_, [&](CPoz& entry, int) { byId_.emplace(entry.id(), &entry); });
        indexedRevision_ = revision_;
    }
    const auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : found->second;
}

void CIstotaPodglad::select(const CPoz* entry) {
    selectedId_ = entry ? entry->id() : std::string();
    description_.clear();
    if (entry)
        description_ = entryDescription(rules_, *entry, port_);
}

CPoz* CIstotaPodglad::selected() const {
    return selectedId_.empty() ? nullptr : find(selectedId_);
}

void CIstotaPodglad::treeChanged() {
    ++revision_;
}

// --- Changes ---------------------------------------------------------------------------

void CIstotaPodglad::setObserver(std::function<void()> aboutToChange,
                                 std::function<void()> changed) {
    aboutToChange_ = std::move(aboutToChange);
    changed_ = std::move(changed);
}

std::unique_ptr<PreviewCommand> CIstotaPodglad::command(std::string text,
                                                        PreviewCommand::Action action) {
    const auto aboutToChange = [this] {
        if (aboutToChange_)
            aboutToChange_();
    };
    const auto changed = [this] {
        treeChanged();
        if (changed_)
            changed_();
    };
    PreviewCommand::Hooks hooks{.aboutToRestore = aboutToChange,
                                .restored = changed,
                                .current =
                                    [this] {
                                        return lastStateRevision_ == revision_
                                                   ? lastState_.lock()
                                                   : PreviewCommand::Snapshot();
                                    },
                                .changedTo =
                                    [this](const PreviewCommand::Snapshot& after) {
                                        lastState_ = after;
                                        lastStateRevision_ = revision_;
                                    }};
    return std::make_unique<PreviewCommand>(
        hero_, std::move(text),
        [action = std::move(action), aboutToChange, changed] {
            aboutToChange();
            const bool done = action();
            changed();
            return done;
        },
        std::move(hooks));
}

EngineContext CIstotaPodglad::engine(bool askRolls) const {
    return {.rules = rules_, .character = hero_, .port = port_, .askRolls = askRolls};
}

void CIstotaPodglad::afterChange(bool underCarried) {
    if (underCarried) {
        PlaceCarriedEquipment(engine(false));
        hero_.RebuildLoad();
    }
    hero_.RecalculateCharacter();
}

std::unique_ptr<PreviewCommand> CIstotaPodglad::addEntry(const CPoz& context,
                                                         const GenericForm& form) {
    return command("Dodanie „" + form.info + "”", [this, id = context.id(), form] {
        CPoz* parent = find(id);
        if (!parent)
            return false;
        // A number or a date leaves the modifier as a new entry has it.
        form.applyTo(parent->AddChild({.modyfikator = 1.0}));
        afterChange(parent->HasKindOrAncestor(kinds::equipment::kCarried));
        return true;
    });
}

std::unique_ptr<PreviewCommand> CIstotaPodglad::addMoney(const CPoz& context,
                                                         const MoneyForm& form) {
    return command("Dodanie „" + form.info + "”", [this, id = context.id(), form] {
        CPoz* parent = find(id);
        if (!parent)
            return false;
        form.applyTo(parent->AddChild({}));
        // The place of the money alone is evaluated, on its own.
        parent->Recalculate(0.0, 0.0, 0);
        return true;
    });
}

std::unique_ptr<PreviewCommand> CIstotaPodglad::addThroughPages(const CPoz& context) {
    return command("Dodanie do " + commandSubject(context), [this, id = context.id()] {
        CPoz* parent = find(id);
        if (!parent)
            return false;
        bool changed = false;
        switch (adderFor(*parent)) {
        case EntryAdder::Skill:
            changed = addSkill(*parent);
            break;
        case EntryAdder::Weapons:
            changed = weaponsPage();
            break;
        case EntryAdder::Equipment:
            // Each page in turn; what one added stays when a later one is cancelled.
            changed = weaponsPage();
            changed = armourPage() || changed;
            changed = shieldPage() || changed;
            changed = equipmentList() || changed;
            if (changed) {
                PlaceCarriedEquipment(engine(false));
                hero_.RebuildLoad();
            }
            break;
        case EntryAdder::Generic:
        case EntryAdder::Money:
            return false;
        }
        if (changed)
            hero_.RecalculateCharacter();
        return changed;
    });
}

// A changed entry under "przy sobie" may weigh differently: the load is rebuilt as after an
// addition or a deletion there.
template <typename Form>
std::unique_ptr<PreviewCommand> CIstotaPodglad::modifyWith(const CPoz& entry, const Form& form) {
    return command("Modyfikacja " + commandSubject(entry), [this, id = entry.id(), form] {
        CPoz* target = find(id);
        if (!target)
            return false;
        form.applyTo(*target);
        afterChange(target->HasKindOrAncestor(kinds::equipment::kCarried));
        return true;
    });
}

std::unique_ptr<PreviewCommand> CIstotaPodglad::modify(const CPoz& entry, const GenericForm& form) {
    return modifyWith(entry, form);
}

std::unique_ptr<PreviewCommand> CIstotaPodglad::modify(const CPoz& entry, const YesNoForm& form) {
    return modifyWith(entry, form);
}

std::unique_ptr<PreviewCommand> CIstotaPodglad::modify(const CPoz& entry, const MoneyForm& form) {
    return modifyWith(entry, form);
}

std::unique_ptr<PreviewCommand> CIstotaPodglad::modify(const CPoz& entry, const ItemForm& form) {
    return modifyWith(entry, form);
}

std::unique_ptr<PreviewCommand> CIstotaPodglad::modify(const CPoz& entry, const TextForm& form) {
    return modifyWith(entry, form);
}

std::unique_ptr<PreviewCommand> CIstotaPodglad::modifyThroughPages(const CPoz& entry) {
    return command("Modyfikacja " + commandSubject(entry), [this, id = entry.id()] {
        CPoz* target = find(id);
        if (!target)
            return false;
        bool changed = false;
        switch (editorFor(*target)) {
        case EntryEditor::Proficiency:
            changed = proficiencyPage(*target);
            break;
        case EntryEditor::Placement:
            changed = placementPage();
            break;
        default:
            return false;
        }
        if (changed)
            hero_.RecalculateCharacter();
        return changed;
    });
}

std::unique_ptr<PreviewCommand> CIstotaPodglad::remove(const CPoz& entry) {
    return command("Usunięcie " + commandSubject(entry), [this, id = entry.id()] {
        CPoz* target = find(id);
        CPoz* parent = target ? target->parent() : nullptr;
        if (!parent)
            return false;
        const bool carried = target->HasKindOrAncestor(kinds::equipment::kCarried);
        if (selectedId_ == id)
            select(nullptr);
        // The entries referring to it go with it.
        (void)target->Odlaczenie();
        afterChange(carried);
        return true;
    });
}

std::unique_ptr<PreviewCommand> CIstotaPodglad::recompute(bool askRolls) {
    return command("Przeliczenie", [this, askRolls] {
        CharacterRecompute(engine(askRolls), pages_ ? pages_->levelAdvancement() : nullptr).Run();
        return true;
    });
}

// --- The pages -------------------------------------------------------------------------

// A training bought with free proficiency points (the pick list "Wybór szkolenia"), then the
// skills' modifications gathered again. Changed when the skills took an entry or their
// gathered modifications differ.
bool CIstotaPodglad::addSkill(CPoz& skills) {
    const auto state = [&] {
        std::size_t count = 0;
        WalkTree(skills, [&](const CPoz&, int) { ++count; });
        return std::tuple(count, skills.wartosc, skills.memo);
    };
    const auto before = state();
    CRdzenUmiejetnosci engine(this->engine(false));
    engine.Training();
    engine.SkillsFromSource(CRdzenUmiejetnosci::kOnlyModifications);
    return state() != before;
}

// The weapons page over the character; changed when it ended with OK (it has then written
// the groups, their training and the weapons ticked).
bool CIstotaPodglad::weaponsPage() {
    if (!pages_)
        return false;
    CWizard6 page(engine(true));
    page.open();
    return pages_->showWeapons(page);
}

// The armour page and the shield page; changed when they ended with OK (they have then
// added what was ticked).
bool CIstotaPodglad::armourPage() {
    if (!pages_)
        return false;
    CWizard7 page(engine(true));
    page.open();
    return pages_->showArmour(page);
}

bool CIstotaPodglad::shieldPage() {
    if (!pages_)
        return false;
    CWizard8 page(engine(true));
    page.open();
    return pages_->showShield(page);
}

// The equipment list "Ekwipunek": what is picked is carried "przy sobie". Changed when the
// carried entries or their counts differ afterwards.
bool CIstotaPodglad::equipmentList() {
    const CPoz* equipment = hero_.link(kLinkEkwipunek);
    const CPoz* carried = equipment ? equipment->FindByKind(kinds::equipment::kCarried) : nullptr;
    if (!carried)
        return false;
    const auto state = [&] {
        std::vector<std::pair<std::string, int>> items;
        for (const CPoz* item : carried->children())
            items.emplace_back(item->id(), item->wartosc);
        return items;
    };
    const auto before = state();
    (void)CWizard10(engine(false)).Run();
    return state() != before;
}

// The proficiency dialog on one weapon group, with what the group may spend; changed when
// it ended with OK (it has then written its parts and recounted the pool).
bool CIstotaPodglad::proficiencyPage(CPoz& proficiency) {
    if (!pages_)
        return false;
    CWizard6Bgl training(engine(true), proficiency, CWizard6Bgl::availableFor(hero_, proficiency));
    return pages_->showProficiency(training);
}

// The placement page ("Wybór broni/tarczy z ekwipunku") with the placements recorded;
// changed when it ended with OK (it has then applied them). Nothing to place: not shown.
bool CIstotaPodglad::placementPage() {
    if (!pages_)
        return false;
    CWizard9 page(engine(true));
    page.LoadPlacements();
    return !page.items().empty() && pages_->showPlacement(page);
}

// --- Saving and exports ----------------------------------------------------------------

Status CIstotaPodglad::save() {
    Status saved = SaveCharacter(hero_);
    if (!saved)
        port_.showError(saved.message(), kCharacterFileErrorCaption);
    return saved;
}

bool CIstotaPodglad::exportFile(const std::string& path) {
    if (!save())
        return false;
    return ExportCharacter(characters_, hero_.id(),
                           withDefaultExtension(path, kCharacterFileExtension), port_)
        .ok();
}

Status CIstotaPodglad::writeStatistics(const std::string& path) {
    Status written = appendStatistics(hero_, withDefaultExtension(path, kStatsExtension));
    if (!written)
        port_.showError(written.message(), kCharacterFileErrorCaption);
    return written;
}

} // namespace tallar
