#include "features/remove_formatting/remove_format.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/text/case_rules.h"

#include <QStringList>

#include <random>

#include <gtest/gtest.h>

namespace {

// The command on a text with "|" marking the caret; the result and where the caret went.
struct Outcome {
    QString text;
    int caret;
    int line;
};

Outcome removeAt(const QString& marked) {
    const qsizetype caret = marked.indexOf(QLatin1Char('|'));
    MemoryBuffer editor(QString(marked).remove(caret, 1));
    editor.setSelStart(int(caret));
    const int line = removeFormattingAtCaret(editor);
    return {editor.text(), editor.selStart(), line};
}

TEST(RemoveFormat, CleansTheElementAroundTheCaret) {
    const struct {
        const char* marked;
        const char* result;
    } rows[] = {
        {"<b>bo|ld</b>", "bold"},
        // The nearest tag before the caret starts the element; "</font>" stays outside it.
        {"<font color=red>r|ed <i>x</i> text</font>", " red x text</font>"},
        // Every opening tag of a family becomes one blank; the "</p>" after the element stays.
        {"<p style=\"color:red\">|a<span class=x>b</span></p>", " a b</p>"},
        // A second element of the same kind: the element runs to the second closing tag.
        {"<b>x|<b>y</b></b>", "xy"},
        // Right after a closing tag the element is that tag alone.
        {"a<b>b</b>|c", "a<b>bc"},
        {"<H1><STRONG>T|itle</STRONG></H1>", "<H1>Title</H1>"},
        // Only the exact tags: with attributes a bold tag stays, its closing tag goes.
        {"<b class=x>y|</b>", "<b class=x>y"},
        // A family deletes every "</p>" of the element, also that of a plain paragraph.
        {"<p class=x>|<p>a</p></p>", " <p>a</p>"},
        {"<p class=\"c\">a|</p><p>b</p>", " a<p>b</p>"},
        // Case folds fully, as the platform upper-cases: a dotless i matches "<i>".
        {"<\u0131>x|</I>", "x"},
        // Text before the caret without a "<", or no closing tag after it: nothing changes.
        {"plain |text <b>x</b>", "plain text <b>x</b>"},
        {"<b>open| only", "<b>open only"},
        {"<b>x|</b", "<b>x</b"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(removeAt(QString::fromUtf8(row.marked)).text, QString::fromUtf8(row.result))
            << row.marked;
}

TEST(RemoveFormat, CaretGoesThreeLinesBelowTheFormerSelectionStart) {
    QStringList lines;
    for (int i = 0; i < 10; ++i)
        lines << QStringLiteral("line %1").arg(i);
    lines[1] = QStringLiteral("<b>b|old</b>");
    Outcome o = removeAt(lines.join(QStringLiteral("\r\n")));
    EXPECT_EQ(o.line, 4);
    EXPECT_EQ(o.caret, o.text.indexOf(QStringLiteral("line 4")));

    // Limited to the last line; the view moves also when nothing was found.
    lines[1] = QStringLiteral("line 1");
    lines[8] = QStringLiteral("no| tag");
    o = removeAt(lines.join(QStringLiteral("\r\n")));
    EXPECT_EQ(o.line, 9);
    EXPECT_EQ(o.caret, o.text.indexOf(QStringLiteral("line 9")));

    // An opening tag broken over two lines becomes one blank: the line is the one the caret
    // stood on before, counted in the text before the edit.
    o = removeAt(QStringLiteral("<font\r\ncolor=red>x|</font>\r\na\r\nb\r\nc\r\nd\r\ne"));
    EXPECT_EQ(o.text, QStringLiteral(" x\r\na\r\nb\r\nc\r\nd\r\ne"));
    EXPECT_EQ(o.line, 4);
    EXPECT_EQ(o.caret, o.text.indexOf(QLatin1Char('d')));

    // At offset 0 nothing is looked for and the caret stays.
    o = removeAt(QStringLiteral("|<b>x</b>\r\n1\r\n2\r\n3\r\n4"));
    EXPECT_EQ(o.line, -1);
    EXPECT_EQ(o.caret, 0);
    EXPECT_EQ(o.text, QStringLiteral("<b>x</b>\r\n1\r\n2\r\n3\r\n4"));
}

TEST(RemoveFormat, SelectsTheElementFromTheTagThroughTheClosingTag) {
    // "<b>" counted without regard to case: two of them, so the element runs to "</B>".
    MemoryBuffer editor(QStringLiteral("<B>x<b>y</b>z</B>"));
    editor.select(3, 8); // the selection's start counts, not the caret
    EXPECT_TRUE(selectElementAtCaret(editor));
    EXPECT_EQ(editor.selText(), QStringLiteral("<B>x<b>y</b>z</B>"));
    EXPECT_FALSE(elementAtCaret(QStringLiteral("<b>x</b>"), 0));
    EXPECT_FALSE(elementAtCaret(QString(), 3));
    // A caret past the end scans from the last character.
    const auto past = elementAtCaret(QStringLiteral("x</b>"), 99);
    ASSERT_TRUE(past);
    EXPECT_EQ(past->start, 1);
    EXPECT_EQ(past->length, 4);
}

// The reference model of replaceOpeningTags: each search from the start of the changed text.
QString referenceReplaceOpeningTags(QString text, QStringView pattern) {
    const qsizetype originalLength = text.size();
    for (;;) {
        const qsizetype found = indexOfIgnoringCase(text, pattern);
        if (found < 0)
            break;
        const qsizetype close = text.indexOf(QLatin1Char('>'), found);
        if (close < 0)
            break;
        text.replace(found, close - found + 1, QStringLiteral(" "));
        if (close >= originalLength - 1)
            break;
    }
    return text;
}

// Also where a replacement brings a new tag together, as "<p" + " " + "style=y>".
TEST(ReplaceOpeningTags, MatchesTheReferenceModelOnRandomMarkup) {
    const QString pieces[] = {
        QStringLiteral("<p"),     QStringLiteral(" style="),   QStringLiteral("<p style="),
        QStringLiteral(">"),      QStringLiteral("x"),         QStringLiteral("<"),
        QStringLiteral("<SPAN"),  QStringLiteral("<span"),     QStringLiteral("an"),
        QStringLiteral("<sp"),    QStringLiteral(" "),         QStringLiteral("<font"),
        QStringLiteral("\r\n"),   QStringLiteral("<p class="), QStringLiteral("a>"),
        QStringLiteral("style="), QStringLiteral("<p<p")};
    const QString patterns[] = {QStringLiteral("<font"),     QStringLiteral("<p style="),
                                QStringLiteral("<p class="), QStringLiteral("<span"),
                                QStringLiteral("a>"),        QStringLiteral("<p >")};
    std::mt19937 random(7);
    for (int round = 0; round < 4000; ++round) {
        QString text;
        const int count = int(random() % 24);
        for (int i = 0; i < count; ++i)
            text += pieces[random() % std::size(pieces)];
        for (const QString& pattern : patterns)
            ASSERT_EQ(replaceOpeningTags(text, pattern), referenceReplaceOpeningTags(text, pattern))
                << text.toStdString() << " / " << pattern.toStdString();
    }
}

} // namespace
