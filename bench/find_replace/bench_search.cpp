// Replace all and find next on large pages, with sed doing the same replacement beside them.

#include "big_document.h"
#include "features/find_replace/document_search.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

namespace {

void replaceAll(benchmark::State& state, bool matchCase) {
    const QString* text = bigDocumentText(int(state.range(0)));
    if (!text) {
        state.SkipWithError("make_big.py failed");
        return;
    }
    qsizetype replaced = 0;
    for (auto _ : state) {
        state.PauseTiming();
        MemoryBuffer buffer(*text);
        state.ResumeTiming();
        replaced = DocumentSearch::replaceAll(
            buffer, {QStringLiteral("<td"), QStringLiteral("<TD"), matchCase});
    }
    state.counters["replaced"] = double(replaced);
    state.SetBytesProcessed(state.iterations() * text->size() * qint64(sizeof(QChar)));
}

void BM_ReplaceAllMatchCase(benchmark::State& state) {
    replaceAll(state, true);
}

void BM_ReplaceAllIgnoringCase(benchmark::State& state) {
    replaceAll(state, false);
}

// The peer: GNU sed over the same file, output thrown away.
void BM_SedReplaceAll(benchmark::State& state, const char* script) {
    const QString path = bigDocument(int(state.range(0)));
    const QString sed = QStandardPaths::findExecutable(QStringLiteral("sed"));
    if (path.isEmpty() || sed.isEmpty()) {
        state.SkipWithError("no document or no sed");
        return;
    }
    for (auto _ : state) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(sed, {QLatin1String(script), path});
        process.waitForFinished(-1);
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

// F3 from the start to a word that stands only near the end.
void BM_FindNextNearEnd(benchmark::State& state) {
    const QString* text = bigDocumentText(int(state.range(0)));
    if (!text) {
        state.SkipWithError("make_big.py failed");
        return;
    }
    MemoryBuffer buffer(*text + QStringLiteral(" zzfindme"));
    ScriptedPrompter prompter;
    MessageTable messages;
    const CommandContext context{buffer, prompter, messages};
    for (auto _ : state) {
        DocumentSearch search;
        buffer.setSelStart(0);
        benchmark::DoNotOptimize(search.find(context, {"ZZFINDME", false, true}));
    }
    state.SetBytesProcessed(state.iterations() * text->size() * qint64(sizeof(QChar)));
}

} // namespace

BENCHMARK(BM_ReplaceAllMatchCase)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllIgnoringCase)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SedReplaceAll, match_case, "s/<td/<TD/g")
    ->Arg(10)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_SedReplaceAll, ignoring_case, "s/<td/<TD/gI")
    ->Arg(10)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_FindNextNearEnd)->Arg(10)->Unit(benchmark::kMillisecond);
