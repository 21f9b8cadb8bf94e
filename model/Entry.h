#pragma once

#include "model/Kinds.h"
#include "model/Queue.h"
#include "rules/core/CRdzen.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace tallar {

class Database;
class CPoz;

// Value kinds: the low four bits of an entry's kind say what its numbers mean.
enum ValueKind : int {
    kGroup = 0,        // nothing
    kInteger = 1,      // wartosc
    kPercent = 2,      // modyfikator as a percentage
    kMixed = 3,        // modyfikator when not 0, else wartosc
    kYesNo = 4,        // wartosc as yes/no
    kTotal = 5,        // the computed total
    kTotalPercent = 6, // the computed total as a percentage
    kText = 7,         // memo
    kDate = 8,         // a date of the game calendar
    kRefInteger = 9,   // wartosc taken from the target
    kRefPercent = 10,  // modyfikator taken from the target
    kRefOutside = 11,  // wartosc from the target, as its distance outside 30 … 50
    kMoney = 12,       // a count (wartosc) of things worth modyfikator each
    kExperience = 13,  // experience points
};
// Set in a parent's kind, its integer children grow along the experience scale.
inline constexpr int kProgressionBit = 0x8000;

inline int valueKindOf(int kind) {
    return kind & 15;
}

// One half of a reference between two entries. The target keeps a record that owns its
// referrer (destroying the target destroys the referrer); the referrer keeps the twin,
// which only names the target (destroying the referrer unregisters it).
class CRefer : public CPozycja<CRefer> {
public:
    CRefer(CPoz& holder, CPoz& other, bool ownsOther)
        : holder_(&holder), other_(&other), ownsOther_(ownsOther) {}

    CPoz* holder() const { return holder_; }
    CPoz* other() const { return other_; }
    CRefer* twin() const { return twin_; }
    bool ownsOther() const { return ownsOther_; }

private:
    friend class CPoz;
    CPoz* holder_;
    CPoz* other_;
    CRefer* twin_ = nullptr;
    bool ownsOther_;
};

// The data of an entry, each field named, so that an entry is written as
//
//     parent.AddChild({.info = "Rasowa", .typ = kinds::perMember::kRacial[m], .wartosc = r});
//
// The defaults are an empty entry's: no texts, kind 0, value 0 and modifier 0.0. Most
// entries carry a value; a percentage (value kind 2) or a money entry (12) names its
// modifier. An empty identifier gives a new entry a new one.
// (The texts have initialisers so that a record may leave them out.)
struct EntryData {
    std::string id{};
    std::string info{};    // label shown to the user
    std::string specjal{}; // key text; "&" + identifier marks a reference
    int typ = 0;           // kind (model/Kinds.h)
    int wartosc = 0;       // integer value
    double modyfikator = 0.0;
    std::string memo{}; // free text
};

// What SetOrAdd does with neutral data (value 0 for value kind 1; value 0 and modifier 0
// for kind 3; modifier 1.0 for kinds 2 and 3): keep them like any data, or drop the child
// (destroy the one there, make none).
enum class Neutral { Keep, Drop };

// An entry of a character's tree: a label, a key text, a kind, an integer value, a
// modifier, a free text, its children (the queue it is), its place among its siblings,
// an optional target entry it takes its value from, and the total computed by Recalculate.
// The rules helpers (CRdzen) are at hand in it as in every rules class.
class CPoz : public CKolejka<CPoz>, public CPozycja<CPoz>, public CRdzen {
public:
    using Filter = std::function<bool(const CPoz&)>;

    // A new entry with a new identifier: kind 0, value 0, modifier 1.0, no texts.
    explicit CPoz(Database* connection);
    // An entry with the given data (an empty identifier gives a new one).
    CPoz(Database* connection, const EntryData& data);
    ~CPoz() override;

    // --- Data ----------------------------------------------------------------------
    const std::string& id() const { return id_; }
    Database* connection() const { return connection_; }
    void setConnection(Database* connection) { connection_ = connection; }

    std::string info;    // label shown to the user
    std::string specjal; // key text; "&" + identifier marks a reference
    std::string memo;    // free text
    int typ = 0;         // kind; its low four bits are the value kind
    int wartosc = 0;     // integer value
    double modyfikator = 1.0;
    double total = 0.0; // computed by Recalculate, never stored

    int valueKind() const { return valueKindOf(typ); }
    void SetInfo(std::string_view text) { info = text; }
    void SetSpecjal(std::string_view text) { specjal = text; }
    void SetMemo(std::string_view text) { memo = text; }

    // --- Tree ----------------------------------------------------------------------
    // The parent entry, or null for a root or an entry in no tree.
    CPoz* parent() const;
    const CKolejka<CPoz>& children() const { return *this; }
    CKolejka<CPoz>& children() { return *this; }

