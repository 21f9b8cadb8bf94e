#include "model/Entry.h"
#include "model/Trace.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tallar {
namespace {

std::unique_ptr<CPoz> entry(std::string_view info, int typ = 1, int value = 0,
                            double modifier = 1.0) {
    return std::make_unique<CPoz>(nullptr, EntryData{.info = std::string(info),
                                                     .typ = typ,
                                                     .wartosc = value,
                                                     .modyfikator = modifier});
}

std::vector<std::string> labels(const CPoz& parent) {
    std::vector<std::string> result;
    for (const CPoz* child : parent.children())
        result.push_back(child->info);
    return result;
}

using Names = std::vector<std::string>;

TEST(EntryQueue, InsertionsFollowTheCursorAndRemovalMovesIt) {
    CPoz root(nullptr);
    EXPECT_TRUE(root.CursorEmpty());
    root.InsertAfter(entry("b")); // empty list: first, last and current
    root.InsertBefore(entry("a"));
    EXPECT_EQ(root.Current()->info, "a");
    root.Last();
    root.InsertAfter(entry("d")); // after the last: appends
    root.Previous();
    root.InsertAfter(entry("c"));
    EXPECT_EQ(labels(root), (Names{"a", "b", "c", "d"}));
    EXPECT_EQ(root.Current()->info, "c");
    EXPECT_EQ(root.PeekNext()->info, "d");
    EXPECT_EQ(root.PeekPrevious()->info, "b");

    EXPECT_TRUE(root.Usun()); // "c" goes, the cursor moves back to "b"
    EXPECT_EQ(root.Current()->info, "b");
    root.First();
    EXPECT_TRUE(root.Usun()); // the first goes, the cursor moves on to the next
    EXPECT_EQ(root.Current()->info, "b");
    EXPECT_EQ(labels(root), (Names{"b", "d"}));

    EXPECT_EQ(root.Next()->info, "d");
    EXPECT_EQ(root.Next(), nullptr);
    EXPECT_TRUE(root.CursorEmpty());
    EXPECT_FALSE(root.Usun());
    root.UsunAll();
    EXPECT_TRUE(root.empty());
}

TEST(EntryQueue, ChildrenKnowTheirParentAndSiblings) {
    CPoz root(nullptr);
    CPoz* a = root.Append(entry("a", 7));
    CPoz* b = a->Append(entry("b", 9));
    CPoz* c = root.Append(entry("c"));
    EXPECT_EQ(b->parent(), a);
    EXPECT_EQ(a->parent(), &root);
    EXPECT_EQ(root.parent(), nullptr);
    EXPECT_EQ(a->nextInQueue(), c);
    EXPECT_EQ(c->previousInQueue(), a);
    EXPECT_TRUE(b->HasKindOrAncestor(7));
    EXPECT_TRUE(b->HasKindOrAncestor(9));
    EXPECT_FALSE(c->HasKindOrAncestor(7));

    std::unique_ptr<CPoz> taken = a->Odlaczenie();
    EXPECT_EQ(taken.get(), a);
    EXPECT_EQ(a->parent(), nullptr);
    EXPECT_EQ(labels(root), (Names{"c"}));
}

TEST(EntryQueue, TraceLinesGoToTheSinkOnlyWhenOneIsSet) {
    std::ostringstream sink;
    {
        CPoz root(nullptr);
        root.Append(entry("a"));
        root.Append(entry("b"));
        root.Append(entry("c"));
        TraceScope scope(&sink);
        root.First();
        root.Next();
        root.Usun();
    }
    const std::string text = sink.str();
    EXPECT_NE(text.find("\n CPozycja * CKolejka::Usun() \n"), std::string::npos);
    EXPECT_NE(text.find("odlaczenie ze srodka kolejki"), std::string::npos);
    EXPECT_NE(text.find("\n CPoz::~CPoz() \n"), std::string::npos);
    // The scope ended before the root was destroyed: nothing of it was written.
    EXPECT_EQ(text.find("ostatnia z kolejki"), std::string::npos);
    EXPECT_EQ(traceSink(), nullptr);
}

TEST(EntrySearch, SearchesFindTheFirstMatchAndKeepTheCursor) {
    CPoz root(nullptr);
    root.AddChild({.info = "a", .specjal = "x1", .typ = 5, .wartosc = 10, .modyfikator = 0.5});
    root.AddChild({.info = "b", .specjal = "x2", .typ = 6, .wartosc = 20, .modyfikator = 1.5});
    root.AddChild({.info = "c", .specjal = "x2", .typ = 6, .wartosc = 20, .modyfikator = 1.5});
    root.First();
    root.Next();
    EXPECT_EQ(root.FindByKind(6)->info, "b");
    EXPECT_EQ(root.FindBySpecjal("x2")->info, "b");
    EXPECT_EQ(root.FindByValue(10)->info, "a");
    EXPECT_EQ(root.FindByModifier(1.5)->info, "b");
    EXPECT_EQ(root.FindByKind(99), nullptr);
    EXPECT_EQ(root.FindBySpecjal("X2"), nullptr);
    EXPECT_EQ(root.Current()->info, "b");
    CPoz empty(nullptr);
    EXPECT_EQ(empty.FindByKind(0), nullptr);
}

TEST(EntrySearch, LocateByValueKeepsAnAscendingListInOrder) {
    CPoz root(nullptr);
    EXPECT_TRUE(root.LocateByValue(5)); // empty list: append
    const int values[] = {30, 10, 20, 40, 5, 20, 35};
    for (int v : values) {
        auto made = entry(std::to_string(v), 1, v);
        if (root.LocateByValue(v))
            root.InsertAfter(std::move(made));
        else
            root.InsertBefore(std::move(made));
    }
    std::vector<int> order;
    for (const CPoz* child : root.children())
        order.push_back(child->wartosc);
    EXPECT_EQ(order, (std::vector<int>{5, 10, 20, 20, 30, 35, 40}));

    EXPECT_TRUE(root.LocateByValue(30));
    EXPECT_EQ(root.Current()->wartosc, 30);
    EXPECT_TRUE(root.LocateByValue(33)); // belongs after 30
    EXPECT_EQ(root.Current()->wartosc, 30);
    EXPECT_FALSE(root.LocateByValue(1)); // belongs before the first
    EXPECT_EQ(root.Current()->wartosc, 5);
    EXPECT_TRUE(root.LocateByValue(99));
    EXPECT_EQ(root.Current()->wartosc, 40);
}

TEST(EntryData, ChildrenAreMadeFromTheRecordOnTheParentsConnection) {
    auto db = reinterpret_cast<Database*>(0x1); // only compared, never used
    CPoz root(db);
    CPoz& child = root.AddChild({.info = "Rasowa", .typ = 0x3901, .wartosc = 7});
    EXPECT_EQ(root.back(), &child);
    EXPECT_EQ(child.connection(), db);
    EXPECT_EQ(child.id().size(), 30u); // a new identifier
    EXPECT_NE(child.id(), root.id());
    // What the record leaves out is an empty entry's: no texts, modifier 0.
    EXPECT_EQ(child.specjal, "");
    EXPECT_EQ(child.memo, "");
    EXPECT_EQ(child.modyfikator, 0.0);
    EXPECT_EQ(child.wartosc, 7);

    CPoz& named = child.AddChild({.id = "123", .memo = "0|ulom"});
    EXPECT_EQ(named.id(), "123");
    EXPECT_EQ(named.connection(), db);
    EXPECT_EQ(named.typ, 0);
    EXPECT_EQ(named.memo, "0|ulom");
}

TEST(EntrySetOrAdd, NeutralDataDropOrSkipAndNewChildrenFollowTheCursor) {
    CPoz root(nullptr);
    root.Append(entry("first", 100));
    root.Append(entry("last", 200));
    root.First();
    bool added = false;
    CPoz* made =
        root.SetOrAdd({.info = "int", .typ = 0x31, .wartosc = 5, .modyfikator = 1.0, .memo = "m"},
                      Neutral::Drop, &added);
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(added);
    EXPECT_EQ(labels(root), (Names{"first", "int", "last"}));

    // Existing child: data replaced, kind and identifier kept.
    const std::string id = made->id();
    root.Last();
    CPoz* again = root.SetOrAdd({.id = "other",
                                 .info = "int2",
                                 .specjal = "s",
                                 .typ = 0x31,
                                 .wartosc = 7,
                                 .modyfikator = 2.0,
                                 .memo = "n"},
                                Neutral::Drop, &added);
    EXPECT_EQ(again, made);
    EXPECT_FALSE(added);
    EXPECT_EQ(made->id(), id);
    EXPECT_EQ(made->info, "int2");
    EXPECT_EQ(made->specjal, "s");
    EXPECT_EQ(made->wartosc, 7);
    EXPECT_EQ(made->modyfikator, 2.0);
    EXPECT_EQ(made->memo, "n");

    // Value 0 of an integer kind removes it, and makes none when absent.
    EXPECT_EQ(
        root.SetOrAdd({.info = "int", .typ = 0x31, .modyfikator = 1.0}, Neutral::Drop, &added),
        nullptr);
    EXPECT_EQ(labels(root), (Names{"first", "last"}));
    EXPECT_EQ(
        root.SetOrAdd({.info = "int", .typ = 0x31, .modyfikator = 1.0}, Neutral::Drop, &added),
        nullptr);
    EXPECT_FALSE(added);
    EXPECT_EQ(root.size(), 2u);
    // Without the rule neutral data are kept.
    EXPECT_NE(
        root.SetOrAdd({.info = "int", .typ = 0x31, .modyfikator = 1.0}, Neutral::Keep, &added),
        nullptr);

    // Percentages are neutral at 1.0; kind 3 at 1.0 or at value 0 with modifier 0.
    EXPECT_EQ(
        root.SetOrAdd({.info = "p", .typ = 0x42, .wartosc = 9, .modyfikator = 1.0}, Neutral::Drop),
        nullptr);
    EXPECT_NE(root.SetOrAdd({.info = "p", .typ = 0x42}, Neutral::Drop), nullptr);
    EXPECT_EQ(root.SetOrAdd({.info = "m", .typ = 0x53}, Neutral::Drop), nullptr);
    EXPECT_EQ(
        root.SetOrAdd({.info = "m", .typ = 0x53, .wartosc = 4, .modyfikator = 1.0}, Neutral::Drop),
        nullptr);
    EXPECT_NE(root.SetOrAdd({.info = "m", .typ = 0x53, .wartosc = 4}, Neutral::Drop), nullptr);
    // Other value kinds are never neutral.
    EXPECT_NE(root.SetOrAdd({.info = "y", .typ = 0x64, .modyfikator = 1.0}, Neutral::Drop),
              nullptr);

    // The second form finds the child by its key text.
    CPoz* keyed = root.SetOrAddBySpecjal(
        {.info = "k", .specjal = "KEY", .typ = 0x31, .wartosc = 3, .modyfikator = 1.0},
        Neutral::Drop);
    EXPECT_EQ(root.SetOrAddBySpecjal(
                  {.info = "k2", .specjal = "KEY", .typ = 0x71, .wartosc = 8, .modyfikator = 1.0},
                  Neutral::Drop),
              keyed);
    EXPECT_EQ(keyed->info, "k2");
    EXPECT_EQ(keyed->typ, 0x31);
    EXPECT_EQ(root.SetOrAddBySpecjal(
                  {.info = "k", .specjal = "KEY", .typ = 0x31, .modyfikator = 1.0}, Neutral::Drop),
              nullptr);
    EXPECT_EQ(root.FindBySpecjal("KEY"), nullptr);
}

// Counts the entries destroyed, to prove none goes twice and none is missed.
int destroyed = 0;
struct Counted : CPoz {
    explicit Counted(std::string_view label)
        : CPoz(nullptr, {.info = std::string(label), .typ = 9, .modyfikator = 1.0}) {}
    ~Counted() override { ++destroyed; }
};

TEST(EntryReference, DestroyingATargetDestroysItsReferrersOnce) {
    destroyed = 0;
    CPoz root(nullptr);
    CPoz* target = root.Append(std::make_unique<Counted>("target"));
    CPoz* holder = root.Append(entry("holder", 0));
    CPoz* first = holder->Append(std::make_unique<Counted>("first"));
    CPoz* second = holder->Append(std::make_unique<Counted>("second"));
    CPoz* chained = root.Append(std::make_unique<Counted>("chained"));
    first->MakeReference(*target, true);
    second->MakeReference(*target, false);
    chained->MakeReference(*first, true); // destroyed when "first" goes
    EXPECT_EQ(first->specjal, "&" + target->id());
    EXPECT_EQ(first->target(), target);
    EXPECT_EQ(second->target(), nullptr);
    EXPECT_EQ(target->referrers(), (std::vector<CPoz*>{first, second}));

    root.First();
    root.Usun();
    EXPECT_EQ(destroyed, 4);
    EXPECT_TRUE(holder->empty());
    EXPECT_EQ(labels(root), (Names{"holder"}));
}

TEST(EntryReference, DestroyingAReferrerUnregistersIt) {
    destroyed = 0;
    CPoz root(nullptr);
    CPoz* target = root.Append(std::make_unique<Counted>("target"));
    CPoz* referrer = root.Append(std::make_unique<Counted>("referrer"));
    referrer->MakeReference(*target, true);
    root.Last();
    root.Usun();
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(target->referrers().empty());
    root.UsunAll();
    EXPECT_EQ(destroyed, 2);
}

TEST(EntryReference, CyclesAndAncestorsAreDestroyedOnce) {
    destroyed = 0;
    {
        CPoz root(nullptr);
        // Mutual references, a reference to an ancestor, one to itself, and a descendant
        // referring to its ancestor.
        CPoz* a = root.Append(std::make_unique<Counted>("a"));
        CPoz* b = root.Append(std::make_unique<Counted>("b"));
        CPoz* inner = a->Append(std::make_unique<Counted>("inner"));
        a->MakeReference(*b, true);
        b->MakeReference(*a, true);
        inner->MakeReference(*a, true);
        a->MakeReference(*inner, false);
        inner->MakeReference(*inner, true);
        CPoz* deep = inner->Append(std::make_unique<Counted>("deep"));
        b->MakeReference(*deep, false);
    }
    EXPECT_EQ(destroyed, 4);
}

TEST(EntryReference, AFreeStandingReferrerOutlivesItsTargetWithoutALink) {
    destroyed = 0;
    auto target = std::make_unique<Counted>("target");
    Counted referrer("free");
    referrer.MakeReference(*target, true);
    target.reset();
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(referrer.target(), nullptr);
    EXPECT_EQ(referrer.specjal.front(), '&'); // the key text stays
}

TEST(EntryReference, AnOwnedPrivateTargetGoesWithItsOwner) {
    destroyed = 0;
    {
        CPoz root(nullptr);
        CPoz* owner = root.Append(entry("owner", 9));
        owner->AdoptTarget(std::make_unique<Counted>("copy"));
        EXPECT_TRUE(owner->ownsTarget());
        owner->AdoptTarget(std::make_unique<Counted>("copy 2")); // the first copy goes
        EXPECT_EQ(destroyed, 1);
        EXPECT_EQ(root.size(), 1u); // the owner survived its old copy
    }
    EXPECT_EQ(destroyed, 2);
}

// Destroying a target destroys its referrers; a loop over their siblings goes on with the
// entries still there (the sanitizer build catches a step onto a freed entry).
TEST(EntryReference, ALoopOverChildrenGoesOnWhileReferrersDie) {
    destroyed = 0;
    CPoz elsewhere(nullptr);
    CPoz* far = elsewhere.Append(std::make_unique<Counted>("far"));
    CPoz root(nullptr);
    root.Append(entry("keep0"));
    CPoz* current = root.Append(std::make_unique<Counted>("current"));
    CPoz* target = root.Append(std::make_unique<Counted>("target"));
    CPoz* next = root.Append(std::make_unique<Counted>("next"));
    root.Append(entry("keep"));
    CPoz* last = root.Append(std::make_unique<Counted>("last"));
    current->MakeReference(*far, true);
    next->MakeReference(*target, true);
    last->MakeReference(*target, false);

    Names visited;
    for (CPoz* child : root.children()) {
        visited.push_back(child->info);
        if (child == current)
            elsewhere.UsunAll(); // "far" takes the entry being visited with it
        else if (child == target)
            child->Odlaczenie().reset(); // takes "next", the following sibling, and "last"
    }
    // keep0; current (dies: the loop steps back to keep0); target (dies with next and last:
    // back to keep0 again); keep.
    EXPECT_EQ(visited, (Names{"keep0", "current", "target", "keep"}));
    EXPECT_EQ(labels(root), (Names{"keep0", "keep"}));
    EXPECT_EQ(destroyed, 5); // far, current, target, next, last
}

TEST(EntryReference, AWalkOverTheTreeGoesOnWhileEntriesDie) {
    destroyed = 0;
    CPoz root(nullptr);
    CPoz* a = root.Append(entry("a"));
    CPoz* first = a->Append(std::make_unique<Counted>("a1"));
    first->Append(std::make_unique<Counted>("a1x"));
    a->Append(entry("a2"));
    CPoz* target = root.Append(std::make_unique<Counted>("t"));
    root.Append(entry("b"));
    first->MakeReference(*target, true);

    Names visited;
    WalkTree(root, [&](CPoz& visitedEntry, int depth) {
        visited.push_back(visitedEntry.info + "/" + std::to_string(depth));
        if (&visitedEntry == first)
            target->Odlaczenie().reset(); // "t", the next entry at depth 1, takes "a1" along
    });
    // a1 goes while visited: its child is not walked, a2 follows; "t" is gone, b follows a.
    EXPECT_EQ(visited, (Names{"a/1", "a1/2", "a2/2", "b/1"}));
    EXPECT_EQ(destroyed, 3); // t, a1, a1x
}

TEST(EntryCopy, CopyTreeCopiesDataFiltersTheFirstLevelAndMakesReferences) {
    CPoz root(nullptr);
    CPoz* target = root.Append(entry("target", 1, 4));
    CPoz* source = &root.AddChild({.info = "src",
                                   .specjal = "S",
                                   .typ = 0x21,
                                   .wartosc = 3,
                                   .modyfikator = 1.5,
                                   .memo = "m"});
    source->total = 42.0;
    CPoz* keep = source->Append(entry("keep", 1, 1));
    keep->Append(entry("drop", 1, 2)); // below the first level the filter does not apply
    source->Append(entry("drop", 1, 2));
    CPoz* ref = source->Append(entry("ref", 9));
    ref->MakeReference(*target, true);

    auto copy =
        CPoz::CopyTree(*source, true, [](const CPoz& child) { return child.info != "drop"; });
    EXPECT_NE(copy->id(), source->id());
    EXPECT_EQ(copy->info, "src");
    EXPECT_EQ(copy->typ, 0x21);
    EXPECT_EQ(copy->wartosc, 3);
    EXPECT_EQ(copy->modyfikator, 1.5);
    EXPECT_EQ(copy->memo, "m");
    EXPECT_EQ(copy->total, 42.0);
    EXPECT_EQ(copy->specjal, "&" + source->id()); // refers to its source
    EXPECT_EQ(labels(*copy), (Names{"keep", "ref"}));
    EXPECT_EQ(labels(*copy->front()), (Names{"drop"}));
    CPoz* copiedRef = copy->back();
    EXPECT_EQ(copiedRef->target(), target);

    // The copy follows its sources: destroying the target destroys the copied reference.
    root.First();
    root.Usun();
    EXPECT_EQ(labels(*copy), (Names{"keep"}));
    EXPECT_EQ(labels(*source), (Names{"keep", "drop"}));
}

} // namespace
} // namespace tallar
