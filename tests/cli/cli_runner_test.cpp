#include "cli/cli_output.h"
#include "cli/cli_runner.h"
#include "foundation/messages/scripted_prompter.h"
#include "test_paths.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "file_bytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <new>

namespace {

CliResult run(const QStringList& args, const QByteArray& input = {}) {
    return runCli(args, [input] { return input; });
}

// Byte-level CR LF form of an 8-bit or UTF-8 text with any line breaks.
QByteArray withCrLf(QByteArray bytes) {
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    return bytes.replace("\n", "\r\n");
}

// Pages the corpus manifest lists with mixed line breaks (all of them 8-bit or ASCII).
QStringList pagesWithMixedBreaks(const QString& pagesFolder) {
    QFile manifest(pagesFolder + QStringLiteral("/../MANIFEST.tsv"));
    QStringList names;
    if (!manifest.open(QIODevice::ReadOnly))
        return names;
    while (!manifest.atEnd()) {
        const QList<QByteArray> fields = manifest.readLine().split('\t');
        if (fields.size() > 9 && fields[9].startsWith("mixed"))
            names << QString::fromUtf8(fields[0]);
    }
    return names;
}

TEST(Cli, SaveAsReproducesTheInputBytes) {
    const QByteArray cases[] = {
        "a\r\nb",
        "a\nb\n",
        "a\rb\r",
        "\xEF\xBB\xBFx\xC3\xA4\n",
        "\x81\x8D\x8F\x90\x9D\xE4",
        QByteArray("\xFE\xFF\0a\0\n", 6),
        "",
    };
    for (const QByteArray& bytes : cases) {
        const CliResult r = run({QStringLiteral("save-as")}, bytes);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.standardOutput, bytes) << bytes.toHex().constData();
    }
    // Mixed line breaks come out as CR LF.
    EXPECT_EQ(run({QStringLiteral("save-as"), QStringLiteral("-")}, "a\nb\r\nc").standardOutput,
              QByteArray("a\r\nb\r\nc"));
}

TEST(Cli, SaveAsReproducesEveryCorpusPage) {
    const QString folder = corpusPagesFolder();
    if (folder.isEmpty())
        GTEST_SKIP() << "corpus not found";
    const QStringList mixed = pagesWithMixedBreaks(folder);
    EXPECT_FALSE(mixed.isEmpty());
    QStringList failed;
    const QStringList names = QDir(folder).entryList(QDir::Files);
    for (const QString& name : names) {
        const QString path = QDir(folder).filePath(name);
        const CliResult r = run({QStringLiteral("save-as"), path});
        const QByteArray bytes = readFileBytes(path);
        // Pages with mixed line breaks come back with CR LF throughout.
        const QByteArray expected = mixed.contains(name) ? withCrLf(bytes) : bytes;
        if (r.exitCode != 0 || r.standardOutput != expected)
            failed << name;
    }
    EXPECT_GT(names.size(), 0);
    EXPECT_TRUE(failed.isEmpty()) << failed.join(QLatin1Char(' ')).toStdString();
}

TEST(Cli, JsonReportsTextSelectionAndModifiedFlag) {
    const CliResult r = run({QStringLiteral("--json"), QStringLiteral("--select"),
                             QStringLiteral("4:9"), QStringLiteral("save-as")},
                            "ab\ncd\n");
    ASSERT_EQ(r.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.standardOutput).object();
    EXPECT_EQ(o.value(QStringLiteral("text")).toString(), QStringLiteral("ab\r\ncd"));
    // Offsets count CR LF as two; a length past the end is cut at the end.
    EXPECT_EQ(o.value(QStringLiteral("selStart")).toInt(), 4);
    EXPECT_EQ(o.value(QStringLiteral("selLength")).toInt(), 2);
    EXPECT_TRUE(o.value(QStringLiteral("messages")).toArray().isEmpty());
    EXPECT_FALSE(o.value(QStringLiteral("modified")).toBool());
}

// A selection reaches as far as the text, however large its numbers, and never splits a
// surrogate pair: char-code gives the whole character's reference.
TEST(Cli, SelectionsClampAndKeepSurrogatePairsWhole) {
    const QByteArray page("0123456789ab\xF0\x9F\x98\x80z");
    const struct {
        const char* select;
        int start;
        int length;
    } cases[] = {
        {"10:2147483647", 10, 5}, {"2147483647:2147483647", 15, 0},
        {"13:1", 12, 2},          {"12:1", 12, 0},
        {"11:2", 11, 1},          {"13:2", 12, 3},
    };
    for (const auto& c : cases) {
        const CliResult r = run({QStringLiteral("--json"), QStringLiteral("--select"),
                                 QString::fromLatin1(c.select), QStringLiteral("save-as")},
                                page);
        SCOPED_TRACE(c.select);
        ASSERT_EQ(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.standardOutput).object();
        EXPECT_EQ(o.value(QStringLiteral("selStart")).toInt(), c.start);
        EXPECT_EQ(o.value(QStringLiteral("selLength")).toInt(), c.length);
    }
    for (const char* select : {"12:2", "13:1"}) {
        const CliResult r = run(
            {QStringLiteral("--select"), QString::fromLatin1(select), QStringLiteral("char-code")},
            page);
        EXPECT_EQ(r.standardOutput, QByteArray("0123456789ab&#128512;z")) << select;
    }
    EXPECT_EQ(
        run({QStringLiteral("--select"), QStringLiteral("12:1"), QStringLiteral("char-code")}, page)
            .standardOutput,
        page); // nothing selected: a message, no change
}

