// The recovery journal's disk work on large documents: what its own thread spends per write,
// synced to disk as every journal is.

#include "big_document.h"
#include "features/recovery/journal.h"
#include "features/recovery/journal_store.h"

#include <benchmark/benchmark.h>

namespace {

void BM_JournalDurableWrite(benchmark::State& state) {
    const QString* text = bigDocumentText(int(state.range(0)));
    if (!text) {
        state.SkipWithError("no document");
        return;
    }
    Journal journal;
    journal.fileName = QStringLiteral("/tmp/big.html");
    journal.written = QDateTime::currentDateTimeUtc();
    journal.text = text->toUtf8();
    const QString path = scratchFolder().filePath(QStringLiteral("big.document.journal"));
    for (auto _ : state)
        JournalStore::writeDurably(path, journalHeader(journal), journal.text);
    state.SetBytesProcessed(state.iterations() * journal.text.size());
}

} // namespace

BENCHMARK(BM_JournalDurableWrite)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
