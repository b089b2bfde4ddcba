#pragma once

// For the benchmarks that time the editor's window: the window with a page open, in a home of
// its own, and the main of such a benchmark program.

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
