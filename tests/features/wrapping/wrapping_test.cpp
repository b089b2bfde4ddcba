#include "features/wrapping/wrapping.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/markup/blank_selection.h"

#include <gtest/gtest.h>

namespace {

const QString HrMarkup =
    QStringLiteral(" <br /><hr style=\"width:300px; color:gray; background-color:gray; height:2px; "
                   "text-align:center; border:1px\" />");

struct Expected {
    const char* name;
    const char* open;
    const char* close;
};

// Written out again here, not taken from the table, so a slip in a literal shows.
const Expected ExpectedRows[] = {
    {"bold", "<b>", " </b>"},
    {"italic", "<i>", " </i>"},
    {"underline", "<u>", " </u>"},
    {"strike", "<strike>", " </strike>"},
    {"sup", "<sup>", " </sup>"},
    {"sub", "<sub>", " </sub>"},
    {"align-left", "<p align=\"left\">", " </p>"},
    {"align-right", "<p align=\"right\">", " </p>"},
    {"align-justify", "<p align=\"justify\">", " </p>"},
    {"align-center", "<p align=\"center\">", " </p>"},
    {"indent", "<p style=\"text-align:left; margin-left:50px\">", " </p>"},
    {"h1", "<h1>", "</h1>"},
    {"h2", "<h2>", "</h2>"},
    {"h3", "<h3>", "</h3>"},
    {"h4", "<h4>", "</h4>"},
    {"h5", "<h5>", "</h5>"},
    {"h6", "<h6>", "</h6>"},
    {"comment", "<!-- ", " -->"},
};

const WrapRow* rowNamed(const char* name) {
    for (const WrapRow& row : wrapRows())
        if (row.name == QLatin1String(name))
            return &row;
    return nullptr;
}

// "ab[cd]ef" style: the selection between the brackets, made in the given direction.
MemoryBuffer withSelection(const QString& before, const QString& selected, const QString& after,
                           bool rightToLeft = false) {
    MemoryBuffer b(before + selected + after);
    const int start = int(before.size());
    const int end = start + int(selected.size());
    if (rightToLeft)
        b.select(end, start);
    else
        b.select(start, end);
    return b;
}

} // namespace

TEST(WrapRows, EveryCommandWrapsTheSelectionInItsLiterals) {
    ASSERT_EQ(wrapRows().size(), std::size(ExpectedRows));
    for (const Expected& e : ExpectedRows) {
        const WrapRow* row = rowNamed(e.name);
        ASSERT_NE(row, nullptr) << e.name;
        EXPECT_EQ(&wrapRow(row->command), row) << e.name;
        MemoryBuffer b =
            withSelection(QStringLiteral("x "), QStringLiteral("word"), QStringLiteral(" y"));
        wrapSelection(b, *row);
        const QString wrapped =
            QLatin1String(e.open) + QStringLiteral("word") + QLatin1String(e.close);
        EXPECT_EQ(b.text(), QStringLiteral("x ") + wrapped + QStringLiteral(" y")) << e.name;
        EXPECT_EQ(b.caretOffset(), 2 + wrapped.size()) << e.name;
        EXPECT_EQ(b.selLength(), 0) << e.name;
    }
}

TEST(WrapRows, EmptySelectionGetsTheBarePair) {
    for (const Expected& e : ExpectedRows) {
        MemoryBuffer b(QStringLiteral("ab"));
        b.setSelStart(1);
        wrapSelection(b, *rowNamed(e.name));
        const QString pair = QLatin1String(e.open) + QLatin1String(e.close);
        EXPECT_EQ(b.text(), QStringLiteral("a") + pair + QStringLiteral("b")) << e.name;
        EXPECT_EQ(b.caretOffset(), 1 + pair.size()) << e.name;
    }
    MemoryBuffer comment;
    wrapSelection(comment, WrapCommand::Comment);
    EXPECT_EQ(comment.text(), QStringLiteral("<!--  -->"));
}

