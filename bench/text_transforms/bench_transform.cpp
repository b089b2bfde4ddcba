// Whole-document rewrites of the edit menu on large pages: removing and inserting line breaks
// (with script and style blocks masked and restored) and removing hyphenation.

#include "big_document.h"
#include "features/text_transforms/hyphenation.h"
#include "features/text_transforms/line_feeds.h"
#include "foundation/document/document_file.h"
#include "foundation/markup/protected_blocks.h"

#include <QMap>

#include <benchmark/benchmark.h>

namespace {

template <typename Rewrite> void runRewrite(benchmark::State& state, Rewrite rewrite) {
    const QString* text = bigDocumentText(int(state.range(0)));
    if (!text) {
        state.SkipWithError("make_big.py failed");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(rewrite(*text));
    state.SetBytesProcessed(state.iterations() * text->size() * qint64(sizeof(QChar)));
}

void BM_RemoveLineFeeds(benchmark::State& state) {
    runRewrite(state, [](const QString& t) { return removeLineFeeds(t); });
}

void BM_InsertLineFeeds(benchmark::State& state) {
    runRewrite(state, [](const QString& t) { return insertLineFeeds(t); });
}

void BM_RemoveHyphenation(benchmark::State& state) {
    int removed = 0;
    runRewrite(state, [&removed](const QString& t) {
        HyphenRemoval r = removeHyphenation(t);
        removed = r.count;
        return r.text;
    });
    state.counters["removed"] = removed;
}

void BM_MaskAndRestoreBlocks(benchmark::State& state) {
    runRewrite(state, [](const QString& t) {
        ProtectedBlockLists lists;
        return restoreStyleAndScript(maskScriptAndStyle(t, lists), lists);
    });
}

} // namespace

BENCHMARK(BM_RemoveLineFeeds)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertLineFeeds)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveHyphenation)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MaskAndRestoreBlocks)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
