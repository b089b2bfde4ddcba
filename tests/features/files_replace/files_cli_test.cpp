#include "cli/cli_runner.h"
#include "features/files_replace/cli_files_replace.h"

#include "file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FilesCliTest : public ::testing::Test {
protected:
    // The undo record goes to the data folder: keep it out of the user's.
    FilesCliTest() { qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path())); }

    QString write(const QString& name, const QByteArray& bytes) {
        const QString p = QDir(dir.path()).filePath(name);
        EXPECT_TRUE(writeFileBytes(p, bytes));
        return p;
    }
    static CliResult run(const QStringList& arguments) {
        return runCli(QStringList{"files-replace"} + arguments, [] { return QByteArray(); });
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(FilesCliTest, PrintsCountTabPathPerMatchingFileAndTheTotal) {
    const QString a = write("a.html", "Word, word_ and word");
    const QString b = write("b.html", "nothing");
    const QString c = write("c.html", "word");
    const CliResult r = run({"--search", "word", "--all", "--whole-word", a, b, c});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.standardOutput, ("2\t" + a + "\n1\t" + c + "\ntotal 3\n").toUtf8());
    EXPECT_TRUE(r.standardError.isEmpty());
    EXPECT_EQ(readFileBytes(a), QByteArray("Word, word_ and word"));
}

TEST_F(FilesCliTest, ReplacesOnlyWithAReplacementAndNotInSearchOnlyMode) {
    const QString a = write("a.html", "old  old");
    EXPECT_EQ(run({"--search", "old", "--all", a}).standardOutput,
              ("2\t" + a + "\ntotal 2\n").toUtf8());
    EXPECT_EQ(readFileBytes(a), QByteArray("old  old"));
    run({"--search", "old", "--replace", "new", "--search-only", a});
    EXPECT_EQ(readFileBytes(a), QByteArray("old  old"));

    run({"--search", "OLD", "--replace", "new", a});
    EXPECT_EQ(readFileBytes(a), QByteArray("new  old"));
    run({"--search", "OLD", "--replace", "", "--case-sensitive", "--all", a});
    EXPECT_EQ(readFileBytes(a), QByteArray("new  old"));
    run({"--search", "old", "--replace", "", "--all", "--", a});
    EXPECT_EQ(readFileBytes(a), QByteArray("new  "));
}

TEST_F(FilesCliTest, ReportsFailedFilesGoesOnAndExitsWithOne) {
    const QString missing = QDir(dir.path()).filePath("missing.html");
    const QString b = write("b.html", "word");
    const CliResult r = run({"--search", "word", missing, dir.path(), b});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.standardOutput, ("1\t" + b + "\ntotal 1\n").toUtf8());
    const QList<QByteArray> errors = r.standardError.trimmed().split('\n');
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].startsWith(("hexlume-cli: cannot read " + missing + ": ").toUtf8()));
    EXPECT_TRUE(errors[1].startsWith(("hexlume-cli: skipped " + dir.path() + ": ").toUtf8()));
}

TEST_F(FilesCliTest, UsageErrorsExitWithTwo) {
    const QString a = write("a.html", "word");
    const QList<QStringList> wrong{
        {a},
        {"--search", " ", a},
        {"--search", "word"},
        {"--search", "word", "--replace"},
        {"--search", "line\nbreak", a},
        {"--search", "word", "--frobnicate", a},
        {"--undo", a},
        {"--undo", "--search", "word"},
        {"--search", "word", "--record"},
    };
    for (const QStringList& arguments : wrong) {
        const CliResult r = run(arguments);
        EXPECT_EQ(r.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.standardOutput.isEmpty());
        EXPECT_TRUE(r.standardError.contains("Usage: hexlume-cli files-replace"));
    }
    EXPECT_TRUE(runCli({"--help"}, [] {
                    return QByteArray();
                }).standardOutput.contains("hexlume-cli files-replace --search TEXT"));
}

// Every match is replaced, a replacement the file's code page lacks leaves the file and makes
// the exit status 1, and --undo puts back what the run wrote, from the folder --record names.
TEST_F(FilesCliTest, ReplacesEveryMatchRefusesLossAndUndoes) {
    const QString a = write("a.html", "dist/jakarta/jakarta-ant abab");
    const QString ansi = write("ansi.html", "\xe4 jakarta");
    const QString record = QDir(dir.path()).filePath("record");
    CliResult r = run({"--search", "jakarta", "--replace", "JKT", "--all", "--record", record, a});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(readFileBytes(a), QByteArray("dist/JKT/JKT-ant abab"));
    EXPECT_EQ(run({"--search", "ab", "--all", a}).standardOutput,
              ("2\t" + a + "\ntotal 2\n").toUtf8());

    r = run({"--search", "jakarta", "--replace", "\u0151", "--all", ansi});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.standardError.contains(("cannot write " + ansi).toUtf8()));
    EXPECT_TRUE(r.standardError.contains("U+0151"));
    EXPECT_EQ(readFileBytes(ansi), QByteArray("\xe4 jakarta"));

    r = run({"--undo", "--record", record});
    EXPECT_EQ(r.exitCode, 0) << r.standardError.toStdString();
    EXPECT_EQ(r.standardOutput, ("restored\t" + a + "\n").toUtf8());
    EXPECT_EQ(readFileBytes(a), QByteArray("dist/jakarta/jakarta-ant abab"));

    // The default record: a file changed since the run is named and left alone.
    run({"--search", "ab", "--replace", "x", "--all", a});
    ASSERT_TRUE(writeFileBytes(a, "edited"));
    r = run({"--undo"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.standardError.contains(("changed since the replace: " + a).toUtf8()));
    EXPECT_EQ(readFileBytes(a), QByteArray("edited"));
}