TEST(WrapRows, SelectionDirectionDoesNotMatter) {
    const QString selections[] = {QStringLiteral("word"), QStringLiteral("   "),
                                  QStringLiteral("a\r\nb"), QStringLiteral("\r\n")};
    for (const WrapRow& row : wrapRows())
        for (const QString& selected : selections) {
            MemoryBuffer forward =
                withSelection(QStringLiteral("x"), selected, QStringLiteral("y"));
            MemoryBuffer backward =
                withSelection(QStringLiteral("x"), selected, QStringLiteral("y"), true);
            wrapSelection(forward, row);
            wrapSelection(backward, row);
            EXPECT_EQ(forward.text(), backward.text()) << row.name.data();
            EXPECT_EQ(forward.caretOffset(), backward.caretOffset()) << row.name.data();
            EXPECT_EQ(backward.selLength(), 0);
        }
}

TEST(WrapRows, WrappingIsOneUndoStep) {
    MemoryBuffer b = withSelection(QStringLiteral("a "), QStringLiteral("b"), QStringLiteral(" c"));
    wrapSelection(b, WrapCommand::Bold);
    b.undo();
    EXPECT_EQ(b.text(), QStringLiteral("a b c"));
}

TEST(BlankRule, BoldPutsThePairInFrontOfSelectedBlanks) {
    MemoryBuffer b = withSelection(QStringLiteral("x"), QStringLiteral("   "), QStringLiteral("y"));
    wrapSelection(b, WrapCommand::Bold);
    EXPECT_EQ(b.text(), QStringLiteral("x<b> </b>   y"));
    EXPECT_EQ(b.caretOffset(), 1 + 8);
    EXPECT_EQ(b.selLength(), 0);
}

TEST(BlankRule, LineBreaksAndControlCharactersCountAsBlank) {
    MemoryBuffer b = withSelection(QStringLiteral("x"), QStringLiteral(" \r\n\t\x01"),
                                   QStringLiteral("y"), true);
    wrapSelection(b, WrapCommand::AlignCenter);
    EXPECT_EQ(b.text(), QStringLiteral("x<p align=\"center\"> </p> \r\n\t\x01y"));
}

TEST(BlankRule, NoBreakSpaceIsText) {
    MemoryBuffer b = withSelection(QStringLiteral("x"), QString(QChar(0xA0)), QStringLiteral("y"));
    wrapSelection(b, WrapCommand::Italic);
    EXPECT_EQ(b.text(), QStringLiteral("x<i>") + QChar(0xA0) + QStringLiteral(" </i>y"));
}

TEST(BlankRule, IndentCopiesSelectedBlanksIntoTheParagraph) {
    MemoryBuffer b = withSelection(QStringLiteral("x"), QStringLiteral("   "), QStringLiteral("y"));
    wrapSelection(b, WrapCommand::Indent);
    const QString paragraph =
        QStringLiteral("<p style=\"text-align:left; margin-left:50px\">    </p>");
    EXPECT_EQ(b.text(), QStringLiteral("x") + paragraph + QStringLiteral("   y"));
    EXPECT_EQ(b.caretOffset(), 1 + paragraph.size());
}

TEST(BlankRule, HeadingsAndCommentWrapBlanks) {
    MemoryBuffer h2 =
        withSelection(QStringLiteral("x"), QStringLiteral("   "), QStringLiteral("y"));
    wrapSelection(h2, WrapCommand::H2);
    EXPECT_EQ(h2.text(), QStringLiteral("x<h2>   </h2>y"));
    MemoryBuffer comment =
        withSelection(QStringLiteral("x"), QStringLiteral("\r\n"), QStringLiteral("y"));
    wrapSelection(comment, WrapCommand::Comment);
    EXPECT_EQ(comment.text(), QStringLiteral("x<!-- \r\n -->y"));
}

