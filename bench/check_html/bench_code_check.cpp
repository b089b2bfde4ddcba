// The code check ("Check HTML") on large pages, and HTML Tidy on a copy of the same file in the
// same run (tidy -q -m --force-output yes --show-warnings no --show-errors 0, once per size).
// Throughputs are MiB of the file per second of processor time (the check's thread, Tidy's
// process), so that a busy machine does not blur the comparison; "ratio" is the check's over
// Tidy's, and MiB/s staying level from 1 to 50 MiB shows the check linear.
//
// Two inputs per size: make_big.py as it is (0), and the same without the pages that hold a
// frameset (1). After the first frameset Tidy drops the rest of the body, so on input 0 it
// reads most of the document without building anything; input 1 makes it do its full work.
//
//   build-bench-codecheck/bench/hexlume_bench --benchmark_filter=CheckHtml

#include "big_document.h"
#include "features/check_html/code_check.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/document_file.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <ctime>
#include <sys/resource.h>

namespace {

constexpr double MiB = 1024.0 * 1024.0;

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double childrenSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The corpus pages that hold a frameset.
QStringList framesetPages() {
    const QDir pages(QStringLiteral(HX_CORPUS_DIR "/pages"));
    QStringList names;
    for (const QString& name : pages.entryList(QDir::Files)) {
        QFile file(pages.filePath(name));
        if (file.open(QIODevice::ReadOnly) && file.readAll().toLower().contains("<frameset"))
            names << name;
    }
    return names;
}

// The input of a size and kind: a file and the editor's text of it.
struct Input {
    QString path;
    QString text;
};

const Input* input(int mebibytes, bool withoutFramesets) {
    static QMap<QPair<int, bool>, Input> made;
    const QPair<int, bool> key{mebibytes, withoutFramesets};
    if (!made.contains(key)) {
        QString path = bigDocument(mebibytes);
        if (withoutFramesets) {
            path = scratchFolder().filePath(QStringLiteral("noframes%1.html").arg(mebibytes));
            QStringList arguments{QStringLiteral(HX_CORPUS_DIR "/make_big.py"),
                                  QString::number(mebibytes)};
            for (const QString& name : framesetPages())
                arguments << QStringLiteral("--skip") << name;
            QProcess python;
            python.setStandardOutputFile(path);
            python.start(QStringLiteral("python3"), arguments);
            if (!python.waitForFinished(-1) || python.exitCode() != 0)
                return nullptr;
        }
        const std::optional<LoadedDocument> doc =
            path.isEmpty() ? std::nullopt : loadDocumentFile(path);
        if (!doc)
            return nullptr;
        made.insert(key, {path, doc->text});
    }
    return &made[key];
}

// Processor seconds Tidy takes on a copy of the file, or a negative number when it is not
// installed or does not run.
double tidySeconds(const QString& path) {
    if (QStandardPaths::findExecutable(QStringLiteral("tidy")).isEmpty())
        return -1;
    const QString copy = scratchFolder().filePath(QStringLiteral("tidy-copy.html"));
    QFile::remove(copy);
    if (!QFile::copy(path, copy))
        return -1;
    QProcess tidy;
    tidy.setStandardOutputFile(QProcess::nullDevice());
    tidy.setStandardErrorFile(QProcess::nullDevice());
    const double before = childrenSeconds();
    tidy.start(QStringLiteral("tidy"),
               {QStringLiteral("-q"), QStringLiteral("-m"), QStringLiteral("--force-output"),
                QStringLiteral("yes"), QStringLiteral("--show-warnings"), QStringLiteral("no"),
                QStringLiteral("--show-errors"), QStringLiteral("0"), copy});
    // Exit status 1 or 2 means warnings or errors; Tidy has still read the whole file.
    if (!tidy.waitForFinished(-1) || tidy.exitStatus() != QProcess::NormalExit)
        return -1;
    return childrenSeconds() - before;
}

void BM_CheckHtml(benchmark::State& state) {
    const Input* in = input(int(state.range(0)), state.range(1) != 0);
    if (!in) {
        state.SkipWithError("make_big.py failed");
        return;
    }
    const qint64 fileBytes = QFileInfo(in->path).size();
    const MessageTable messages;
    double seconds = 0;
    for (auto _ : state) {
        MemoryBuffer editor(in->text);
        ScriptedPrompter prompter;
        const double start = threadSeconds();
        checkHtml({editor, prompter, messages}, UiLanguage::English);
        seconds += threadSeconds() - start;
        benchmark::DoNotOptimize(editor.text());
    }
    const double fileMiB = double(fileBytes) / MiB;
    const double checkRate = fileMiB * double(state.iterations()) / seconds;
    state.counters["hexlume_MiBps"] = checkRate;
    const double tidy = tidySeconds(in->path);
    if (tidy > 0) {
        state.counters["tidy_MiBps"] = fileMiB / tidy;
        state.counters["ratio"] = checkRate / (fileMiB / tidy);
    }
    state.SetBytesProcessed(state.iterations() * fileBytes);
}

} // namespace

BENCHMARK(BM_CheckHtml)
    ->ArgsProduct({{1, 10, 50}, {0, 1}})
    ->ArgNames({"MiB", "noframesets"})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
