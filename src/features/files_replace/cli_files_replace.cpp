#include "features/files_replace/cli_files_replace.h"

#include "features/files_replace/files_run.h"
#include "foundation/text/text_rules.h"

namespace {

const char* const filesUsage =
    "Usage: hexlume-cli files-replace --search TEXT [--replace TEXT] [--case-sensitive]\n"
    "                   [--whole-word] [--all] [--search-only] [--] FILE...\n"
    "\n"
    "Searches the files for TEXT as the multi-file window does and, when --replace is given\n"
    "and --search-only is not, replaces the matches. Without --all only a file's first match\n"
    "counts. Prints one line per file with matches (the count, a tab, the path) and a last\n"
    "line \"total N\". A file is written only when it changes, keeping its encoding and line\n"
    "breaks. Exit status: 0 done, 1 a file could not be read or written, 2 usage error.\n";

CliResult usageError(const QString& problem) {
    return {2, {}, "hexlume-cli files-replace: " + problem.toUtf8() + "\n\n" + filesUsage};
}

} // namespace

CliResult runFilesReplace(const QStringList& arguments) {
    FilesSearchOptions options;
    bool haveSearch = false;
    bool haveReplace = false;
    bool searchOnly = false;
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
        } else if (a.startsWith(QLatin1String("--"))) {
            return usageError(QStringLiteral("unknown option ") + a);
        } else {
            files.append(a);
        }
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
    while (!run.isFinished()) {
        const FileOutcome outcome = run.step();
        const QByteArray path = run.currentFile().toUtf8();
        if (outcome.failure != FileOutcome::Failure::None) {
            const char* what =
                outcome.failure == FileOutcome::Failure::Read ? "cannot read " : "cannot write ";
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
