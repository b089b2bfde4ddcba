// Keystroke latency in the real window while the recovery journal follows the typing: every
// key is timed until the window is idle again, and the slowest is reported beside the mean.
// The 300th key of a run takes the journal's snapshot of the whole document.

#include "features/recovery/journal_store.h"
#include "features/recovery/journal_writer.h"
#include "features/recovery/recovery_actions.h"
#include "foundation/document/document.h"
#include "open_window.h"
#include "shell/main_window.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// The window with a large document open, typed into once and idle again.
struct TypedWindow : OpenWindow {
    explicit TypedWindow(const QString& path) : OpenWindow(path) {
        QTest::keyClick(window->editor(), Qt::Key_A);
        QTest::qWait(1000);
    }
};

void BM_TypingWithJournal(benchmark::State& state) {
    const std::unique_ptr<TypedWindow> open = openBigPage<TypedWindow>(state);
    if (!open)
        return;
    MainWindow& window = *open->window;

    double slowest = 0;
    QElapsedTimer key;
    for (auto _ : state) {
        key.start();
        QTest::keyClick(window.editor(), Qt::Key_A);
        QApplication::processEvents();
        slowest = std::max(slowest, key.nsecsElapsed() / 1e6);
    }
    state.counters["slowest_ms"] = slowest;
}

// What a journal write costs the window's thread: the snapshot of the whole text. The disk
// work runs on the journal's thread and is waited for outside the timing.
void BM_JournalSnapshotOnWindowThread(benchmark::State& state) {
    const std::unique_ptr<TypedWindow> open = openBigPage<TypedWindow>(state);
    if (!open)
        return;
    auto* recovery = open->window->findChild<RecoveryActions*>();
    for (auto _ : state) {
        recovery->documentWriter().writeNow();
        state.PauseTiming();
        recovery->store().flush();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_TypingWithJournal)
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Iterations(900)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JournalSnapshotOnWindowThread)
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv);
}
