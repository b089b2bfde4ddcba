#include "features/styles/css_markup.h"
#include "foundation/document/memory_buffer.h"

#include <gtest/gtest.h>

namespace {

const QString Head = QStringLiteral("<style type=\"text/css\">\r\n<!--\r\n");
const QString Tail = QStringLiteral("-->\r\n</style>");

QString block(const QString& inner) {
    return Head + inner + Tail;
}

TEST(ComposeStyle, DefaultFieldsGiveTheClassWithFontFamilyAndSize) {
    CssFields f;
    EXPECT_EQ(composeStyle(f, false),
              block(QStringLiteral(".myClass{\r\nfont-family:Arial,Helvetica;\r\n"
                                   "font-size:12px;\r\n}\r\n\r\n")));
    CssFields g;
    EXPECT_EQ(composeStyle(g, true), QStringLiteral("font-family:Arial,Helvetica;font-size:12px;"));
}

TEST(ComposeStyle, SelectorTakesThePrefixOfTheChosenKind) {
    struct Case {
        const char* typed;
        bool classChosen;
        const char* selector;
    } cases[] = {
        {"#box", true, ".box"}, {".box", false, "#box"},  {"  box ", true, ".box"},
        {"box", false, "#box"}, {"..box", true, "..box"}, {"#.box", false, "#.box"},
    };
    for (const Case& c : cases) {
        CssFields f;
        f.selector = QString::fromUtf8(c.typed);
        f.isClass = c.classChosen;
        const QString style = composeStyle(f, false);
        const QString selector = QString::fromUtf8(c.selector);
        EXPECT_EQ(f.selector, selector) << c.typed;
        EXPECT_TRUE(style.startsWith(Head + selector + QStringLiteral("{\r\n"))) << c.typed;
    }
}

TEST(ComposeStyle, EmptySelectorInBlockModeLeavesOnlyTheCommentMarkers) {
    CssFields f;
    f.selector = QStringLiteral("   ");
    f.top = QStringLiteral("3px");
    f.useLinkStyles = true;
    EXPECT_EQ(composeStyle(f, false), QStringLiteral("<style type=\"text/css\">\r\n<!--\r\n"
                                                     "-->\r\n</style>"));
    EXPECT_EQ(f.selector, QStringLiteral("   "));
}

TEST(ComposeStyle, EmptySelectorInOneLineModeStillWritesTheProperties) {
    for (bool classChosen : {true, false}) {
        CssFields f;
        f.selector.clear();
        f.isClass = classChosen;
        EXPECT_EQ(composeStyle(f, true),
                  QStringLiteral("font-family:Arial,Helvetica;font-size:12px;"));
        EXPECT_EQ(f.selector, classChosen ? QStringLiteral(".") : QStringLiteral("#"));
    }
}

TEST(ComposeStyle, WritesEveryPropertyInItsFixedOrder) {
    CssFields f;
    f.selector = QStringLiteral("c");
    // Filled in dialog order, which differs from the written order around margin and padding.
    f.position = QStringLiteral("absolute");
    f.top = QStringLiteral("1px");
    f.left = QStringLiteral("2px");
    f.width = QStringLiteral("3px");
    f.padding = QStringLiteral("4px");
    f.margin = QStringLiteral("5px");
    f.borderWidth = QStringLiteral("thin");
    f.borderColour = QStringLiteral("#FF0000");
    f.borderStyle = QStringLiteral("dashed");
    f.fontFamily = QStringLiteral("Verdana");
    f.fontSize = QStringLiteral("9pt");
    f.fontWeight = QStringLiteral("bold");
    f.fontStyle = QStringLiteral("italic");
    f.textColour = QStringLiteral("#000000");
    f.textDecoration = QStringLiteral("underline");
    f.textAlign = QStringLiteral("center");
    f.backgroundImageUrl = QStringLiteral("bg.png");
    f.backgroundRepeat = QStringLiteral("repeat-x");
    f.backgroundPosition = QStringLiteral("top");
    f.backgroundAttachment = QStringLiteral("fixed");
    f.backgroundColour = QStringLiteral("#FFFFFF");
    EXPECT_EQ(composeStyle(f, false),
              block(QStringLiteral(".c{\r\n"
                                   "position:absolute;\r\ntop:1px;\r\nleft:2px;\r\nwidth:3px;\r\n"
                                   "margin:5px;\r\nborder-width:thin;\r\nborder-color:#FF0000;\r\n"
                                   "border-style:dashed;\r\npadding:4px;\r\n"
                                   "font-family:Verdana;\r\nfont-size:9pt;\r\nfont-weight:bold;\r\n"
                                   "font-style:italic;\r\ncolor:#000000;\r\n"
                                   "text-decoration:underline;\r\ntext-align:center;\r\n"
                                   "background-image:url(bg.png);\r\n"
                                   "background-repeat:repeat-x;\r\nbackground-position:top;\r\n"
                                   "background-attachment:fixed;\r\n"
                                   "background-color:#FFFFFF;\r\n}\r\n\r\n")));
}

TEST(ComposeStyle, KeepsBlanksAroundValuesAndLeavesBlankValuesOut) {
    CssFields f;
    f.selector = QStringLiteral("c");
    f.fontFamily = QStringLiteral(" Arial ");
    f.fontSize = QStringLiteral("   ");
    f.backgroundImageUrl = QStringLiteral("\t");
    EXPECT_EQ(composeStyle(f, true), QStringLiteral("font-family: Arial ;"));
}

TEST(ComposeStyle, LinkRulesFollowTheClassRuleAndSkipEmptiedFields) {
    CssFields f;
    f.selector = QStringLiteral("c");
    f.fontFamily.clear();
    f.fontSize.clear();
    f.useLinkStyles = true;
    f.hoverStyle = QStringLiteral("  ");
    EXPECT_EQ(composeStyle(f, false),
              block(QStringLiteral(".c{\r\n}\r\n\r\n"
                                   "a:link {font-weight:bold; color:blue; "
                                   "text-decoration:underline;}\r\n"
                                   "a:visited {font-weight:bold; color:silver; "
                                   "text-decoration:underline;}\r\n"
                                   "a:focus {font-weight:bold; color:red; "
                                   "text-decoration:underline;}\r\n"
                                   "a:active {font-weight:bold; color:black; "
                                   "text-decoration:underline;}\r\n")));
    // One-line mode strings the rules together without line breaks.
    EXPECT_TRUE(composeStyle(f, true).startsWith(QStringLiteral(
        "a:link {font-weight:bold; color:blue; text-decoration:underline;}a:visited {")));
}

TEST(ResetCssFieldsForOpening, ClearsOnlyTheColoursAndTheLinkBox) {
    CssFields f;
    f.selector = QStringLiteral("#kept");
    f.isClass = false;
    f.top = QStringLiteral("7px");
    f.hoverStyle = QStringLiteral("kept");
    f.borderColour = QStringLiteral("#010203");
    f.textColour = QStringLiteral("#040506");
    f.backgroundColour = QStringLiteral("#070809");
    f.useLinkStyles = true;
    resetCssFieldsForOpening(f);
    EXPECT_TRUE(f.borderColour.isEmpty());
    EXPECT_TRUE(f.textColour.isEmpty());
    EXPECT_TRUE(f.backgroundColour.isEmpty());
    EXPECT_FALSE(f.useLinkStyles);
    EXPECT_EQ(f.selector, QStringLiteral("#kept"));
    EXPECT_FALSE(f.isClass);
    EXPECT_EQ(f.top, QStringLiteral("7px"));
    EXPECT_EQ(f.hoverStyle, QStringLiteral("kept"));
}

TEST(InsertStyleElement, GoesOnItsOwnLineBeforeTheClosingHeadInAnyCase) {
    const QString doc = QStringLiteral("<HTML><HEAD><title>t</title></HEAD><body>x</body>");
    MemoryBuffer b(doc);
    b.select(int(doc.indexOf(u'x')), int(doc.indexOf(u'x')) + 1);
    insertStyleElement(b, QStringLiteral("S"));
    EXPECT_EQ(b.text(),
              QStringLiteral("<HTML><HEAD><title>t</title>\r\nS\r\n</HEAD><body>x</body>"));
    // The selection elsewhere is neither replaced nor moved along.
    EXPECT_EQ(b.selLength(), 0);
    EXPECT_EQ(b.caretOffset(), int(b.text().indexOf(QStringLiteral("</HEAD>"))));
}

TEST(InsertStyleElement, WithoutHeadGoesInFrontOfTheSelection) {
    MemoryBuffer caret(QStringLiteral("ab"));
    caret.setSelStart(1);
    insertStyleElement(caret, QStringLiteral("S"));
    EXPECT_EQ(caret.text(), QStringLiteral("a\r\nS\r\nb"));
    EXPECT_EQ(caret.caretOffset(), 6);

    MemoryBuffer selected(QStringLiteral("a<hd>b"));
    selected.select(5, 1);
    insertStyleElement(selected, QStringLiteral("S"));
    EXPECT_EQ(selected.text(), QStringLiteral("a\r\nS\r\n<hd>b"));
}

TEST(DefineStyle, BlankResultChangesNothing) {
    MemoryBuffer b(QStringLiteral("<head></head>"));
    b.select(0, 6);
    defineStyle(b, [] { return QStringLiteral(" \r\n"); });
    EXPECT_EQ(b.text(), QStringLiteral("<head></head>"));
    EXPECT_FALSE(b.isModified());
    EXPECT_EQ(b.selLength(), 6);
}

} // namespace
