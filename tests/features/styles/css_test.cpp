#include "features/styles/css_markup.h"
#include "foundation/document/memory_buffer.h"

#include <gtest/gtest.h>

namespace {

const QString Head = QStringLiteral("<style type=\"text/css\">\r\n<!--\r\n");
const QString Tail = QStringLiteral("-->\r\n</style>");

QString block(const QString& inner) {
    return Head + inner + Tail;
}

TEST(CssDialogOk, DefaultsGiveTheWorkedExamples) {
    CssFields f;
    EXPECT_EQ(CssDialogOk(f, false),
              block(QStringLiteral(".myClass{\r\nfont-family:Arial,Helvetica;\r\n"
                                   "font-size:12px;\r\n}\r\n\r\n")));
    CssFields g;
    EXPECT_EQ(CssDialogOk(g, true), QStringLiteral("font-family:Arial,Helvetica;font-size:12px;"));
}

TEST(CssDialogOk, SelectorTakesThePrefixOfTheChosenKind) {
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
        f.EditClass = QString::fromUtf8(c.typed);
        f.RadioButton1 = c.classChosen;
        const QString style = CssDialogOk(f, false);
        const QString selector = QString::fromUtf8(c.selector);
        EXPECT_EQ(f.EditClass, selector) << c.typed;
        EXPECT_TRUE(style.startsWith(Head + selector + QStringLiteral("{\r\n"))) << c.typed;
    }
}

TEST(CssDialogOk, EmptyClassInBlockModeLeavesOnlyTheCommentMarkers) {
    CssFields f;
    f.EditClass = QStringLiteral("   ");
    f.EditTop = QStringLiteral("3px");
    f.CheckBox1 = true;
    EXPECT_EQ(CssDialogOk(f, false), QStringLiteral("<style type=\"text/css\">\r\n<!--\r\n"
                                                    "-->\r\n</style>"));
    EXPECT_EQ(f.EditClass, QStringLiteral("   "));
}

TEST(CssDialogOk, EmptyClassInOneLineModeStillWritesTheProperties) {
    for (bool classChosen : {true, false}) {
        CssFields f;
        f.EditClass.clear();
        f.RadioButton1 = classChosen;
        EXPECT_EQ(CssDialogOk(f, true),
                  QStringLiteral("font-family:Arial,Helvetica;font-size:12px;"));
        EXPECT_EQ(f.EditClass, classChosen ? QStringLiteral(".") : QStringLiteral("#"));
    }
}

