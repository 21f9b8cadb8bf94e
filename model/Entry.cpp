#include "model/Entry.h"

#include "store/db/Identifier.h"

namespace tallar {

namespace {

// While an entry is being destroyed, the entries below it wait here and are destroyed one
// after another by the outermost destructor, instead of each from inside its parent's
// destructor: destroying a tree of any depth needs no deeper call stack.
thread_local std::vector<std::unique_ptr<CPoz>>* awaitingDestruction = nullptr;

} // namespace

CPoz::CPoz(Database* connection) : id_(NewId()), connection_(connection) {}

CPoz::CPoz(Database* connection, const EntryData& data)
    : info(data.info), specjal(data.specjal), memo(data.memo), typ(data.typ), wartosc(data.wartosc),
      modyfikator(data.modyfikator), id_(data.id.empty() ? NewId() : data.id),
      connection_(connection) {}

CPoz::~CPoz() {
    // A reference cascade can come back to an entry that is being destroyed (one referring
    // to its own referrer, or an ancestor of its target). Such an entry has already left its
    // parent's list, and the flag makes the cascade pass it by in any case.
    dying_ = true;
    trace("\n CPoz::~CPoz() \n");
    // Records are taken out one at a time: destroying a referrer may remove further
    // records of this entry.
    while (CRefer* record = references_.front()) {
        std::unique_ptr<CRefer> owned = record->Odlaczenie();
        CPoz& other = *record->other_;
        if (CRefer* twin = record->twin_)
            (void)twin->Odlaczenie();
        if (record->ownsOther_)
            destroyReferrer(other);
    }
    target_ = nullptr;
    ownedTarget_.reset();
    handOverChildrenForDestruction();
}

void CPoz::handOverChildrenForDestruction() {
    // Children leave the list one by one, so the destruction of one may still take others
    // out of it (a reference cascade) safely.
    if (awaitingDestruction) {
        while (CPoz* child = front())
            awaitingDestruction->push_back(child->Odlaczenie());
        return;
    }
    std::vector<std::unique_ptr<CPoz>> waiting;
    awaitingDestruction = &waiting;
    while (CPoz* child = front())
        waiting.push_back(child->Odlaczenie());
    // Destroying one adds its children at the end; the index follows the growing list.
    for (std::size_t i = 0; i < waiting.size(); ++i) {
        std::unique_ptr<CPoz> entry = std::move(waiting[i]); // the list may grow meanwhile
        entry.reset();
    }
    awaitingDestruction = nullptr;
}

CPoz* CPoz::parent() const {
    return dynamic_cast<CPoz*>(queue());
}

// --- Searches ----------------------------------------------------------------------

template <class Match> CPoz* CPoz::findChild(Match match) const {
    for (CPoz* child : children())
        if (match(*child))
            return child;
    return nullptr;
}

CPoz* CPoz::FindByKind(int kind) const {
    return findChild([kind](const CPoz& c) { return c.typ == kind; });
}

CPoz* CPoz::FindBySpecjal(std::string_view text) const {
    return findChild([text](const CPoz& c) { return c.specjal == text; });
}

CPoz* CPoz::FindByValue(int value) const {
    return findChild([value](const CPoz& c) { return c.wartosc == value; });
}

CPoz* CPoz::FindByModifier(double modifier) const {
    return findChild([modifier](const CPoz& c) { return c.modyfikator == modifier; });
}

bool CPoz::HasKindOrAncestor(int kind) const {
    for (const CPoz* entry = this; entry; entry = entry->parent())
        if (entry->typ == kind)
            return true;
    return false;
}

bool CPoz::LocateByValue(int value) {
    CPoz* before = nullptr;
    for (CPoz* child : children()) {
        if (child->wartosc == value) {
            SetCursor(child);
            return true;
        }
        if (child->wartosc > value) {
            if (!before) {
                SetCursor(child);
                return false;
            }
            break;
        }
        before = child;
    }
    SetCursor(before ? before : back());
    return true;
}

// --- Changes -----------------------------------------------------------------------

namespace {

bool isNeutral(int valueKind, double modifier, int value) {
    switch (valueKind) {
    case kInteger:
        return value == 0;
    case kPercent:
        return modifier == 1.0;
    case kMixed:
        return (value == 0 && modifier == 0.0) || modifier == 1.0;
    default:
        return false;
    }
}

} // namespace

CPoz& CPoz::AddChild(const EntryData& data) {
    return *Append(std::make_unique<CPoz>(connection_, data));
}

CPoz* CPoz::setOrAddChild(CPoz* existing, const EntryData& data, Neutral neutral, bool* added) {
    if (added)
        *added = false;
    const bool drop = neutral == Neutral::Drop &&
                      isNeutral(valueKindOf(data.typ), data.modyfikator, data.wartosc);
    if (existing) {
        if (drop) {
            (void)existing->Odlaczenie();
            return nullptr;
        }
        existing->info = data.info;
        existing->specjal = data.specjal;
        existing->modyfikator = data.modyfikator;
        existing->wartosc = data.wartosc;
        existing->memo = data.memo;
        return existing;
    }
    if (drop)
        return nullptr;
    CPoz* child = InsertAfter(std::make_unique<CPoz>(connection_, data));
    if (added)
        *added = true;
    return child;
}

CPoz* CPoz::SetOrAdd(const EntryData& data, Neutral neutral, bool* added) {
    return setOrAddChild(FindByKind(data.typ), data, neutral, added);
}

CPoz* CPoz::SetOrAddBySpecjal(const EntryData& data, Neutral neutral, bool* added) {
    return setOrAddChild(FindBySpecjal(data.specjal), data, neutral, added);
}

// --- References --------------------------------------------------------------------

void CPoz::registerReference(CPoz& target) {
    auto mine = std::make_unique<CRefer>(*this, target, false);
    auto theirs = std::make_unique<CRefer>(target, *this, true);
    mine->twin_ = theirs.get();
    theirs->twin_ = mine.get();
    (void)target.references_.Append(std::move(theirs));
    (void)references_.Append(std::move(mine));
}

void CPoz::MakeReference(CPoz& target, bool setLink) {
    registerReference(target);
    specjal = "&" + target.id_;
    if (setLink)
        target_ = &target;
}

void CPoz::destroyReferrer(CPoz& referrer) {
    if (referrer.dying_)
        return;
    if (referrer.target_ == this)
        referrer.target_ = nullptr;
    // An entry in a tree belongs to its parent, which destroys it. A free-standing entry
    // (in no queue, so Odlaczenie hands over nothing) belongs to whoever holds it; it only
    // loses its target.
    (void)referrer.Odlaczenie();
}

void CPoz::dropReferenceRecord(CRefer& record) {
    std::unique_ptr<CRefer> owned = record.Odlaczenie();
    if (CRefer* twin = record.twin_)
        (void)twin->Odlaczenie();
}

void CPoz::AdoptTarget(std::unique_ptr<CPoz> privateTarget) {
    if (ownedTarget_) {
        // Unregister first, or destroying the old copy would destroy this entry.
        CPoz* old = ownedTarget_.get();
        std::vector<CRefer*> records;
        for (CRefer* record : references_)
            if (record->other_ == old)
                records.push_back(record);
        for (CRefer* record : records)
            dropReferenceRecord(*record);
        if (target_ == old)
            target_ = nullptr;
        ownedTarget_.reset();
    }
    if (!privateTarget)
        return;
    registerReference(*privateTarget);
    target_ = privateTarget.get();
    ownedTarget_ = std::move(privateTarget);
}

std::vector<CPoz*> CPoz::referrers() const {
    std::vector<CPoz*> result;
    for (const CRefer* record : references_)
        if (record->ownsOther_)
            result.push_back(record->other_);
    return result;
}

void CPoz::copyEntry(CPoz& source, CPoz& destination, bool makeReferences) {
    destination.wartosc = source.wartosc;
    destination.modyfikator = source.modyfikator;
    destination.typ = source.typ;
    destination.info = source.info;
    destination.specjal = source.specjal;
    destination.memo = source.memo;
    destination.total = source.total;
    if (source.target_) {
        // The copied link is registered like any reference, so it can never outlive its
        // target.
        destination.registerReference(*source.target_);
        destination.target_ = source.target_;
    }
    if (makeReferences)
        destination.MakeReference(source, false);
}

CPoz& CPoz::CopyTree(CPoz& source, CPoz& destination, bool makeReferences, const Filter& filter) {
    copyEntry(source, destination, makeReferences);
    // The copy of each entry's parent, by the depth the walk reports (index 0: destination).
    std::vector<CPoz*> copies{&destination};
    WalkTree(source, [&](CPoz& child, int depth) {
        // The filter applies to the source's own children only.
        if (depth == 1 && filter && !filter(child))
            return false;
        copies.resize(static_cast<std::size_t>(depth));
        CPoz& parent = *copies.back();
        CPoz* copy = parent.Append(std::make_unique<CPoz>(parent.connection_));
        copyEntry(child, *copy, makeReferences);
        copies.push_back(copy);
        return true;
    });
    return destination;
}

std::unique_ptr<CPoz> CPoz::CopyTree(CPoz& source, bool makeReferences, const Filter& filter) {
    auto destination = std::make_unique<CPoz>(source.connection_);
    CopyTree(source, *destination, makeReferences, filter);
    return destination;
}

} // namespace tallar