TEST(DropBlankSelection, CollapsesOnlyBlankSelectionsToTheirStart) {
    MemoryBuffer blank =
        withSelection(QStringLiteral("ab"), QStringLiteral(" \r\n "), QStringLiteral("cd"), true);
    dropBlankSelection(blank);
    EXPECT_EQ(blank.selStart(), 2);
    EXPECT_EQ(blank.selLength(), 0);
    EXPECT_EQ(blank.text(), QStringLiteral("ab \r\n cd"));

    MemoryBuffer text =
        withSelection(QStringLiteral("ab"), QStringLiteral(" c "), QStringLiteral("d"));
    dropBlankSelection(text);
    EXPECT_EQ(text.selStart(), 2);
    EXPECT_EQ(text.selLength(), 3);

    MemoryBuffer empty(QStringLiteral("abc"));
    empty.setSelStart(2);
    dropBlankSelection(empty);
    EXPECT_EQ(empty.caretOffset(), 2);
    EXPECT_FALSE(empty.isModified());
}

TEST(Alignment, TagChoosesTheAlignment) {
    EXPECT_EQ(alignmentForTag(0), WrapCommand::AlignLeft);
    EXPECT_EQ(alignmentForTag(1), WrapCommand::AlignRight);
    EXPECT_EQ(alignmentForTag(2), WrapCommand::AlignJustify);
    EXPECT_EQ(alignmentForTag(3), WrapCommand::AlignCenter);
    EXPECT_EQ(alignmentForTag(4), WrapCommand::AlignCenter);
    EXPECT_EQ(alignmentForTag(-1), WrapCommand::AlignCenter);
}

TEST(InsertAtCaret, LineBreakGoesInFrontOfTheSelectedWord) {
    for (bool rightToLeft : {false, true}) {
        MemoryBuffer b = withSelection(QStringLiteral("a "), QStringLiteral("word"),
                                       QStringLiteral(" b"), rightToLeft);
        insertLineBreak(b);
        EXPECT_EQ(b.text(), QStringLiteral("a  <br />word b"));
        EXPECT_EQ(b.caretOffset(), 2 + 7);
        EXPECT_EQ(b.selLength(), 0);
    }
}

TEST(InsertAtCaret, HorizontalLineKeepsTheSelection) {
    MemoryBuffer b = withSelection(QStringLiteral("a"), QStringLiteral("bc"), QStringLiteral("d"));
    insertHorizontalLine(b);
    EXPECT_EQ(b.text(), QStringLiteral("a") + HrMarkup + QStringLiteral("bcd"));
    EXPECT_EQ(b.caretOffset(), 1 + HrMarkup.size());

    MemoryBuffer empty;
    insertHorizontalLine(empty);
    EXPECT_EQ(empty.text(), HrMarkup);
}

TEST(InsertAtCaret, ScriptBlockReplacesTheSelection) {
    MemoryBuffer b =
        withSelection(QStringLiteral("a"), QStringLiteral("old"), QStringLiteral("z"), true);
    insertScriptBlock(b);
    const QString block = QStringLiteral("<script type=\"text/javascript\">\r\n\r\n</script>");
    EXPECT_EQ(b.text(), QStringLiteral("a") + block + QStringLiteral("z"));
    EXPECT_EQ(b.caretOffset(), 1 + block.size());
    EXPECT_EQ(b.lineCount(), 3);
}

TEST(FirstTagOf, RunsFromFirstLessThanToFirstGreaterThan) {
    EXPECT_EQ(firstTagOf(QStringLiteral("ab<ul type=\"x\">c<d>")),
              QStringLiteral("<ul type=\"x\">"));
    EXPECT_EQ(firstTagOf(QStringLiteral("a<b<c>d")), QStringLiteral("<b<c>"));
    // No "<": from the first character.
    EXPECT_EQ(firstTagOf(QStringLiteral("abc>d>")), QStringLiteral("abc>"));
    EXPECT_EQ(firstTagOf(QStringLiteral(">")), QStringLiteral(">"));
    // ">" before the first "<", or none at all.
    EXPECT_EQ(firstTagOf(QStringLiteral("a>b<c>")), QString());
    EXPECT_EQ(firstTagOf(QStringLiteral("<abc")), QString());
    EXPECT_EQ(firstTagOf(QString()), QString());
}