TEST(CssDialogOk, WritesEveryPropertyInItsFixedOrder) {
    CssFields f;
    f.EditClass = QStringLiteral("c");
    // Filled in dialog order, which differs from the written order around margin and padding.
    f.ComboBoxPosition = QStringLiteral("absolute");
    f.EditTop = QStringLiteral("1px");
    f.EditLeft = QStringLiteral("2px");
    f.EditWidth = QStringLiteral("3px");
    f.EditPadding = QStringLiteral("4px");
    f.EditMargin = QStringLiteral("5px");
    f.EditBorder = QStringLiteral("thin");
    f.EditBColor = QStringLiteral("#FF0000");
    f.ComboBStyle = QStringLiteral("dashed");
    f.EditFont = QStringLiteral("Verdana");
    f.EditFontSize = QStringLiteral("9pt");
    f.ComboBoxWeight = QStringLiteral("bold");
    f.ComboBoxStyle = QStringLiteral("italic");
    f.EditFColor = QStringLiteral("#000000");
    f.ComboBox1 = QStringLiteral("underline");
    f.ComboBox2 = QStringLiteral("center");
    f.EditBackUrl = QStringLiteral("bg.png");
    f.ComboRepeat = QStringLiteral("repeat-x");
    f.ComboPosition = QStringLiteral("top");
    f.ComboAttach = QStringLiteral("fixed");
    f.EditBgColor = QStringLiteral("#FFFFFF");
    EXPECT_EQ(CssDialogOk(f, false),
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

TEST(CssDialogOk, KeepsBlanksAroundValuesAndLeavesBlankValuesOut) {
    CssFields f;
    f.EditClass = QStringLiteral("c");
    f.EditFont = QStringLiteral(" Arial ");
    f.EditFontSize = QStringLiteral("   ");
    f.EditBackUrl = QStringLiteral("\t");
    EXPECT_EQ(CssDialogOk(f, true), QStringLiteral("font-family: Arial ;"));
}

TEST(CssDialogOk, LinkRulesFollowTheRuleAndSkipEmptiedFields) {
    CssFields f;
    f.EditClass = QStringLiteral("c");
    f.EditFont.clear();
    f.EditFontSize.clear();
    f.CheckBox1 = true;
    f.Edit4 = QStringLiteral("  ");
    EXPECT_EQ(CssDialogOk(f, false),
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
    EXPECT_TRUE(CssDialogOk(f, true).startsWith(QStringLiteral(
        "a:link {font-weight:bold; color:blue; text-decoration:underline;}a:visited {")));
}

TEST(CssDialogOpening, ClearsOnlyTheColoursAndTheLinkBox) {
    CssFields f;
    f.EditClass = QStringLiteral("#kept");
    f.RadioButton1 = false;
    f.EditTop = QStringLiteral("7px");
    f.Edit4 = QStringLiteral("kept");
    f.EditBColor = QStringLiteral("#010203");
    f.EditFColor = QStringLiteral("#040506");
    f.EditBgColor = QStringLiteral("#070809");
    f.CheckBox1 = true;
    CssDialogOpening(f);
    EXPECT_TRUE(f.EditBColor.isEmpty());
    EXPECT_TRUE(f.EditFColor.isEmpty());
    EXPECT_TRUE(f.EditBgColor.isEmpty());
    EXPECT_FALSE(f.CheckBox1);
    EXPECT_EQ(f.EditClass, QStringLiteral("#kept"));
    EXPECT_FALSE(f.RadioButton1);
    EXPECT_EQ(f.EditTop, QStringLiteral("7px"));
    EXPECT_EQ(f.Edit4, QStringLiteral("kept"));
}

TEST(InsertStyleElement, GoesOnItsOwnLineBeforeTheClosingHeadInAnyCase) {
    const QString doc = QStringLiteral("<HTML><HEAD><title>t</title></HEAD><body>x</body>");
    MemoryBuffer b(doc);
    b.select(int(doc.indexOf(u'x')), int(doc.indexOf(u'x')) + 1);
    InsertStyleElement(b, QStringLiteral("S"));
    EXPECT_EQ(b.text(),
              QStringLiteral("<HTML><HEAD><title>t</title>\r\nS\r\n</HEAD><body>x</body>"));
    // The selection elsewhere is neither replaced nor moved along.
    EXPECT_EQ(b.selLength(), 0);
    EXPECT_EQ(b.caretOffset(), int(b.text().indexOf(QStringLiteral("</HEAD>"))));
}

TEST(InsertStyleElement, WithoutHeadGoesInFrontOfTheSelection) {
    MemoryBuffer caret(QStringLiteral("ab"));
    caret.setSelStart(1);
    InsertStyleElement(caret, QStringLiteral("S"));
    EXPECT_EQ(caret.text(), QStringLiteral("a\r\nS\r\nb"));
    EXPECT_EQ(caret.caretOffset(), 6);

    MemoryBuffer selected(QStringLiteral("a<hd>b"));
    selected.select(5, 1);
    InsertStyleElement(selected, QStringLiteral("S"));
    EXPECT_EQ(selected.text(), QStringLiteral("a\r\nS\r\n<hd>b"));
}

TEST(InsertStyleElement, BlankResultChangesNothing) {
    MemoryBuffer b(QStringLiteral("<head></head>"));
    b.select(0, 6);
    Font2Click(b, [] { return QStringLiteral(" \r\n"); });
    EXPECT_EQ(b.text(), QStringLiteral("<head></head>"));
    EXPECT_FALSE(b.isModified());
    EXPECT_EQ(b.selLength(), 6);
}

} // namespace
