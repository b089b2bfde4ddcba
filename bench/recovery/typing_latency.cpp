// Keystroke latency in the real window while the recovery journal follows the typing: every
// key is timed until the window is idle again, and the slowest is reported beside the mean.
// The 300th key of a run takes the journal's snapshot of the whole document.

#include "big_document.h"
#include "foundation/document/document.h"
#include "foundation/messages/scripted_prompter.h"
#include "platform/desktop_platform.h"
#include "shell/main_window.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

void BM_TypingWithJournal(benchmark::State& state) {
    const QString path = bigDocument(int(state.range(0)));
    if (path.isEmpty()) {
        state.SkipWithError("make_big.py failed");
        return;
    }
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toUtf8());
    DesktopPlatform platform;
    ScriptedPrompter prompter;
    MainWindow window(platform, &prompter);
    window.show();
    window.startUp({path});
    QTest::qWaitForWindowExposed(&window);
    QApplication::processEvents();

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

} // namespace

BENCHMARK(BM_TypingWithJournal)
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Iterations(900)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
