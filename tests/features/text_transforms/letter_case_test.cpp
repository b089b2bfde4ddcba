#include "features/text_transforms/letter_case.h"

#include "cli/cli_runner.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

struct Fixture {
    MessageTable messages;
    ScriptedPrompter prompter;
    MemoryBuffer editor;
    CommandContext context() { return {editor, prompter, messages}; }
};

QJsonObject runJson(QStringList args, const QString& input) {
    args.prepend(QStringLiteral("--json"));
    const CliResult r = runCli(args, [&] { return input.toUtf8(); });
    EXPECT_EQ(r.exitCode, 0) << r.standardError.constData();
    return QJsonDocument::fromJson(r.standardOutput).object();
}

} // namespace

TEST(LetterCase, OnlyAsciiLettersChangeAndTheCaretEndsAfterTheSelection) {
    Fixture f;
    f.editor.loadText(QStringLiteral("<P>ÄRGER Über STRAßE\r\nÉtÉ</P>"));
    f.editor.select(3, 25);
    upperToLowerCommand(f.context());
    EXPECT_EQ(f.editor.text(), QStringLiteral("<P>Ärger Über straße\r\nÉtÉ</P>"));
    EXPECT_EQ(f.editor.caretOffset(), 25);
    EXPECT_EQ(f.editor.selLength(), 0);

    f.editor.select(0, 29);
    lowerToUpperCommand(f.context());
    EXPECT_EQ(f.editor.text(), QStringLiteral("<P>ÄRGER ÜBER STRAßE\r\nÉTÉ</P>"));
    f.editor.undo();
    EXPECT_EQ(f.editor.text(), QStringLiteral("<P>Ärger Über straße\r\nÉtÉ</P>"));
}

TEST(LetterCase, NothingSelectedChangesNothing) {
    Fixture f;
    f.editor.loadText(QStringLiteral("ABC def"));
    f.editor.setSelStart(3);
    upperToLowerCommand(f.context());
    lowerToUpperCommand(f.context());
    EXPECT_EQ(f.editor.text(), QStringLiteral("ABC def"));
    EXPECT_FALSE(f.editor.isModified());
    EXPECT_EQ(f.editor.caretOffset(), 3);
}

TEST(TransformCli, CommandsRunOnTheDocument) {
    QJsonObject r = runJson({QStringLiteral("remove-hyphenation")},
                            QStringLiteral("<body>Silben-trennung\nund Know-how"));
    EXPECT_EQ(r[QStringLiteral("text")].toString(),
              QStringLiteral("<body>Silbentrennung\r\nund Know-how"));
    EXPECT_EQ(r[QStringLiteral("messages")].toArray(),
              QJsonArray{QStringLiteral("1 x hyphenation deleted.")});
    EXPECT_EQ(r[QStringLiteral("selStart")].toInt(), 12);

    r = runJson(
        {QStringLiteral("--lang"), QStringLiteral("de"), QStringLiteral("remove-hyphenation")},
        QStringLiteral("x"));
    EXPECT_EQ(r[QStringLiteral("messages")].toArray(),
              QJsonArray{QStringLiteral("0 x Silbentrennung entfernt.")});
    EXPECT_FALSE(r[QStringLiteral("modified")].toBool());

    r = runJson({QStringLiteral("remove-lf")},
                QStringLiteral("<p>a\nb</p>\n<script>\nx\n</script>"));
    EXPECT_EQ(r[QStringLiteral("text")].toString(),
              QStringLiteral("<p>ab</p><script>\r\nx\r\n</script>"));

    r = runJson({QStringLiteral("insert-lf")}, QStringLiteral("<p><b>x</b></p>"));
    EXPECT_EQ(r[QStringLiteral("text")].toString(),
              QStringLiteral("<p>\r\n<b>\r\nx</b>\r\n</p>\r\n"));

    r = runJson(
        {QStringLiteral("--select"), QStringLiteral("3:3"), QStringLiteral("lower-to-upper")},
        QStringLiteral("<p>abc</p>"));
    EXPECT_EQ(r[QStringLiteral("text")].toString(), QStringLiteral("<p>ABC</p>"));
    r = runJson(
        {QStringLiteral("--select"), QStringLiteral("0:10"), QStringLiteral("upper-to-lower")},
        QStringLiteral("<P>ABC</P>"));
    EXPECT_EQ(r[QStringLiteral("text")].toString(), QStringLiteral("<p>abc</p>"));
}
