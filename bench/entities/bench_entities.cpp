// Replacing umlauts in large pages (one pass over the text) next to sed with the same ten
// substitutions on the same file; our figure carries its ratio to sed's as "x_peer".

#include "big_document.h"
#include "features/entities/entities.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <map>

namespace {

using Clock = std::chrono::steady_clock;

std::map<int, double> sedSeconds;

QString sedCommand(const QString& path) {
    QString command = QStringLiteral("sed");
    for (const UmlautRow& row : umlautRows())
        command += QStringLiteral(" -e 's/%1/\\%2/g'")
                       .arg(QString(QChar(row.character)), QString(row.entity).mid(1));
    return command + QStringLiteral(" '%1' > /dev/null").arg(path);
}

void BM_SedUmlauts(benchmark::State& state) {
    const QString path = bigDocument(int(state.range(0)));
    if (path.isEmpty())
        return state.SkipWithError("make_big.py failed");
    const QByteArray command = sedCommand(path).toLocal8Bit();
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        if (std::system(command.constData()) != 0)
            return state.SkipWithError("sed failed");
        total += std::chrono::duration<double>(Clock::now() - start).count();
    }
    sedSeconds[int(state.range(0))] = total / double(state.iterations());
}

void BM_ReplaceUmlauts(benchmark::State& state) {
    const QString* text = bigDocumentText(int(state.range(0)));
    if (!text)
        return state.SkipWithError("make_big.py failed");
    qsizetype grown = 0;
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const QString out = replaceUmlauts(*text);
        total += std::chrono::duration<double>(Clock::now() - start).count();
        grown = out.size() - text->size();
        benchmark::DoNotOptimize(out);
    }
    state.counters["grown"] = double(grown);
    state.SetBytesProcessed(state.iterations() * text->size() * qint64(sizeof(QChar)));
    if (const double peer = sedSeconds[int(state.range(0))]; peer > 0)
        state.counters["x_peer"] = total / double(state.iterations()) / peer;
}

} // namespace

// Registration order is run order: sed runs before the figure compared with it.
BENCHMARK(BM_SedUmlauts)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceUmlauts)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
