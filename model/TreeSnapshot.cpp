#include "model/TreeSnapshot.h"

#include "model/Character.h"

#include <unordered_map>

namespace tallar {

// The entries of one tree in tree order; the root is record 0.
struct CharacterSnapshot::Tree {
    struct Record {
        std::string id;
        int depth = 0;
        std::string info, specjal, memo;
        int typ = 0;
        int wartosc = 0;
        double modyfikator = 1.0;
        double total = 0.0;
        int link = -1;             // the record of the target link, within this tree
        std::vector<int> refersTo; // a record per reference this entry makes
        std::unique_ptr<Tree> ownedTarget;
    };
    std::vector<Record> records;

    static std::unique_ptr<Tree> capture(const CPoz& root);
    // Makes the entries below the root under `root`, whose own data the caller sets.
    void buildBelow(CPoz& root) const;
    std::unique_ptr<CPoz> build(Database* connection) const;
    static void setData(CPoz& entry, const Record& record);
};

std::unique_ptr<CharacterSnapshot::Tree> CharacterSnapshot::Tree::capture(const CPoz& root) {
    auto tree = std::make_unique<Tree>();
    std::unordered_map<const CPoz*, int> index;
    std::vector<const CPoz*> entries;
    const auto add = [&](const CPoz& entry, int depth) {
        index.emplace(&entry, static_cast<int>(entries.size()));
        entries.push_back(&entry);
        Record& record = tree->records.emplace_back();
        record.id = entry.id();
        record.depth = depth;
        record.info = entry.info;
        record.specjal = entry.specjal;
        record.memo = entry.memo;
        record.typ = entry.typ;
        record.wartosc = entry.wartosc;
        record.modyfikator = entry.modyfikator;
        record.total = entry.total;
    };
    add(root, 0);
    WalkTree(root, add);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CPoz& entry = *entries[i];
        Record& record = tree->records[i];
        if (entry.ownsTarget() && entry.target())
            record.ownedTarget = capture(*entry.target());
        else if (const auto found = index.find(entry.target()); found != index.end())
            record.link = found->second;
        // The references this entry receives are recorded at their referrers.
        for (const CPoz* referrer : entry.referrers()) {
            const auto from = index.find(referrer);
            if (from == index.end())
                continue;
            const bool adopted = referrer->ownsTarget() && referrer->target() == &entry;
            if (!adopted)
                tree->records[static_cast<std::size_t>(from->second)].refersTo.push_back(
                    static_cast<int>(i));
        }
    }
    return tree;
}

void CharacterSnapshot::Tree::setData(CPoz& entry, const Record& record) {
    entry.info = record.info;
    entry.specjal = record.specjal;
    entry.memo = record.memo;
    entry.typ = record.typ;
    entry.wartosc = record.wartosc;
    entry.modyfikator = record.modyfikator;
    entry.total = record.total;
}

void CharacterSnapshot::Tree::buildBelow(CPoz& root) const {
    std::vector<CPoz*> made{&root};
    made.reserve(records.size());
    std::vector<CPoz*> parents{&root}; // the last entry made at each depth
    for (std::size_t i = 1; i < records.size(); ++i) {
        const Record& record = records[i];
        parents.resize(static_cast<std::size_t>(record.depth));
        CPoz& parent = *parents.back();
        CPoz* entry = &parent.AddChild({.id = record.id});
        setData(*entry, record);
        parents.push_back(entry);
        made.push_back(entry);
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record& record = records[i];
        CPoz& entry = *made[i];
        bool linked = false;
        for (int target : record.refersTo) {
            const bool link = !linked && target == record.link;
            entry.MakeReference(*made[static_cast<std::size_t>(target)], link);
            linked = linked || link;
        }
        if (record.link >= 0 && !linked)
            entry.MakeReference(*made[static_cast<std::size_t>(record.link)], true);
        if (record.ownedTarget)
            entry.AdoptTarget(record.ownedTarget->build(root.connection()));
        entry.specjal = record.specjal; // a reference rewrites it
    }
}

std::unique_ptr<CPoz> CharacterSnapshot::Tree::build(Database* connection) const {
    const Record& top = records.front();
    auto root = std::make_unique<CPoz>(connection, EntryData{.id = top.id});
    setData(*root, top);
    buildBelow(*root);
    return root;
}

CharacterSnapshot::CharacterSnapshot() = default;
CharacterSnapshot::~CharacterSnapshot() = default;
CharacterSnapshot::CharacterSnapshot(CharacterSnapshot&&) noexcept = default;
CharacterSnapshot& CharacterSnapshot::operator=(CharacterSnapshot&&) noexcept = default;

CharacterSnapshot CharacterSnapshot::capture(const CIstota& character) {
    CharacterSnapshot snapshot;
    snapshot.imie_ = character.imie;
    snapshot.rasa_ = character.rasa;
    snapshot.prof_ = character.prof;
    snapshot.gracz_ = character.gracz;
    snapshot.tree_ = Tree::capture(character);
    return snapshot;
}

void CharacterSnapshot::restore(CIstota& character) const {
    character.imie = imie_;
    character.rasa = rasa_;
    character.prof = prof_;
    character.gracz = gracz_;
    character.UsunAll();
    if (!tree_)
        return;
    // The root's own references (none in a character made by the program) are not kept:
    // the character itself is not rebuilt.
    Tree::setData(character, tree_->records.front());
    tree_->buildBelow(character);
    character.linkTopEntries();
}

std::size_t CharacterSnapshot::entryCount() const {
    return tree_ ? tree_->records.size() - 1 : 0;
}

} // namespace tallar
