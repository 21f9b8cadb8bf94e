#pragma once

namespace tallar {

class CPoz;

// Which of the context menu's commands apply to an entry of the preview.
struct EntryCommands {
    bool modify = false; // "Modyfikacja"
    bool add = false;    // "Dodaj" (below the entry)
    bool remove = false; // "Usuń"

    bool any() const { return modify || add || remove; }
    bool operator==(const EntryCommands&) const = default;
};

// The commands of the entry's context menu, by its kind and the kinds above it.
EntryCommands contextCommands(const CPoz& entry);

// What "Modyfikacja" opens for an entry.
enum class EntryEditor {
    Generic,     // CPozEdycja: label, value (a date through the calendar)
    YesNo,       // CPozBool
    Money,       // CPozKasa
    Item,        // CPozEkwipunek
    Text,        // CPozOpis: the label only
    Proficiency, // the proficiency dialog CWizard6Bgl
    Placement,   // the equipment placement of CWizard9
};
EntryEditor editorFor(const CPoz& entry);

// What "Dodaj" opens below an entry.
enum class EntryAdder {
    Generic,   // CPozEdycja for a new entry
    Money,     // CPozKasa for a new amount of money
    Skill,     // the skills engine adds a skill
    Weapons,   // the weapons page CWizard6
    Equipment, // the weapons, armour and shield pages, then the equipment list CWizard10
};
EntryAdder adderFor(const CPoz& context);

} // namespace tallar
