#include "cli/cli_runner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QJsonObject runJson(QStringList args, const QByteArray& input) {
    args.prepend(QStringLiteral("--json"));
    const CliResult result = runCli(args, [input] { return input; });
    EXPECT_EQ(result.exitCode, 0) << result.standardError.toStdString();
    return QJsonDocument::fromJson(result.standardOutput).object();
}

QString text(const QJsonObject& o) {
    return o.value(QStringLiteral("text")).toString();
}

QStringList messages(const QJsonObject& o) {
    QStringList list;
    for (const QJsonValue& v : o.value(QStringLiteral("messages")).toArray())
        list << v.toString();
    return list;
}

const QByteArray Row = "<table>\r\n<tr><td>a</td><td>b</td></tr>\r\n</table>";

} // namespace

TEST(CliTableCommands, SelectCommandsSelectTheElementAroundTheCaret) {
    const QJsonObject cell = runJson({"--select", "27", "select-cell"}, Row);
    EXPECT_EQ(cell.value("selStart").toInt(), 23);
    EXPECT_EQ(cell.value("selLength").toInt(), 10);
    const QJsonObject row = runJson({"--select", "27", "select-row"}, Row);
    EXPECT_EQ(row.value("selStart").toInt(), 9);
    EXPECT_EQ(row.value("selLength").toInt(), 29);
    const QJsonObject table = runJson({"--select", "27", "select-table"}, "x" + Row);
    EXPECT_EQ(table.value("selStart").toInt(), 1);
    EXPECT_EQ(table.value("selLength").toInt(), Row.size());
    const QJsonObject span =
        runJson({"--select", "9", "select-span"}, "<p><span>a<div>b</div></span>");
    EXPECT_EQ(span.value("selStart").toInt(), 3);
    const QJsonObject div =
        runJson({"--select", "15", "select-div"}, "<p><span>a<div>b</div></span>");
    EXPECT_EQ(div.value("selStart").toInt(), 10);
    EXPECT_EQ(div.value("selLength").toInt(), 12);
    const QJsonObject form = runJson({"--select", "0", "select-form"}, "<form>x</form>");
    EXPECT_EQ(messages(form).size(), 1);
}

TEST(CliTableCommands, InsertAndDeleteFollowTheAnswers) {
    const QJsonObject inserted =
        runJson({"--select", "27", "--answer", "before", "insert-cell"}, Row);
    EXPECT_EQ(text(inserted), QStringLiteral("<table>\r\n<tr><td>a</td><td align=\"left\" "
                                             "valign=\"top\">&nbsp;</td><td>b</td></tr>\r\n"
                                             "</table>"));
    EXPECT_EQ(messages(inserted), QStringList{QStringLiteral("Insert TR/TD ...")});
    EXPECT_EQ(inserted.value("selLength").toInt(), 1);

    const QJsonObject german =
        runJson({"--lang", "de", "--select", "27", "--answer", "cancel", "insert-row"}, Row);
    EXPECT_EQ(text(german), QString::fromLatin1(Row));
    EXPECT_EQ(messages(german), QStringList{QStringLiteral("TR/TD einfügen...")});

    const QJsonObject deleted = runJson({"--select", "27", "--answer", "yes", "delete-row"}, Row);
    EXPECT_EQ(text(deleted), QStringLiteral("<table>\r\n\r\n</table>"));
    EXPECT_EQ(messages(deleted), QStringList{QStringLiteral("Delete?")});
    const QJsonObject kept = runJson({"--select", "27", "delete-cell"}, Row);
    EXPECT_EQ(text(kept), QString::fromLatin1(Row));
    EXPECT_EQ(kept.value("selLength").toInt(), 10);
    const QJsonObject table =
        runJson({"--select", "27", "--answer", "yes", "delete-table"}, "x" + Row);
    EXPECT_EQ(text(table), QStringLiteral("x"));
}

TEST(CliTableCommands, MergeThenSplitRoundTrip) {
    const QJsonObject merged = runJson({"--select", "13:20", "merge-cells"}, Row);
    EXPECT_EQ(text(merged),
              QStringLiteral("<table>\r\n<tr><td colspan=\"2\" >a b</td></tr>\r\n</table>"));
    const QJsonObject split =
        runJson({"--select", "13:25", "--answer", "behind", "split-cell"}, text(merged).toUtf8());
    EXPECT_EQ(text(split), QStringLiteral("<table>\r\n<tr><td colspan=\"1\" >a b</td><td "
                                          "align=\"left\" valign=\"top\">&nbsp;</td></tr>\r\n"
                                          "</table>"));
    const QJsonObject blank = runJson({"--select", "7:2", "merge-cells"}, Row);
    EXPECT_EQ(messages(blank),
              QStringList{QStringLiteral("Select at least two TDs to merge them!")});
}

TEST(CliTableCommands, HelpListsTheTableCommands) {
    const CliResult help = runCli({QStringLiteral("--help")}, [] { return QByteArray(); });
    for (const char* name : {"select-cell", "select-row", "select-table", "select-form",
                             "select-div", "select-span", "insert-row", "insert-cell", "delete-row",
                             "delete-cell", "delete-table", "merge-cells", "split-cell"})
        EXPECT_TRUE(help.standardOutput.contains(QByteArray("  ") + name + ' ')) << name;
}
