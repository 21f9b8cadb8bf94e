#pragma once

#include "model/Entry.h"
#include "rules/core/ExpressionNames.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class Database;

// The 41 fixed top-level entries of every character, numbered from 1 in their order.
enum CharacterLink : int {
    kLinkZywotnosc = 1,
    kLinkSilaFizyczna = 2,
    kLinkZrecznosc = 3,
    kLinkZrecznoscAktualna = 4,
    kLinkSzybkosc = 5,
    kLinkSzybkoscAktualna = 6,
    kLinkInteligencja = 7,
    kLinkMadrosc = 8,
    kLinkUmiejetnosciMagiczne = 9,
    kLinkCharyzma = 10,
    kLinkPrezencja = 11,
    kLinkWiara = 12,
    kLinkZauwazenie = 13,
    kLinkBazowaOdpornoscPsychiczna = 14,
    kLinkBazowaOdpornoscFizyczna = 15,
    kLinkOdpornosc1 = 16, // … kLinkOdpornosc1 + 9 is "Odporność nr.10"
    kLinkAntymagia = 26,
    kLinkBieglosci = 27,
    kLinkProfesje = 28,
    kLinkZawody = 29,
    kLinkUlomnosci = 30,
    kLinkZdolnosci = 31,
    kLinkUmiejetnosci = 32,
    kLinkWalka = 33,
    kLinkEkwipunek = 34,
    kLinkObciazenie = 35,
    kLinkMajatek = 36,
    kLinkPoddany = 37,
    kLinkCzary = 38,
    kLinkCialo = 39,
    kLinkBronieNaturalne = 40,
    kLinkDodatkoweInformacje = 41,
};
inline constexpr int kCharacterLinks = 41;

// One entry of the skeleton every new character gets. `parentTop` is 0 for a top-level
// entry, else the number of the top-level entry it hangs under; `refersToTop` names the
// top-level entry a reference takes its value from (0: none).
struct SkeletonEntry {
    std::string_view info;
    int kind;
    double modifier;
    int parentTop;
    int refersToTop;
};
// The 53 skeleton entries in the order they are made: 41 top-level and 12 nested ones.
const std::vector<SkeletonEntry>& characterSkeleton();

// A character: the root entry of its tree, its four names and links to its 41 fixed
// top-level entries. Its identifier is the root entry's identifier.
class CIstota : public CPoz, public AttributeSource {
public:
    // A new character with a new identifier and the fixed skeleton, recalculated.
    explicit CIstota(Database& connection);
    // A character with this root entry's data and no entries, for a loader that builds its
    // tree under it and then calls linkTopEntries.
    static std::unique_ptr<CIstota> makeEmpty(Database* connection, const EntryData& root);
    ~CIstota() override;

    std::string imie;  // the character's name
    std::string rasa;  // race
    std::string prof;  // professions, joined by JoinProfessionNames
    std::string gracz; // the player's name
    void SetImie(std::string_view text) { imie = text; }
    void SetRasa(std::string_view text) { rasa = text; }
    void SetProf(std::string_view text) { prof = text; }
    void SetGracz(std::string_view text) { gracz = text; }

    // Top-level entry number n (1 … 41), or null when the character has no such entry.
    CPoz* link(int n) const;
    // Links the first 41 children as the fixed top-level entries.
    void linkTopEntries();

    // Recomputes the fixed entries in the order their totals depend on each other.
    void RecalculateCharacter();
    // Sets prof from the professions: "A(3)/B(1)"; empty without professions.
    void JoinProfessionNames();
    // Refills "Obciążenie" with the weights of what the character carries and computes its
    // total. `entry` is the container searched; none starts from "przy sobie".
    void RebuildLoad(CPoz* entry = nullptr);

    // What rules expressions read from the character.
    double attributeTotal(const AttributeDef& member) const override;
    std::optional<int> weight() const override;
    std::optional<int> height() const override;
    std::optional<int> age() const override;

protected:
    // A top-level entry that leaves the character no longer has a link.
    void elementLeaving(CPoz& element) override;

private:
    struct Loaded {};
    CIstota(Database* connection, const EntryData& root, Loaded);

    std::array<CPoz*, kCharacterLinks> links_{};
};

} // namespace tallar
