#include "features/styles/div_markup.h"
#include "foundation/document/memory_buffer.h"

#include <gtest/gtest.h>

namespace {

QString ok(int typ, const char* klass, const char* id, const char* style, const char* align) {
    DivFields f{QString::fromUtf8(klass), QString::fromUtf8(id), QString::fromUtf8(style),
                QString::fromUtf8(align)};
    return DivDialogOk(f, typ).HtmlCode;
}

TEST(DivDialogOk, OpeningTagsOfTheWorkedExamples) {
    struct Case {
        int typ;
        const char* klass;
        const char* id;
        const char* style;
        const char* align;
        const char* expected;
    } cases[] = {
        {DivTyp, "", "", "width: 800px; margin: 0 auto", "",
         "<div style=\"width: 800px; margin: 0 auto\">"},
        {SpanTyp, "", "", "", "center", "<span style=\" display:block; text-align: center\">"},
        {DivTyp, "", "", "a:b", "right", "<div style=\"a:b; text-align: right\">"},
        {SpanTyp, "", "", "a:b", "left", "<span style=\"a:b; display:block; text-align: left\">"},
        {DivTyp, "", "", "", "justify", "<div style=\" text-align: justify\">"},
        {DivTyp, "", "", "", "", "<div>"},
        {SpanTyp, " box ", " top ", "  ", " ", "<span id=\"top\" class=\"box\">"},
        {DivTyp, "c", "i", " s ", " center ",
         "<div id=\"i\" class=\"c\" style=\"s; text-align: center\">"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ok(c.typ, c.klass, c.id, c.style, c.align), QString::fromUtf8(c.expected))
            << c.expected;
}

TEST(DivDialogOk, DropsTheFirstHashAndThenTheFirstDot) {
    struct Case {
        const char* typed;
        const char* cleaned;
    } cases[] = {
        {"#main", "main"}, {".box", "box"}, {"##a", "#a"},        {"..a", ".a"},
        {"#.a", "a"},      {".#a", "a"},    {"a#b.c.d", "abc.d"}, {" #x ", "x"},
    };
    for (const Case& c : cases) {
        DivFields f{QString::fromUtf8(c.typed), QString::fromUtf8(c.typed), QString(), QString()};
        const QString code = DivDialogOk(f, DivTyp).HtmlCode;
        const QString cleaned = QString::fromUtf8(c.cleaned);
        EXPECT_EQ(f.Edit1, cleaned) << c.typed;
        EXPECT_EQ(f.Edit2, cleaned) << c.typed;
        EXPECT_EQ(code, QStringLiteral("<div id=\"") + cleaned + QStringLiteral("\" class=\"") +
                            cleaned + QStringLiteral("\">"))
            << c.typed;
    }
}

TEST(DivDialogOpening, ResetsTheFieldsToTheTypesDefaultStyle) {
    const DivFields div = DivDialogOpening(DivTyp);
    EXPECT_EQ(div.Edit3, QStringLiteral("width: 800px; margin: 0 auto"));
    EXPECT_TRUE(div.Edit1.isEmpty() && div.Edit2.isEmpty() && div.ComboBox1.isEmpty());
    EXPECT_EQ(
        DivDialogOpening(SpanTyp).Edit3,
        QStringLiteral("font-family: Arial, Helvetica; font-weight: normal; font-size: 12px"));
    EXPECT_EQ(DivTagName(DivTyp), QStringLiteral("<DIV>"));
    EXPECT_EQ(DivTagName(SpanTyp), QStringLiteral("<SPAN>"));
}

const QString Page = QStringLiteral("<head>\r\n<style type=\"text/css\">\r\n"
                                    "#Top{margin:0;}\r\n.Box{color:red;\r\n}\r\n"
                                    "</style>\r\n<STYLE>p{x:y}</STYLE>\r\n</head>\r\n"
                                    "<body><div class=\"box\">{}</div></body>");

TEST(DivLookupResult, FindsTheRuleByNameWithExactCase) {
    struct Case {
        DivLookup kind;
        const char* field;
        const char* expected;
    } cases[] = {
        {DivLookup::Class, "Box", ".Box{color:red;\r\n}"},
        {DivLookup::Class, " .Box ", ".Box{color:red;\r\n}"},
        {DivLookup::Id, "Top", "#Top{margin:0;}"},
        {DivLookup::Id, "#Top", "#Top{margin:0;}"},
        // Written in another letter case in the document: not found.
        {DivLookup::Class, "box", ""},
        {DivLookup::Id, "top", ""},
        {DivLookup::Class, "Top", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DivLookupResult(Page, c.kind, QString::fromUtf8(c.field)),
                  QString::fromUtf8(c.expected))
            << c.field;
}

TEST(DivLookupResult, RuleWithoutClosingBraceIsNotFound) {
    EXPECT_EQ(FindStyleRule(u"x .a{color:red", u".a"), QString());
    EXPECT_EQ(FindStyleRule(u"} .a{}", u".a"), QStringLiteral(".a{}"));
}

TEST(DivLookupResult, EmptyFieldCollectsEveryStyleBlockInOrder) {
    const QString expected = QStringLiteral("<style type=\"text/css\">\r\n#Top{margin:0;}\r\n"
                                            ".Box{color:red;\r\n}\r\n</style>\r\n"
                                            "<STYLE>p{x:y}</STYLE>\r\n");
    EXPECT_EQ(DivLookupResult(Page, DivLookup::Class, u"  "), expected);
    // A field holding only the prefix names nothing.
    EXPECT_EQ(DivLookupResult(Page, DivLookup::Id, u"#"), expected);
}

TEST(CollectStyleBlocks, StopsAtAnUnclosedBlockOrWhenThereIsNone) {
    EXPECT_EQ(CollectStyleBlocks(u"<style>a</style><style>b"),
              QStringLiteral("<style>a</style>\r\n"));
    EXPECT_EQ(CollectStyleBlocks(u"<p>no style</p>"), QString());
    EXPECT_EQ(CollectStyleBlocks(u"</style><style>"), QString());
    EXPECT_EQ(CollectStyleBlocks(u""), QString());
}

TEST(DivSpanCommand, WrapsTheSelectionEvenWhenItIsBlank) {
    MemoryBuffer empty(QStringLiteral("ab"));
    empty.setSelStart(1);
    DivSpanCommand(empty, DivTyp, [](int typ) {
        DivFields f = DivDialogOpening(typ);
        return DivDialogOk(f, typ).HtmlCode;
    });
    EXPECT_EQ(empty.text(), QStringLiteral("a<div style=\"width: 800px; margin: 0 auto\"></div>b"));
    EXPECT_EQ(empty.caretOffset(), int(empty.text().size()) - 1);

    MemoryBuffer blanks(QStringLiteral("x   y"));
    blanks.select(4, 1); // right to left
    WrapInDivOrSpan(blanks, SpanTyp, QStringLiteral("<span>"));
    EXPECT_EQ(blanks.text(), QStringLiteral("x<span>   </span>y"));
    EXPECT_EQ(blanks.selLength(), 0);
}

TEST(DivSpanCommand, CancelChangesNothing) {
    MemoryBuffer b(QStringLiteral("word"));
    b.selectAll();
    DivSpanCommand(b, SpanTyp, [](int) { return QString(); });
    EXPECT_EQ(b.text(), QStringLiteral("word"));
    EXPECT_EQ(b.selLength(), 4);
    EXPECT_FALSE(b.isModified());
}

} // namespace
