#include "CharacterFixture.h"
#include "model/TreeSnapshot.h"
#include "preview/PreviewCommand.h"

#include <benchmark/benchmark.h>

// The preview keeps a snapshot of the whole character before and after every change, so
// that the change can be undone: what a snapshot costs, and a whole undoable deletion.
namespace tallar {
namespace {

int entries(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

void BM_SnapshotCapture(benchmark::State& state) {
    Fixture f(entries(state));
    for (auto _ : state) {
        CharacterSnapshot snapshot = CharacterSnapshot::capture(*f.hero);
        benchmark::DoNotOptimize(snapshot.entryCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Putting a snapshot back: the old tree destroyed, the new one built with its references.
void BM_SnapshotRestore(benchmark::State& state) {
    Fixture f(entries(state));
    const CharacterSnapshot snapshot = CharacterSnapshot::capture(*f.hero);
    for (auto _ : state) {
        snapshot.restore(*f.hero);
        benchmark::DoNotOptimize(f.hero->front());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// One undoable change as the preview makes it: a bag deleted with the two snapshots, then
// undone and done again.
void BM_DeleteUndoRedo(benchmark::State& state) {
    Fixture f(entries(state));
    for (auto _ : state) {
        PreviewCommand command(*f.hero, "Usunięcie", [&f] {
            CPoz* carried = f.hero->link(kLinkEkwipunek)->front();
            (void)carried->back()->Odlaczenie();
            f.hero->RecalculateCharacter();
            return true;
        });
        command.redo();
        command.undo();
        command.redo();
        command.undo();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_SnapshotCapture)->Arg(100)->Arg(2000)->Arg(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SnapshotRestore)->Arg(100)->Arg(2000)->Arg(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeleteUndoRedo)->Arg(100)->Arg(2000)->Arg(5000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tallar
