#pragma once

// For the benchmarks that time the editor's window: the window with a page open, in a home of
// its own, and the main of such a benchmark program.

#include "big_document.h"
#include "foundation/messages/scripted_prompter.h"
#include "platform/desktop_platform.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

struct OpenWindow {
    QTemporaryDir home;
    DesktopPlatform platform;
    ScriptedPrompter prompter;
    std::unique_ptr<MainWindow> window;
    bool shown = false;

    explicit OpenWindow(const QString& path) {
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toUtf8());
        window = std::make_unique<MainWindow>(platform, &prompter);
        window->resize(1000, 700);
        window->show();
        window->startUp({path});
        shown = QTest::qWaitForWindowExposed(window.get());
    }
};

// The window (OpenWindow or a fixture derived from it) with the benchmark's page of
// state.range(0) MiB open, or null once the benchmark is told why there is none.
template <typename Window = OpenWindow>
std::unique_ptr<Window> openBigPage(benchmark::State& state) {
    const QString path = bigDocument(int(state.range(0)));
    if (path.isEmpty()) {
        state.SkipWithError("make_big.py failed");
        return nullptr;
    }
    auto open = std::make_unique<Window>(path);
    if (!open->shown) {
        state.SkipWithError("window not shown");
        return nullptr;
    }
    return open;
}

// Offscreen unless the caller chose a platform.
inline int runWindowBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