// A document that cannot be written out whole is an error, not a silent cut.
TEST(Cli, AFailedWriteOfTheResultExitsWithOne) {
    std::FILE* full = std::fopen("/dev/full", "w");
    std::FILE* err = std::tmpfile();
    ASSERT_TRUE(full && err);
    const CliResult result{0, QByteArray(100000, 'x'), "note\n"};
    EXPECT_EQ(writeCliResult(result, full, err), 1);
    std::rewind(err);
    char text[200] = {};
    std::fread(text, 1, sizeof text - 1, err);
    EXPECT_TRUE(QByteArray(text).startsWith("note\nhexlume-cli: cannot write the output: "))
        << text;
    std::fclose(full);
    std::fclose(err);

    std::FILE* out = std::tmpfile();
    std::FILE* quiet = std::tmpfile();
    EXPECT_EQ(writeCliResult({0, "page", {}}, out, quiet), 0);
    std::fclose(out);
    std::fclose(quiet);
}

TEST(Cli, UsageErrorsExitWithTwoAndListTheCommands) {
    const QList<QStringList> bad{
        {},
        {QStringLiteral("no-such-command")},
        {QStringLiteral("--bogus"), QStringLiteral("save-as")},
        {QStringLiteral("--select"), QStringLiteral("x"), QStringLiteral("save-as")},
        {QStringLiteral("--select"), QStringLiteral("1:99999999999"), QStringLiteral("save-as")},
        {QStringLiteral("--answer"), QStringLiteral("maybe"), QStringLiteral("save-as")},
        {QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("save-as")},
        {QStringLiteral("save-as"), QStringLiteral("a"), QStringLiteral("b")},
    };
    for (const QStringList& args : bad) {
        const CliResult r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.standardError.contains("save-as")) << args.join(' ').toStdString();
        EXPECT_TRUE(r.standardOutput.isEmpty());
    }
    const CliResult help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.standardOutput.contains("save-as"));
}

TEST(Cli, UnreadableUndecodableOrTooLargeInputExitsWithOne) {
    QTemporaryDir dir;
    for (const QString& path : {dir.filePath(QStringLiteral("missing.html")), dir.path()}) {
        const CliResult r = run({QStringLiteral("save-as"), path});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.standardError.contains("cannot read"));
        EXPECT_TRUE(r.standardOutput.isEmpty());
    }
    const CliResult odd = run({QStringLiteral("save-as")}, QByteArray("\xFF\xFE"
                                                                      "a"));
    EXPECT_EQ(odd.exitCode, 1);
    EXPECT_EQ(odd.standardError, QByteArray("hexlume-cli: cannot decode standard input\n"));

    // Memory running out while reading is a refusal, not an abort.
    const CliResult huge =
        runCli({QStringLiteral("save-as")}, []() -> QByteArray { throw std::bad_alloc(); });
    EXPECT_EQ(huge.exitCode, 1);
    EXPECT_EQ(huge.standardError,
              QByteArray("hexlume-cli: not enough memory for standard input\n"));
    EXPECT_TRUE(huge.standardOutput.isEmpty());
}

TEST(Cli, AnsiResultThatWouldLoseACharacterIsWrittenOnlyAsUtf8OnYes) {
    DocumentFormat ansi;
    ansi.encoding = TextEncoding::Ansi;
    ansi.finalLineBreak = false;
    const QString text = QStringLiteral("caf\u00E9 \u039C");
    for (const QStringList& answers : {QStringList(), QStringList{QStringLiteral("no")}}) {
        ScriptedPrompter prompter(answers);
        const CliResult r = documentOutput(text, ansi, prompter, UiLanguage::English);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.standardOutput.isEmpty());
        EXPECT_TRUE(r.standardError.contains("\"\xCE\x9C\" (U+039C) cannot be stored"))
            << r.standardError.toStdString();
        EXPECT_TRUE(r.standardError.contains("nothing written"));
    }
    ScriptedPrompter yes({QStringLiteral("yes")});
    const CliResult utf8 = documentOutput(text, ansi, yes, UiLanguage::English);
    EXPECT_EQ(utf8.exitCode, 0);
    EXPECT_EQ(utf8.standardOutput, QByteArray("\xEF\xBB\xBF"
                                              "caf\xC3\xA9 \xCE\x9C"));

    // What the code page holds is written in it without a question, as a whole run shows.
    const CliResult plain =
        run({QStringLiteral("--select"), QStringLiteral("0:3"), QStringLiteral("lower-to-upper")},
            QByteArray("caf\xE9 \xB5"));
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.standardOutput, QByteArray("CAF\xE9 \xB5"));
    EXPECT_TRUE(plain.standardError.isEmpty());
}

} // namespace
