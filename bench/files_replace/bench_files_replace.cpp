// Searching and replacing across 10,000 files of about 5 KB, a known word in every tenth, next
// to grep (search) and grep with sed (replace) on the same folder. Each of our figures carries
// its ratio to the peer's as the counter "x_peer".

#include "big_document.h"
#include "features/files_replace/files_run.h"
#include "features/files_replace/replace_record.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <random>

namespace {

constexpr int FileCount = 10000;
const char* const Word = "quokka";
const char* const Other = "wombat";

QString shellQuoted(const QString& path) {
    return QLatin1Char('\'') + QString(path).replace(QLatin1Char('\''), QLatin1String("'\\''")) +
           QLatin1Char('\'');
}

int shell(const QString& command) {
    return std::system(command.toLocal8Bit().constData());
}

// The pristine folder, made once per run.
const QString& sourceFolder() {
    static const QString folder = [] {
        const QString path = scratchFolder().filePath(QStringLiteral("files-source"));
        QDir().mkpath(path);
        std::mt19937 random(7);
        const char* words[] = {"lorem", "ipsum", "dolor", "sit",     "amet", "table",
                               "cell",  "row",   "link",  "heading", "para", "figure"};
        for (int i = 0; i < FileCount; ++i) {
            QByteArray page = "<html>\r\n<head><title>Page</title></head>\r\n<body>\r\n";
            while (page.size() < 5000) {
                page += "<p>";
                for (int w = 0; w < 12; ++w) {
                    page += words[random() % std::size(words)];
                    page += ' ';
                }
                if (i % 10 == 0 && page.size() > 2500 && !page.contains(Word))
                    page += Word;
                page += "</p>\r\n";
            }
            page += "</body>\r\n</html>\r\n";
            QFile f(QStringLiteral("%1/page%2.html").arg(path).arg(i, 5, 10, QLatin1Char('0')));
            if (!f.open(QIODevice::WriteOnly) || f.write(page) != page.size())
                return QString();
        }
        return path;
    }();
    return folder;
}

QStringList filesIn(const QString& folder) {
    QStringList files;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name))
        files << folder + QLatin1Char('/') + name;
    return files;
}

// A fresh copy of the pristine folder for a replacing iteration.
QString freshCopy() {
    const QString copy = scratchFolder().filePath(QStringLiteral("files-work"));
    shell(QStringLiteral("rm -rf %1 && cp -r %2 %1")
              .arg(shellQuoted(copy), shellQuoted(sourceFolder())));
    return copy;
}

double grepSearchSeconds = 0;
double grepSedSeconds = 0;

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

void reportRatio(benchmark::State& state, double total, double peer) {
    const double mean = total / double(state.iterations());
    if (peer > 0)
        state.counters["x_peer"] = mean / peer;
}

int runAll(const QStringList& files, const FilesSearchOptions& options,
           ReplaceRecord* record = nullptr) {
    FilesRun run(files, options);
    run.setRecord(record);
    while (!run.isFinished())
        run.step();
    return run.totalMatches();
}

void BM_GrepSearch(benchmark::State& state) {
    if (sourceFolder().isEmpty())
        return state.SkipWithError("cannot write the files");
    const QString command = QStringLiteral("grep -rlF %1 %2 > /dev/null")
                                .arg(QLatin1String(Word), shellQuoted(sourceFolder()));
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        shell(command);
        total += seconds(start);
    }
    grepSearchSeconds = total / double(state.iterations());
}

void BM_FilesSearch(benchmark::State& state) {
    if (sourceFolder().isEmpty())
        return state.SkipWithError("cannot write the files");
    const QStringList files = filesIn(sourceFolder());
    FilesSearchOptions options;
    options.search = QLatin1String(Word);
    options.caseSensitive = state.range(0) != 0;
    options.all = true;
    int matches = 0;
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        matches = runAll(files, options);
        total += seconds(start);
    }
    state.counters["matches"] = matches;
    reportRatio(state, total, grepSearchSeconds);
}

void BM_GrepSedReplace(benchmark::State& state) {
    if (sourceFolder().isEmpty())
        return state.SkipWithError("cannot write the files");
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString folder = freshCopy();
        state.ResumeTiming();
        const auto start = Clock::now();
        shell(QStringLiteral("grep -rlZF %1 %2 | xargs -0 sed -i s/%1/%3/g")
                  .arg(QLatin1String(Word), shellQuoted(folder), QLatin1String(Other)));
        total += seconds(start);
    }
    grepSedSeconds = total / double(state.iterations());
}

void BM_FilesReplace(benchmark::State& state) {
    if (sourceFolder().isEmpty())
        return state.SkipWithError("cannot write the files");
    FilesSearchOptions options;
    options.search = QLatin1String(Word);
    options.replace = QLatin1String(Other);
    options.caseSensitive = true;
    options.searchOnly = false;
    options.all = true;
    // The window and hexlume-cli keep every rewritten file's old bytes for undoing.
    ReplaceRecord record(scratchFolder().filePath(QStringLiteral("files-undo")));
    const bool keepRecord = state.range(0) != 0;
    double total = 0;
    int matches = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QStringList files = filesIn(freshCopy());
        state.ResumeTiming();
        const auto start = Clock::now();
        QString reason;
        if (keepRecord && !record.begin(reason))
            return state.SkipWithError("cannot keep the undo record");
        matches = runAll(files, options, keepRecord ? &record : nullptr);
        total += seconds(start);
    }
    state.counters["matches"] = matches;
    reportRatio(state, total, grepSedSeconds);
}

} // namespace

// Registration order is run order: each peer runs before the figure compared with it.
BENCHMARK(BM_GrepSearch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_FilesSearch)
    ->ArgName("caseSensitive")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);
BENCHMARK(BM_GrepSedReplace)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_FilesReplace)
    ->ArgName("undoRecord")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
