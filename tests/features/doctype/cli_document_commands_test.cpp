#include "cli/cli_runner.h"
#include "foundation/markup/doctype.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QJsonObject runJson(const QStringList& args, const QByteArray& input = {}) {
    const CliResult r =
        runCli(QStringList{QStringLiteral("--json")} + args, [input] { return input; });
    EXPECT_EQ(r.exitCode, 0) << r.standardError.constData();
    return QJsonDocument::fromJson(r.standardOutput).object();
}

QStringList messagesOf(const QJsonObject& result) {
    QStringList texts;
    for (const QJsonValue& v : result.value(QStringLiteral("messages")).toArray())
        texts << v.toString();
    return texts;
}

TEST(CliDocumentCommands, NewAnswersTheQuestionsAndReadsNoFile) {
    QJsonObject r = runJson({QStringLiteral("--answer"), QStringLiteral("yes"),
                             QStringLiteral("--answer"), QStringLiteral("xhtml-strict"),
                             QStringLiteral("new"), QStringLiteral("/no/such/file.html")});
    EXPECT_TRUE(r.value(QStringLiteral("text"))
                    .toString()
                    .startsWith(docTypeDeclaration(12) + QStringLiteral("\r\n") +
                                xhtmlRootElement() + QStringLiteral("\r\n<head>\r\n")));
    EXPECT_TRUE(r.value(QStringLiteral("modified")).toBool());
    EXPECT_EQ(messagesOf(r),
              (QStringList{QStringLiteral("New HTML doc?"), QStringLiteral("DocType")}));

    r = runJson({QStringLiteral("new")});
    EXPECT_EQ(r.value(QStringLiteral("text")).toString(), QStringLiteral(" "));
    EXPECT_FALSE(r.value(QStringLiteral("modified")).toBool());

    // Without a type the dialog counts as cancelled: nothing is made.
    r = runJson({QStringLiteral("--answer"), QStringLiteral("yes"), QStringLiteral("new")});
    EXPECT_EQ(r.value(QStringLiteral("text")).toString(), QString());
    EXPECT_FALSE(r.value(QStringLiteral("modified")).toBool());

    // HTML 5 in UTF-8 bytes, its lang from --lang.
    const CliResult html5 =
        runCli({QStringLiteral("--answer"), QStringLiteral("yes"), QStringLiteral("--answer"),
                QStringLiteral("html5"), QStringLiteral("--lang"), QStringLiteral("de"),
                QStringLiteral("new")},
               [] { return QByteArray(); });
    EXPECT_EQ(html5.exitCode, 0);
    EXPECT_TRUE(html5.standardOutput.startsWith("<!DOCTYPE html>\r\n<html lang=\"de\">\r\n"
                                                "<head>\r\n<meta charset=\"utf-8\">\r\n"));
}

TEST(CliDocumentCommands, DoctypeAndSaveWriteTheDocumentAsSaveDoes) {
    const QByteArray page = "<html>\n<head>\n</head>\n</html>\n";
    CliResult r =
        runCli({QStringLiteral("--answer"), QStringLiteral("html5"), QStringLiteral("doctype")},
               [&] { return page; });
    EXPECT_EQ(r.standardOutput, "<!DOCTYPE html>\n" + page);

    // Save keeps the file's line breaks and puts the generator before "</head>".
    r = runCli({QStringLiteral("save")}, [&] { return page; });
    EXPECT_EQ(
        r.standardOutput,
        QByteArray("<html>\n<head>\n<meta name=GENERATOR content=Hexlume>\n</head>\n</html>\n"));
    const QJsonObject json = runJson({QStringLiteral("save")}, page);
    EXPECT_FALSE(json.value(QStringLiteral("modified")).toBool());
}

TEST(CliDocumentCommands, DocTypeAnswerWordsAreAcceptedOthersAreAUsageError) {
    const CliResult bad =
        runCli({QStringLiteral("--answer"), QStringLiteral("xhtml"), QStringLiteral("doctype")},
               [] { return QByteArray(); });
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.standardError.contains("xhtml-transitional"));
    const CliResult help = runCli({QStringLiteral("--help")}, [] { return QByteArray(); });
    for (const char* word :
         {"html4-frameset", "html5", "remove-formatting", "doctype", "new", "save "})
        EXPECT_TRUE(help.standardOutput.contains(word)) << word;
}

} // namespace
