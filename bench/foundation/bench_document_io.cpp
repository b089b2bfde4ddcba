// Opening and saving large generated documents.

#include "big_document.h"
#include "foundation/document/document_file.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

namespace {

void BM_OpenDocument(benchmark::State& state) {
    const QString path = bigDocument(int(state.range(0)));
    if (path.isEmpty()) {
        state.SkipWithError("make_big.py failed");
        return;
    }
    const qint64 size = QFile(path).size();
    for (auto _ : state) {
        std::optional<LoadedDocument> doc = loadDocumentFile(path);
        benchmark::DoNotOptimize(doc);
    }
    state.SetBytesProcessed(state.iterations() * size);
}

void BM_SaveDocument(benchmark::State& state) {
    const QString path = bigDocument(int(state.range(0)));
    const std::optional<LoadedDocument> doc =
        path.isEmpty() ? std::nullopt : loadDocumentFile(path);
    if (!doc) {
        state.SkipWithError("no document to save");
        return;
    }
    const QString target = scratchFolder().filePath(QStringLiteral("saved.html"));
    qint64 size = 0;
    for (auto _ : state) {
        const QByteArray bytes = encodeDocument(doc->text, doc->format);
        if (!writeFileSafely(target, bytes)) {
            state.SkipWithError("save failed");
            return;
        }
        size = bytes.size();
    }
    state.SetBytesProcessed(state.iterations() * size);
}

// The same work without the disk, to tell the codec from the file system.
void BM_DecodeDocument(benchmark::State& state) {
    QFile file(bigDocument(int(state.range(0))));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("make_big.py failed");
        return;
    }
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        std::optional<LoadedDocument> doc = decodeDocument(bytes);
        benchmark::DoNotOptimize(doc);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_EncodeDocument(benchmark::State& state) {
    const QString path = bigDocument(int(state.range(0)));
    const std::optional<LoadedDocument> doc =
        path.isEmpty() ? std::nullopt : loadDocumentFile(path);
    if (!doc) {
        state.SkipWithError("no document to encode");
        return;
    }
    qint64 size = 0;
    for (auto _ : state) {
        const QByteArray bytes = encodeDocument(doc->text, doc->format);
        benchmark::DoNotOptimize(bytes.constData());
        size = bytes.size();
    }
    state.SetBytesProcessed(state.iterations() * size);
}

} // namespace

BENCHMARK(BM_DecodeDocument)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeDocument)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDocument)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDocument)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
