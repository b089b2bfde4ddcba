// The style command and the DIV dialog's look-ups on large pages: each reads the whole text
// once and should cost no more than a few passes over it, wherever the match lies.

#include "big_document.h"
#include "features/styles/css_markup.h"
#include "features/styles/div_markup.h"
#include "foundation/document/memory_buffer.h"

#include <benchmark/benchmark.h>

namespace {

const QString* pageText(benchmark::State& state) {
    const QString* text = bigDocumentText(int(state.range(0)));
    if (!text)
        state.SkipWithError("make_big.py failed");
    return text;
}

// headless: the closing head tag removed, so the search runs to the end of the text.
void runStyleCommand(benchmark::State& state, bool headless) {
    const QString* text = pageText(state);
    if (!text)
        return;
    QString page = *text;
    if (headless)
        page.replace(QStringLiteral("</head>"), QStringLiteral("</hed>"), Qt::CaseInsensitive);
    CssFields fields;
    const QString style = composeStyle(fields, false);
    MemoryBuffer editor;
    for (auto _ : state) {
        state.PauseTiming();
        editor.loadText(page);
        editor.setSelStart(int(page.size()) / 2);
        state.ResumeTiming();
        insertStyleElement(editor, style);
    }
    state.SetBytesProcessed(state.iterations() * page.size() * 2);
}

void BM_StyleCommandBeforeHead(benchmark::State& state) {
    runStyleCommand(state, false);
}

void BM_StyleCommandWithoutHead(benchmark::State& state) {
    runStyleCommand(state, true);
}

void BM_CollectStyleBlocks(benchmark::State& state) {
    const QString* text = pageText(state);
    if (!text)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(collectStyleBlocks(*text));
    state.SetBytesProcessed(state.iterations() * text->size() * 2);
}

void BM_MissingRuleLookup(benchmark::State& state) {
    const QString* text = pageText(state);
    if (!text)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(lookUpStyle(*text, SelectorKind::Class, u"noSuchClass"));
    state.SetBytesProcessed(state.iterations() * text->size() * 2);
}

} // namespace

BENCHMARK(BM_StyleCommandBeforeHead)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StyleCommandWithoutHead)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CollectStyleBlocks)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MissingRuleLookup)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
