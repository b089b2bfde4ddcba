#include "features/files_replace/cli_files_replace.h"

#include "features/files_replace/files_run.h"
#include "features/files_replace/replace_record.h"
#include "foundation/text/text_rules.h"

namespace {

const char* const filesUsage =
    "Usage: hexlume-cli files-replace --search TEXT [--replace TEXT] [--case-sensitive]\n"
    "                   [--whole-word] [--all] [--search-only] [--record FOLDER] [--] FILE...\n"
    "       hexlume-cli files-replace --undo [--record FOLDER]\n"
    "\n"
    "Searches the files for TEXT as the multi-file window does and, when --replace is given\n"
    "and --search-only is not, replaces the matches that do not overlap. Without --all only\n"
    "a file's first match counts. Prints one line per file with matches (the count, a tab,\n"
    "the path) and a last line \"total N\". A file reached under two names is processed once;\n"
    "what is not a regular file is reported and skipped. A file is written in place, only\n"
    "when it changes, keeping its encoding, line breaks, links, mode, owner and attributes;\n"
    "a replacement its encoding cannot hold leaves it unchanged and is reported.\n"
    "\n"
    "A replace run keeps the old bytes of every file it rewrites in FOLDER (default: the\n"
    "data folder's files-replace-undo/, shared with the window's \"Undo last replace\").\n"
    "--undo puts back every file that still holds what the last run wrote and names the\n"
    "others, which are left alone; the record is then gone.\n"
    "Exit status: 0 done, 1 a file could not be read, written or put back, 2 usage error.\n";

CliResult usageError(const QString& problem) {
    return {2, {}, "hexlume-cli files-replace: " + problem.toUtf8() + "\n\n" + filesUsage};
}

CliResult undoLastRun(ReplaceRecord& record) {
    CliResult result;
    const ReplaceRecord::UndoResult undone = record.undo();
    for (const QString& path : undone.restored)
        result.standardOutput += "restored\t" + path.toUtf8() + '\n';
    for (const QString& path : undone.changedSince)
        result.standardError +=
            "hexlume-cli: left alone, changed since the replace: " + path.toUtf8() + '\n';
    for (const QString& failure : undone.failed)
        result.standardError +=
            "hexlume-cli: cannot put back " + failure.toUtf8().replace('\t', ": ") + '\n';
    result.exitCode = undone.changedSince.isEmpty() && undone.failed.isEmpty() ? 0 : 1;
    return result;
}

} // namespace

CliResult runFilesReplace(const QStringList& arguments) {
    FilesSearchOptions options;
    bool haveSearch = false;
    bool haveReplace = false;
    bool searchOnly = false;
    bool undo = false;
    QString recordFolder = ReplaceRecord::defaultFolder();
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) {
            files.append(arguments.mid(i + 1));
            break;
        }
        if (a == QLatin1String("--help"))
            return {0, filesUsage, {}};
        if (a == QLatin1String("--search") || a == QLatin1String("--replace")) {
            if (i + 1 >= arguments.size())
                return usageError(a + QStringLiteral(" needs a text"));
            const QString& value = arguments[++i];
            if (!isUsableSearchText(value))
                return usageError(a + QStringLiteral(" cannot hold a line break"));
            if (a == QLatin1String("--search")) {
                options.search = value;
                haveSearch = true;
            } else {
                options.replace = value;
                haveReplace = true;
            }
        } else if (a == QLatin1String("--case-sensitive")) {
            options.caseSensitive = true;
        } else if (a == QLatin1String("--whole-word")) {
            options.wholeWord = true;
        } else if (a == QLatin1String("--all")) {
            options.all = true;
        } else if (a == QLatin1String("--search-only")) {
            searchOnly = true;
        } else if (a == QLatin1String("--undo")) {
            undo = true;
        } else if (a == QLatin1String("--record")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                return usageError(QStringLiteral("--record needs a folder"));
            recordFolder = arguments[++i];
        } else if (a.startsWith(QLatin1String("--"))) {
            return usageError(QStringLiteral("unknown option ") + a);
        } else {
            files.append(a);
        }
    }
    ReplaceRecord record(recordFolder);
    if (undo) {
        if (haveSearch || haveReplace || !files.isEmpty())
            return usageError(QStringLiteral("--undo takes no search, replacement or FILE"));
        return undoLastRun(record);
    }
    if (!haveSearch || isBlankText(options.search))
        return usageError(QStringLiteral("--search needs a text that is not blank"));
    if (files.isEmpty())
        return usageError(QStringLiteral("no FILE given"));
    // Without a replacement nothing is replaced: deleting the matches must be asked for
    // with --replace "".
    options.searchOnly = searchOnly || !haveReplace;

    CliResult result;
    FilesRun run(files, options);
    run.setStopAtFailure(false);
    if (!options.searchOnly) {
        QString reason;
        if (!record.begin(reason))
            return {1, {}, "hexlume-cli: cannot keep the undo record: " + reason.toUtf8() + '\n'};
        run.setRecord(&record);
    }
    while (!run.isFinished()) {
        const FileOutcome outcome = run.step();
        const QByteArray path = run.currentFile().toUtf8();
        if (outcome.failure != FileOutcome::Failure::None) {
            const char* what = outcome.failure == FileOutcome::Failure::Read    ? "cannot read "
                               : outcome.failure == FileOutcome::Failure::Write ? "cannot write "
                                                                                : "skipped ";
            result.standardError +=
                "hexlume-cli: " + QByteArray(what) + path + ": " + outcome.reason.toUtf8() + '\n';
            continue;
        }
        if (outcome.matches > 0)
            result.standardOutput += QByteArray::number(outcome.matches) + '\t' + path + '\n';
    }
    result.standardOutput += "total " + QByteArray::number(run.totalMatches()) + '\n';
    result.exitCode = run.hadFailure() ? 1 : 0;
    return result;
}
