// The element locator and cell merging with the caret in the last table cell of large pages,
// where only the text around the caret should cost anything; and the locator on a scan over
// the whole text and on nesting built to make its loop slow.

#include "big_document.h"
#include "features/tables/cell_merge.h"
#include "features/tables/element_locator.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/document_file.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"
#include "foundation/text/text_search.h"

#include <QMap>

#include <benchmark/benchmark.h>

namespace {

// The last cell's opening tag, searched backwards from the end.
qsizetype lastCell(const QString& text) {
    return lastIndexOfIgnoreAsciiCase(text, u"<td", 0);
}

struct Page {
    MemoryBuffer editor;
    ScriptedPrompter prompter;
    MessageTable messages;
    int cell = -1;
    int caret = -1;
    CommandContext context() { return {editor, prompter, messages}; }
};

std::unique_ptr<Page> pageWithCaret(benchmark::State& state) {
    const QString* text = bigDocumentText(int(state.range(0)));
    if (!text) {
        state.SkipWithError("make_big.py failed");
        return nullptr;
    }
    auto page = std::make_unique<Page>();
    page->editor.loadText(*text);
    page->cell = int(lastCell(*text));
    page->caret = page->cell < 0 ? -1 : int(text->indexOf(QLatin1Char('>'), page->cell)) + 1;
    if (page->caret <= 0) {
        state.SkipWithError("no table cell in the page");
        return nullptr;
    }
    return page;
}

void runSelect(benchmark::State& state, const ElementTags& tags) {
    std::unique_ptr<Page> page = pageWithCaret(state);
    if (!page)
        return;
    for (auto _ : state) {
        page->editor.setSelStart(page->caret);
        benchmark::DoNotOptimize(selectEnclosingElement(page->context(), tags));
    }
    state.counters["selected"] = page->editor.selLength();
}

void BM_SelectCellNearEnd(benchmark::State& state) {
    runSelect(state, cellTags());
}

void BM_SelectTableNearEnd(benchmark::State& state) {
    runSelect(state, tableTags());
}

// No form anywhere: the backward scan runs from the caret to the start of the text.
void BM_SelectFormScansWholeText(benchmark::State& state) {
    std::unique_ptr<Page> page = pageWithCaret(state);
    if (!page)
        return;
    QString text = page->editor.text();
    text.replace(QLatin1String("<form"), QLatin1String("<xorm"), Qt::CaseInsensitive);
    page->editor.loadText(text);
    for (auto _ : state) {
        page->editor.setSelStart(page->caret);
        benchmark::DoNotOptimize(selectEnclosingElement(page->context(), formTags()));
    }
    state.SetBytesProcessed(state.iterations() * qint64(page->caret) * qint64(sizeof(QChar)));
}

// Merges the caret's cell with the one in front of it, then undoes: the merge itself only
// reads the selection; replacing it in a large buffer is the buffer's cost.
void BM_MergeTwoCellsNearEnd(benchmark::State& state) {
    std::unique_ptr<Page> page = pageWithCaret(state);
    if (!page)
        return;
    const QString text = page->editor.text();
    const qsizetype previous =
        lastIndexOfIgnoreAsciiCase(QStringView(text).first(page->cell), u"<td", 0);
    const qsizetype close = indexOfIgnoreAsciiCase(text, u"</td>", page->caret);
    if (previous < 0 || close < 0) {
        state.SkipWithError("no two cells near the end");
        return;
    }
    const int start = int(previous);
    const int end = int(close + 5);
    for (auto _ : state) {
        page->editor.select(start, end);
        mergeSelectedCells(page->context());
        page->editor.undo();
    }
    state.counters["selection"] = end - start;
}

// "</table" repeated inside a cell ahead of one nested table: a step-by-step loop would search
// the rest of the cell again for every one of them.
void BM_LocateAcrossManyStrayClosingTables(benchmark::State& state) {
    QString text = QStringLiteral("x<td>a");
    const int strays = int(state.range(0));
    text.reserve(strays * 7 + 64);
    for (int i = 0; i < strays; ++i)
        text += QStringLiteral("</table");
    text += QStringLiteral("<table></td>y</td>z");
    for (auto _ : state)
        benchmark::DoNotOptimize(locateEnclosingElement(text, 6, u"<td", u"</td>"));
    state.SetBytesProcessed(state.iterations() * text.size() * qint64(sizeof(QChar)));
}

} // namespace

BENCHMARK(BM_SelectCellNearEnd)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectTableNearEnd)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectFormScansWholeText)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeTwoCellsNearEnd)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LocateAcrossManyStrayClosingTables)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