    // Searches among the direct children: the first match in list order, or null.
    CPoz* FindByKind(int kind) const;
    CPoz* FindBySpecjal(std::string_view text) const;
    CPoz* FindByValue(int value) const;
    CPoz* FindByModifier(double modifier) const;
    // True when this entry or one of its ancestors has the kind.
    bool HasKindOrAncestor(int kind) const;
    // Moves the cursor within children kept in ascending order of wartosc. True when the
    // cursor stands on an equal value or on the child after which the value belongs (and
    // for an empty list); false when the value belongs before the cursor (the first child).
    bool LocateByValue(int value);

    // Appends a new child made from `data`, on this entry's connection.
    CPoz& AddChild(const EntryData& data);

    // Finds the child of the data's kind (the second form: with the data's specjal) and
    // sets its info, specjal, value, modifier and memo (its kind and identifier stay), or
    // inserts a new child made from the data after the cursor. With Neutral::Drop, neutral
    // data destroy an existing child and make none; null is returned then. `added` tells
    // whether a child was made.
    CPoz* SetOrAdd(const EntryData& data, Neutral neutral = Neutral::Keep, bool* added = nullptr);
    CPoz* SetOrAddBySpecjal(const EntryData& data, Neutral neutral = Neutral::Keep,
                            bool* added = nullptr);

    // --- References --------------------------------------------------------------
    // Makes this entry refer to `target`: destroying the target then destroys this entry,
    // destroying this entry unregisters it. Sets specjal to "&" + the target's identifier
    // and, with setLink, the target link that Recalculate reads.
    void MakeReference(CPoz& target, bool setLink);
    // The target link, or null.
    CPoz* target() const { return target_; }
    // Makes this entry refer to a private copy that it owns and destroys with itself.
    void AdoptTarget(std::unique_ptr<CPoz> privateTarget);
    bool ownsTarget() const { return ownedTarget_ != nullptr; }
    // The entries referring to this one, in the order the references were made.
    std::vector<CPoz*> referrers() const;

    // Copies the source's data, total and target link into `destination`, then appends a
    // copy of each child the filter accepts (all without a filter; the filter applies
    // only to the source's own children). With makeReferences the destination refers to
    // the source. Returns the destination.
    static CPoz& CopyTree(CPoz& source, CPoz& destination, bool makeReferences,
                          const Filter& filter = {});
    // As above into a new entry on the source's connection.
    static std::unique_ptr<CPoz> CopyTree(CPoz& source, bool makeReferences,
                                          const Filter& filter = {});

    // --- Totals ------------------------------------------------------------------
    // Evaluates this entry under a parent with running value a, modifier b and kind k:
    // sets the totals of the entry and its subtree and returns the parent's running
    // value after this entry. A top-level entry is evaluated with 0, 0, 0.
    double Recalculate(double a = 0.0, double b = 0.0, int k = 0);
    // Sets the total to the greatest total of the children of value kind 1 (at least 0).
    void MaxOfChildren();

private:
    static void copyEntry(CPoz& source, CPoz& destination, bool makeReferences);
    void handOverChildrenForDestruction();
    void registerReference(CPoz& target);
    void dropReferenceRecord(CRefer& record);
    void destroyReferrer(CPoz& referrer);
    template <class Match> CPoz* findChild(Match match) const;
    CPoz* setOrAddChild(CPoz* existing, const EntryData& data, Neutral neutral, bool* added);

    std::string id_;
    Database* connection_ = nullptr;
    CPoz* target_ = nullptr;
    std::unique_ptr<CPoz> ownedTarget_;
    CKolejka<CRefer> references_;
    bool dying_ = false;
};

// The label of an entry as the tree shows it: its info followed by its value in the form
// of its value kind.
std::string BuildLabel(const CPoz& entry);

// Visits the entries below `root` in tree order (each entry before its children, children
// in list order) with their depth below `root` (1 for its children). A visitor that returns
// bool says whether to go into the entry's children; one that returns nothing goes into
// all. The path is kept in a list, not on the call stack, so a tree of any depth can be
// walked. The visitor may destroy entries, the visited one too (its children are skipped
// then): the walk goes on with the entries still there.
template <class Visit> void WalkTree(const CPoz& root, Visit&& visit) {
    // Each level's iterator stands on the entry visited last, so that it follows the
    // entries that leave (see CKolejka::const_iterator).
    struct Level {
        CKolejka<CPoz>::const_iterator at;
        bool started = false;
    };
    std::vector<Level> path;
    path.push_back({root.children().begin()});
    while (!path.empty()) {
        Level& level = path.back();
        if (level.started)
            ++level.at;
        level.started = true;
        if (level.at == CKolejka<CPoz>::const_iterator()) {
            path.pop_back();
            continue;
        }
        CPoz& entry = **level.at;
        const int depth = static_cast<int>(path.size());
        bool descend = true;
        if constexpr (std::is_void_v<std::invoke_result_t<Visit&, CPoz&, int>>)
            visit(entry, depth);
        else
            descend = visit(entry, depth);
        if (descend && path.back().at.standsOn(&entry) && !entry.empty())
            path.push_back({entry.children().begin()});
    }
}

} // namespace tallar
