#include "cli/cli_commands.h"
#include "cli/cli_runner.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QJsonObject runJson(const QStringList& args, const QByteArray& input) {
    const CliResult r =
        runCli(QStringList{QStringLiteral("--json")} + args, [input] { return input; });
    EXPECT_EQ(r.exitCode, 0) << r.standardError.constData();
    return QJsonDocument::fromJson(r.standardOutput).object();
}

} // namespace

TEST(CliWrap, EveryWrapCommandIsListedWithASummary) {
    const char* names[] = {"bold",
                           "italic",
                           "underline",
                           "strike",
                           "sup",
                           "sub",
                           "align-left",
                           "align-right",
                           "align-justify",
                           "align-center",
                           "indent",
                           "h1",
                           "h2",
                           "h3",
                           "h4",
                           "h5",
                           "h6",
                           "comment",
                           "line-break",
                           "horizontal-line",
                           "script",
                           "list-ul",
                           "list-ol"};
    for (const char* name : names) {
        const CliCommand* c = findCliCommand(QLatin1String(name));
        ASSERT_NE(c, nullptr) << name;
        EXPECT_FALSE(c->summary.isEmpty()) << name;
        EXPECT_FALSE(c->summary.contains(QLatin1Char('\n'))) << name;
    }
}

TEST(CliWrap, CommandsWorkOnTheSelection) {
    QJsonObject r = runJson(
        {QStringLiteral("--select"), QStringLiteral("2:4"), QStringLiteral("bold")}, "a word b");
    EXPECT_EQ(r.value(QStringLiteral("text")).toString(), QStringLiteral("a <b>word </b> b"));
    EXPECT_EQ(r.value(QStringLiteral("selStart")).toInt(), 14);
    EXPECT_TRUE(r.value(QStringLiteral("modified")).toBool());

    r = runJson({QStringLiteral("--select"), QStringLiteral("0:8"), QStringLiteral("list-ol")},
                "one\ntwo\n");
    EXPECT_EQ(r.value(QStringLiteral("text")).toString(),
              QStringLiteral("<ol type=\"1\">\r\n<li>one</li>\r\n<li>two </li>\r\n</ol>"));

    r = runJson({QStringLiteral("--select"), QStringLiteral("1:1"), QStringLiteral("line-break")},
                "xyz");
    EXPECT_EQ(r.value(QStringLiteral("text")).toString(), QStringLiteral("x <br />yz"));
}
