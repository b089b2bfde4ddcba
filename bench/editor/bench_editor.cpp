// Opening and saving large documents through the QScintilla adapter, the editor's start to
// its first shown window, caret moves in a large page, and whole-document commands with their
// undo as the window runs them.

#include "big_document.h"
#include "editor/scintilla_buffer.h"
#include "features/tables/element_locator.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/document_file.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"
#include "open_window.h"
#include "platform/desktop_platform.h"
#include "shell/main_window.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

void BM_EditorOpen(benchmark::State& state) {
    const QString path = bigDocument(int(state.range(0)));
    if (path.isEmpty()) {
        state.SkipWithError("make_big.py failed");
        return;
    }
    QsciScintilla editor;
    ScintillaBuffer buffer(&editor);
    for (auto _ : state) {
        std::optional<LoadedDocument> doc = loadDocumentFile(path);
        buffer.loadText(doc->text);
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

void BM_EditorSave(benchmark::State& state) {
    const QString path = bigDocument(int(state.range(0)));
    std::optional<LoadedDocument> doc = path.isEmpty() ? std::nullopt : loadDocumentFile(path);
    if (!doc) {
        state.SkipWithError("no document");
        return;
    }
    QsciScintilla editor;
    ScintillaBuffer buffer(&editor);
    buffer.loadText(doc->text);
    const QString target = scratchFolder().filePath(QStringLiteral("editor-saved.html"));
    for (auto _ : state)
        writeFileSafely(target, encodeDocument(buffer.text(), doc->format));
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

// The select-cell command as the window runs it: the text comes out of the control first.
void BM_SelectCellInEditorNearEnd(benchmark::State& state) {
    const QString path = bigDocument(int(state.range(0)));
    std::optional<LoadedDocument> doc = path.isEmpty() ? std::nullopt : loadDocumentFile(path);
    if (!doc) {
        state.SkipWithError("no document");
        return;
    }
    const qsizetype cell = doc->text.lastIndexOf(QLatin1String("<td"));
    if (cell < 0) {
        state.SkipWithError("no table cell in the page");
        return;
    }
    QsciScintilla editor;
    ScintillaBuffer buffer(&editor);
    buffer.loadText(doc->text);
    ScriptedPrompter prompter;
    MessageTable messages;
    const int caret = int(doc->text.indexOf(QLatin1Char('>'), cell)) + 1;
    for (auto _ : state) {
        buffer.setSelStart(caret);
        benchmark::DoNotOptimize(
            selectEnclosingElement(CommandContext{buffer, prompter, messages}, cellTags()));
    }
}

void BM_StartUpToFirstShownWindow(benchmark::State& state) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    DesktopPlatform platform;
    for (auto _ : state) {
        ScriptedPrompter prompter;
        MainWindow window(platform, &prompter);
        window.show();
        window.startUp({});
        if (!QTest::qWaitForWindowExposed(&window))
            state.SkipWithError("window not shown");
    }
}

// Runs the step as the user's click would, then paints: what the user waits for.
double windowMilliseconds(MainWindow& window, const std::function<void()>& step) {
    QElapsedTimer clock;
    clock.start();
    step();
    QCoreApplication::processEvents();
    window.editor()->viewport()->repaint();
    return double(clock.nsecsElapsed()) / 1e6;
}

// Remove line feeds (0) or insert line feeds (1) in the window on the page of the given size,
// each followed by undo; the counters give each step alone.
void BM_WindowCommandAndUndo(benchmark::State& state) {
    const std::unique_ptr<OpenWindow> open = openBigPage(state);
    if (!open)
        return;
    MainWindow& window = *open->window;
    auto action = [&](const char* name) { return window.findChild<QAction*>(QLatin1String(name)); };
    const char* commandItem = state.range(1) == 0 ? "removeLineFeedsItem" : "insertLineFeedsItem";
    double commandTotal = 0;
    double undoTotal = 0;
    for (auto _ : state) {
        commandTotal += windowMilliseconds(window, [&] { action(commandItem)->trigger(); });
        undoTotal += windowMilliseconds(window, [&] { action("undoItem")->trigger(); });
    }
    state.counters["command_ms"] = commandTotal / double(state.iterations());
    state.counters["undo_ms"] = undoTotal / double(state.iterations());
}

// Caret moves by key in the window on the page of the given size: the first Ctrl+End (the
// first look at the end), then rounds of Ctrl+Home, Page Down, a jump to the middle and
// Ctrl+End; the counters give each move alone.
void BM_WindowCaretMoves(benchmark::State& state) {
    const std::unique_ptr<OpenWindow> open = openBigPage(state);
    if (!open)
        return;
    MainWindow& window = *open->window;
    QsciScintilla* editor = window.editor();
    auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return windowMilliseconds(window, [&] { QTest::keyClick(editor, k, modifiers); });
    };
    state.counters["first_end_ms"] = key(Qt::Key_End, Qt::ControlModifier);
    const long middle = editor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH) / 2;
    double home = 0, pageDown = 0, toMiddle = 0, end = 0;
    for (auto _ : state) {
        home += key(Qt::Key_Home, Qt::ControlModifier);
        pageDown += key(Qt::Key_PageDown);
        toMiddle += windowMilliseconds(
            window, [&] { editor->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, middle); });
        end += key(Qt::Key_End, Qt::ControlModifier);
    }
    const double rounds = double(state.iterations());
    state.counters["home_ms"] = home / rounds;
    state.counters["page_down_ms"] = pageDown / rounds;
    state.counters["middle_ms"] = toMiddle / rounds;
    state.counters["end_ms"] = end / rounds;
}

} // namespace

BENCHMARK(BM_WindowCaretMoves)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WindowCommandAndUndo)
    ->ArgsProduct({{10}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_EditorOpen)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditorSave)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectCellInEditorNearEnd)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpToFirstShownWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv);
}
