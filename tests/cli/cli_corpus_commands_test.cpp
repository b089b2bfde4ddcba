#include "cli/cli_commands.h"
#include "cli/cli_runner.h"
#include "foundation/document/document_file.h"
#include "test_paths.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

// Every command, on every real page, with the caret in the middle and with a stretch of text
// selected, once with its questions cancelled and once answered: it must finish, and what it
// writes must read back as the document it reported.
class CommandOnCorpus : public testing::TestWithParam<QString> {};

QStringList pages() {
    const QString folder = corpusPagesFolder();
    if (folder.isEmpty())
        return {};
    QStringList paths;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.htm*")}, QDir::Files))
        paths << QDir(folder).filePath(name);
    return paths;
}

CliResult run(const QStringList& args) {
    return runCli(args, [] { return QByteArray(); });
}

TEST_P(CommandOnCorpus, FinishesAndKeepsThePageReadable) {
    const QStringList paths = pages();
    if (paths.isEmpty())
        GTEST_SKIP() << "corpus not found";
    const QString command = GetParam();
    for (const QString& path : paths) {
        const auto loaded = loadDocumentFile(path);
        ASSERT_TRUE(loaded) << path.toStdString();
        const int length = static_cast<int>(loaded->text.size());
        const QStringList selections{
            QStringLiteral("%1:0").arg(length / 2),
            QStringLiteral("%1:%2").arg(length / 3).arg(qMin(400, length - length / 3))};
        const QList<QStringList> answerSets{{},
                                            {QStringLiteral("--answer"), QStringLiteral("behind"),
                                             QStringLiteral("--answer"), QStringLiteral("yes"),
                                             QStringLiteral("--answer"), QStringLiteral("before")}};
        for (const QString& selection : selections) {
            for (const QStringList& answers : answerSets) {
                const QString where = path + QStringLiteral(" --select ") + selection;
                const CliResult json =
                    run(QStringList{QStringLiteral("--select"), selection} + answers +
                        QStringList{QStringLiteral("--json"), command, path});
                ASSERT_EQ(json.exitCode, 0) << where.toStdString();
                QJsonParseError error;
                const QJsonObject result =
                    QJsonDocument::fromJson(json.standardOutput, &error).object();
                ASSERT_EQ(error.error, QJsonParseError::NoError) << where.toStdString();
                const QString text = result.value(QStringLiteral("text")).toString();
                const int selStart = result.value(QStringLiteral("selStart")).toInt();
                const int selLength = result.value(QStringLiteral("selLength")).toInt();
                EXPECT_GE(selStart, 0) << where.toStdString();
                EXPECT_LE(selStart + selLength, text.size()) << where.toStdString();

                const CliResult plain = run(QStringList{QStringLiteral("--select"), selection} +
                                            answers + QStringList{command, path});
                ASSERT_EQ(plain.exitCode, 0) << where.toStdString();
                const auto reread = decodeDocument(plain.standardOutput);
                ASSERT_TRUE(reread) << where.toStdString();
                // A character the page's own encoding cannot hold would be lost; commands add
                // only ASCII markup, so the text must come back unchanged. Only an empty last
                // line may read back as the file's final line break.
                if (reread->text != text) {
                    EXPECT_EQ(reread->text + QStringLiteral("\r\n"), text) << where.toStdString();
                }
            }
        }
    }
}

QStringList commandNames() {
    QStringList names;
    for (const CliCommand& c : cliCommands())
        if (c.name != QLatin1String("save-as"))
            names << c.name;
    return names;
}

INSTANTIATE_TEST_SUITE_P(
    AllCommands, CommandOnCorpus, testing::ValuesIn(commandNames()),
    [](const testing::TestParamInfo<QString>& info) {
        return QString(info.param).replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
    });

} // namespace
