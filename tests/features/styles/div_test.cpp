#include "features/styles/div_markup.h"
#include "foundation/document/memory_buffer.h"

#include <gtest/gtest.h>

namespace {

QString openingTag(DivSpanTag tag, const char* klass, const char* id, const char* style,
                   const char* align) {
    DivFields f{QString::fromUtf8(klass), QString::fromUtf8(id), QString::fromUtf8(style),
                QString::fromUtf8(align)};
    return composeDivSpanTags(f, tag).openingTag;
}

TEST(ComposeDivSpanTags, OpeningTagCarriesIdClassStyleAndAlignment) {
    struct Case {
        DivSpanTag tag;
        const char* klass;
        const char* id;
        const char* style;
        const char* align;
        const char* expected;
    } cases[] = {
        {DivSpanTag::Div, "", "", "width: 800px; margin: 0 auto", "",
         "<div style=\"width: 800px; margin: 0 auto\">"},
        {DivSpanTag::Span, "", "", "", "center",
         "<span style=\" display:block; text-align: center\">"},
        {DivSpanTag::Div, "", "", "a:b", "right", "<div style=\"a:b; text-align: right\">"},
        {DivSpanTag::Span, "", "", "a:b", "left",
         "<span style=\"a:b; display:block; text-align: left\">"},
        {DivSpanTag::Div, "", "", "", "justify", "<div style=\" text-align: justify\">"},
        {DivSpanTag::Div, "", "", "", "", "<div>"},
        {DivSpanTag::Span, " box ", " top ", "  ", " ", "<span id=\"top\" class=\"box\">"},
        {DivSpanTag::Div, "c", "i", " s ", " center ",
         "<div id=\"i\" class=\"c\" style=\"s; text-align: center\">"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(openingTag(c.tag, c.klass, c.id, c.style, c.align), QString::fromUtf8(c.expected))
            << c.expected;
}

TEST(ComposeDivSpanTags, DropsTheFirstHashAndThenTheFirstDot) {
    struct Case {
        const char* typed;
        const char* cleaned;
    } cases[] = {
        {"#main", "main"}, {".box", "box"}, {"##a", "#a"},        {"..a", ".a"},
        {"#.a", "a"},      {".#a", "a"},    {"a#b.c.d", "abc.d"}, {" #x ", "x"},
    };
    for (const Case& c : cases) {
        DivFields f{QString::fromUtf8(c.typed), QString::fromUtf8(c.typed), QString(), QString()};
        const QString code = composeDivSpanTags(f, DivSpanTag::Div).openingTag;
        const QString cleaned = QString::fromUtf8(c.cleaned);
        EXPECT_EQ(f.cssClass, cleaned) << c.typed;
        EXPECT_EQ(f.id, cleaned) << c.typed;
        EXPECT_EQ(code, QStringLiteral("<div id=\"") + cleaned + QStringLiteral("\" class=\"") +
                            cleaned + QStringLiteral("\">"))
            << c.typed;
    }
}

TEST(DivFieldsForOpening, ResetsTheFieldsToTheElementsDefaultStyle) {
    const DivFields div = divFieldsForOpening(DivSpanTag::Div);
    EXPECT_EQ(div.style, QStringLiteral("width: 800px; margin: 0 auto"));
    EXPECT_TRUE(div.cssClass.isEmpty() && div.id.isEmpty() && div.textAlign.isEmpty());
    EXPECT_EQ(
        divFieldsForOpening(DivSpanTag::Span).style,
        QStringLiteral("font-family: Arial, Helvetica; font-weight: normal; font-size: 12px"));
    EXPECT_EQ(divSpanCaption(DivSpanTag::Div), QStringLiteral("<DIV>"));
    EXPECT_EQ(divSpanCaption(DivSpanTag::Span), QStringLiteral("<SPAN>"));
}

const QString Page = QStringLiteral("<head>\r\n<style type=\"text/css\">\r\n"
                                    "#Top{margin:0;}\r\n.Box{color:red;\r\n}\r\n"
                                    "</style>\r\n<STYLE>p{x:y}</STYLE>\r\n</head>\r\n"
                                    "<body><div class=\"box\">{}</div></body>");

TEST(LookUpStyle, FindsTheRuleByNameWithExactCase) {
    struct Case {
        SelectorKind kind;
        const char* field;
        const char* expected;
    } cases[] = {
        {SelectorKind::Class, "Box", ".Box{color:red;\r\n}"},
        {SelectorKind::Class, " .Box ", ".Box{color:red;\r\n}"},
        {SelectorKind::Id, "Top", "#Top{margin:0;}"},
        {SelectorKind::Id, "#Top", "#Top{margin:0;}"},
        // Written in another letter case in the document: not found.
        {SelectorKind::Class, "box", ""},
        {SelectorKind::Id, "top", ""},
        {SelectorKind::Class, "Top", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lookUpStyle(Page, c.kind, QString::fromUtf8(c.field)),
                  QString::fromUtf8(c.expected))
            << c.field;
}

TEST(LookUpStyle, RuleWithoutClosingBraceIsNotFound) {
    EXPECT_EQ(findStyleRule(u"x .a{color:red", u".a"), QString());
    EXPECT_EQ(findStyleRule(u"} .a{}", u".a"), QStringLiteral(".a{}"));
}

TEST(LookUpStyle, EmptyFieldCollectsEveryStyleBlockInOrder) {
    const QString expected = QStringLiteral("<style type=\"text/css\">\r\n#Top{margin:0;}\r\n"
                                            ".Box{color:red;\r\n}\r\n</style>\r\n"
                                            "<STYLE>p{x:y}</STYLE>\r\n");
    EXPECT_EQ(lookUpStyle(Page, SelectorKind::Class, u"  "), expected);
    // A field holding only the prefix names nothing.
    EXPECT_EQ(lookUpStyle(Page, SelectorKind::Id, u"#"), expected);
}

TEST(CollectStyleBlocks, StopsAtAnUnclosedBlockOrWhenThereIsNone) {
    EXPECT_EQ(collectStyleBlocks(u"<style>a</style><style>b"),
              QStringLiteral("<style>a</style>\r\n"));
    EXPECT_EQ(collectStyleBlocks(u"<p>no style</p>"), QString());
    EXPECT_EQ(collectStyleBlocks(u"</style><style>"), QString());
    EXPECT_EQ(collectStyleBlocks(u""), QString());
}

TEST(WrapSelectionInDivOrSpan, WrapsTheSelectionEvenWhenItIsBlank) {
    MemoryBuffer empty(QStringLiteral("ab"));
    empty.setSelStart(1);
    wrapSelectionInDivOrSpan(empty, DivSpanTag::Div, [](DivSpanTag tag) {
        DivFields f = divFieldsForOpening(tag);
        return composeDivSpanTags(f, tag).openingTag;
    });
    EXPECT_EQ(empty.text(), QStringLiteral("a<div style=\"width: 800px; margin: 0 auto\"></div>b"));
    EXPECT_EQ(empty.caretOffset(), int(empty.text().size()) - 1);

    MemoryBuffer blanks(QStringLiteral("x   y"));
    blanks.select(4, 1); // right to left
    wrapSelection(blanks, DivSpanTag::Span, QStringLiteral("<span>"));
    EXPECT_EQ(blanks.text(), QStringLiteral("x<span>   </span>y"));
    EXPECT_EQ(blanks.selLength(), 0);
}

TEST(WrapSelectionInDivOrSpan, CancelChangesNothing) {
    MemoryBuffer b(QStringLiteral("word"));
    b.selectAll();
    wrapSelectionInDivOrSpan(b, DivSpanTag::Span, [](DivSpanTag) { return QString(); });
    EXPECT_EQ(b.text(), QStringLiteral("word"));
    EXPECT_EQ(b.selLength(), 4);
    EXPECT_FALSE(b.isModified());
}

} // namespace
