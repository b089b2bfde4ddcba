#include "features/check_html/attribute_quoting.h"
#include "features/check_html/code_check.h"
#include "features/check_html/correct_markup.h"
#include "features/check_html/empty_elements.h"
#include "features/check_html/tag_balance.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/document_file.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"
#include "test_paths.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const MessageTable& english() {
    static const MessageTable table;
    return table;
}

// correctMarkup on a fragment placed in a complete page; returns what the body holds after.
QString inBody(const QString& fragment, const QString& head = QString()) {
    const QString page = QStringLiteral("<html>\r\n<head>") + head +
                         QStringLiteral("</head>\r\n<body>\r\n") + fragment +
                         QStringLiteral("\r\n</body>\r\n</html>");
    QString report;
    const QString result = correctMarkup(page, english(), report);
    const qsizetype start = result.indexOf(QLatin1String("<body>\r\n")) + 8;
    return result.mid(start, result.lastIndexOf(QLatin1String("\r\n</body>")) - start);
}

QString inHead(const QString& fragment) {
    QString report;
    const QString result = correctMarkup(QStringLiteral("<html><head>") + fragment +
                                             QStringLiteral("</head><body></body></html>"),
                                         english(), report);
    const qsizetype start = result.indexOf(QLatin1String("<head>")) + 6;
    return result.mid(start, result.indexOf(QLatin1String("</head>")) - start);
}

struct Case {
    const char* input;
    const char* expected;
};

} // namespace

TEST(CorrectMarkup, RewritesTagsAndValuesInTheBody) {
    const Case cases[] = {
        {"<BR>", "<br />"},
        {"<br/>", "<br/>"},
        {"<IMG SRC=Pic.GIF>", "<img src=\"Pic.GIF\"  />"},
        {"<HR>", "<hr />"},
        {"<TD Width=100>x</TD>", "<td width=\"100\">x</td>"},
        {"<P>Text in CAPS</P>", "<p>Text in CAPS</p>"},
        {"<a  HREF=Page.html>y</a>", "<a href=\"Page.html\">y</a>"},
        {"<a\r\nhref=\"x\">y</a>", "<a href=\"x\">y</a>"},
        {"<p>\r\n<p>", "<p>\r\n<p>"},
        {"<strong><strong>x</strong>", "<strong>x</strong>"},
        {"a<b></b>c", "ac"},
        // The blank goes first; then the element is empty.
        {"a<b ></b>c", "ac"},
        {"<i>&nbsp;</i>", "&nbsp;"},
        {"x&NBSP;y&Nbsp;", "x&nbsp;y&Nbsp;"},
        {"<u>\r\n</u>", "<br />"},
        {"<b>\r\n</b>", ""},
        {"<p>a</p> <p>b</p>", "<p>a</p><p>b</p>"},
        {"<p>a<<b>>c</b>", "<p>a<b>c</b>"},
        // An "=" in running text is no attribute.
        {"<p>E=mc2 and x = 5</p>", "<p>E=mc2 and x = 5</p>"},
        {"<p class=Intro>E=mc2</p>", "<p class=\"Intro\">E=mc2</p>"},
        {"<p title=\"a=b\" class=c>", "<p title=\"a=b\" class=\"c\">"},
        {"<td a=b c=d>x</td>", "<td a=\"b\"  c=\"d\">x</td>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(inBody(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected)) << c.input;
}

TEST(CorrectMarkup, HeadValuesStayUnquotedAndLowerWhenTheyEndAtTheBracket) {
    EXPECT_EQ(inHead(QStringLiteral("<META NAME=Author CONTENT=Me>")),
              QStringLiteral("<meta name=Author content=me>"));
    EXPECT_EQ(inHead(QStringLiteral("<LINK HREF=\"Style.CSS\" REL=StyleSheet>")),
              QStringLiteral("<link href=\"Style.CSS\" rel=stylesheet>"));
}

TEST(CorrectMarkup, DocumentTypeComesFirstInItsOwnCase) {
    QString report;
    EXPECT_EQ(
        correctMarkup(QStringLiteral("<html><head></head><body></body></html>"), english(), report),
        QStringLiteral("<!DOCTYPE html>\r\n<html><head></head><body></body></html>"));
    const QString strict = QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">");
    EXPECT_EQ(correctMarkup(strict + QStringLiteral("\r\n<HTML><HEAD></HEAD><BODY></BODY></HTML>"),
                            english(), report),
              strict + QStringLiteral("\r\n<html><head></head><body></body></html>"));
    // Across two lines the declaration is lowered and joined, and no longer found as it was.
    EXPECT_EQ(correctMarkup(QStringLiteral("<!DOCTYPE HTML PUBLIC \"A\"\r\n\"B\"><html><head>"
                                           "</head><body></body></html>"),
                            english(), report),
              QStringLiteral("<!doctype html public \"a\" \"b\"><html><head></head><body></body>"
                             "</html>"));
    EXPECT_TRUE(report.isEmpty());
}

TEST(CheckHtmlText, ChangesMarkupOnlyNeverScriptsStylesCommentsOrQuotedValues) {
    const Case cases[] = {
        {"<script>if (a < b) x = \"< y >\"; z = 1> <2; var X = \"<b>\";</script>", nullptr},
        {"<STYLE>P { COLOR: RED } /* <b> */\r\n</STYLE>", nullptr},
        {"<!-- GENERATED FILE, DO NOT EDIT -->", nullptr},
        {"<!-- spread\r\nover <B>lines</B> -->", nullptr},
        {"<DIV ONCLICK=\"alert('<B>')\">x</DIV>", "<div onclick=\"alert('<B>')\">x</div>"},
        {"<img alt=\"a > b\" width=10>", "<img alt=\"a > b\" width=\"10\"  />"},
        {"<P TITLE='A=B \"C\" > D' CLASS = \"E\r\nF\">",
         "<p title='A=B \"C\" > D' class =\"\"  \"E\r\nF\">"},
        {"<a href=\"x\"\r\ntitle=\"&NBSP; <br>\">y</a>",
         "<a href=\"x\" title=\"&NBSP; <br>\">y</a>"},
        // A value holding "Param1" once drew the next value into it.
        {"<P CLASS=Param1 TITLE=\"x\">y</P>", "<p class=\"Param1\"  title=\"x\">y</p>"},
    };
    for (const Case& c : cases) {
        const QString input = QString::fromUtf8(c.input);
        EXPECT_EQ(inBody(input), c.expected ? QString::fromUtf8(c.expected) : input) << c.input;
    }
    // A "<div" inside a script string is no unclosed division, and "<body" inside one is no
    // body tag.
    const QString page = QStringLiteral(
        "<html><head><script>w('<div>'); w('<body>');</script></head><body>x</body></html>");
    const CodeCheckOutcome outcome = checkHtmlText(page, english());
    EXPECT_EQ(outcome.text, QStringLiteral("<!DOCTYPE html>\r\n") + page);
    EXPECT_TRUE(outcome.report.isEmpty());
    // Each run gives the blocks back as they were: no line break piles up in front of them.
    EXPECT_EQ(checkHtmlText(outcome.text, english()).text, outcome.text);
}

TEST(CheckHtmlText, FlagsAnUnclosedTagOnceHoweverOftenItRuns) {
    const QString page =
        QStringLiteral("<html><head></head><body><DIV CLASS=a>x<!-- <div> --></body></html>");
    const CodeCheckOutcome once = checkHtmlText(page, english());
    EXPECT_EQ(once.text, QStringLiteral("<!DOCTYPE html>\r\n<html><head></head><body><div "
                                        "class=\"a\"><!CheckThis>x<!-- <div> --></body></html>"));
    EXPECT_EQ(once.flaggedTags, 1);
    const CodeCheckOutcome twice = checkHtmlText(once.text, english());
    EXPECT_EQ(twice.text, once.text);
    EXPECT_EQ(twice.flaggedTags, 0);
    EXPECT_EQ(twice.report, once.report);
    // A marker an older check lowered counts as one too.
    QString lowered = once.text;
    lowered.replace(QLatin1String("<!CheckThis>"), QLatin1String("<!checkthis>"));
    EXPECT_EQ(checkHtmlText(lowered, english()).text, lowered);
}

TEST(CorrectMarkup, NeverWritesIntoAProtectedPlaceholder) {
    // Quoting the value or closing the element at the placeholder's ">" would lose the block.
    EXPECT_TRUE(inBody(QStringLiteral("<input value=<script>w(1)</script>>"))
                    .contains(QLatin1String("<script>w(1)</script>")));
    EXPECT_TRUE(inBody(QStringLiteral("<br<script>w(2)</script>"))
                    .contains(QLatin1String("<script>w(2)</script>")));
}

TEST(QuoteAttributeValues, QuotesOnlyEqualsSignsInsideTagsAfterTheBodyTag) {
    const Case cases[] = {
        {"<a b=c><body x=1>", "<a b=c><body x=\"1\" >"},
        {"<p>E=mc2</p><p a=b>", "<p>E=mc2</p><p a=\"b\" >"},
        // A ">" inside a quoted value ends the tag as far as the rule can tell; in the check
        // the value stands behind a placeholder.
        {"<a t=\"x>y\" h=z>", "<a t=\"x>y\" h=z>"},
        // A raw "<" in running text opens a tag as far as the rule can tell.
        {"if a < b then c = d.", "if a < b then c =\"\"  d."},
        {"<p a=b\"c>", "<p a=\"b\"c>"},
        {"<p a=", "<p a=\""},
        // Right after a quoted value the next "=" is not found again: its value is searched
        // for an "=" of its own.
        {"<p a=\"1\" b=x=y>", "<p a=\"1\" b=\"x=\"y\" >"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(quoteAttributeValues(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected))
            << c.input;
    // No end within 300 characters: no closing quote.
    const QString longValue = QStringLiteral("<p a=") + QString(300, QLatin1Char('v'));
    EXPECT_EQ(quoteAttributeValues(longValue + QStringLiteral(">")),
              QStringLiteral("<p a=\"") + QString(300, QLatin1Char('v')) + QStringLiteral(">"));
    EXPECT_EQ(quoteAttributeValues(QStringLiteral("<p a=") + QString(299, QLatin1Char('v')) +
                                   QStringLiteral(">")),
              QStringLiteral("<p a=\"") + QString(299, QLatin1Char('v')) + QStringLiteral("\" >"));
}

TEST(RepairSkeleton, AddsTheMissingHtmlHeadAndBodyTags) {
    const Case cases[] = {
        {"<html><body>x</body></html>", "<html>\r\n<head>\r\n</head>\r\n<body>x</body></html>"},
        // A fragment gets an empty head and its content in a body.
        {"<p>x</p>", "\r\n<html>\r\n<head>\r\n</head>\r\n<body><p>x</p>\r\n</body></html>"},
        {"<!DOCTYPE html><p>x</p>",
         "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n</head>\r\n<body><p>x</p>\r\n</body></html>"},
        {"<html lang=\"en\"><p>x</p></html>",
         "<html lang=\"en\">\r\n<head>\r\n</head>\r\n<body><p>x</p>\r\n</body></html>"},
        // A html tag with attributes gets no head.
        {"<html lang=\"en\"><body>x</body></html>",
         "<html lang=\"en\">\r\n</head>\r\n<body>x</body></html>"},
        {"<html><head></head>x</html>", "<html><head></head>\r\n<body>x\r\n</body></html>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(repairSkeleton(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected))
            << c.input;
}

TEST(JoinLinesInsideTags, JoinsLineBreaksOnlyInsideTags) {
    EXPECT_TRUE(isBreakInsideTag(u"<a\r\nhref><b>", 2));
    EXPECT_FALSE(isBreakInsideTag(u"<a>\r\n<b>", 3));
    // No ">" after it: inside; a ">" but no "<" after it: outside.
    EXPECT_TRUE(isBreakInsideTag(u"a\r\n<b", 1));
    EXPECT_FALSE(isBreakInsideTag(u"<a\r\nhref>", 2));
    EXPECT_EQ(joinLinesInsideTags(QStringLiteral("<a\r\nb>\r\n<c>\r\nd\r\ne")),
              QStringLiteral("<a b>\r\n<c> d e"));
    EXPECT_EQ(joinLinesInsideTags(QStringLiteral("<a\r\nb>")), QStringLiteral("<a\r\nb>"));
    // The character after a joined break is passed over, so a second break right behind it
    // stays.
    EXPECT_EQ(joinLinesInsideTags(QStringLiteral("<a\r\n\r\nb><c>")),
              QStringLiteral("<a \r\nb><c>"));
}

TEST(CheckTagBalance, DisablesUnpairedTagsAndReportsThem) {
    struct BalanceCase {
        const char* text;
        const char16_t* open;
        const char16_t* close;
        const char* expected;
        const char* report;
    };
    const BalanceCase cases[] = {
        {"<div>a</div><div>b", u"<div", u"</div>", "<div>a</div><!iv>b",
         "\r\nFor <div  closing Tag(s) missing.\r\n1</div> missing"},
        {"<div><div></div>", u"<div", u"</div>", "<!iv><div></div>",
         "\r\nFor <div  closing Tag(s) missing.\r\n1</div> missing"},
        {"a</b>", u"<b>", u"</b>", "a    ", "\r\n1 redundant</b> deleted."},
        {"</div><div>", u"<div", u"</div>", "</div><div>", ""},
        {"<strong class=x>y</strong>", u"<strong>", u"</strong>", "<strong class=x>y         ",
         "\r\n1 redundant</strong> deleted."},
        {"</div></div><DIV>x", u"<div", u"</div>", "            <!iv>x",
         "\r\nFor <div  closing Tag(s) missing.\r\n2 redundant</div> deleted."},
        {"<a href=x>y<a name=z>", u"<a ", u"</a>", "<! href=x>y<! name=z>",
         "\r\nFor <a   closing Tag(s) missing.\r\nFor <a   closing Tag(s) missing.\r\n2</a> "
         "missing"},
    };
    for (const BalanceCase& c : cases) {
        QString text = QString::fromUtf8(c.text);
        QString report;
        checkTagBalance(QStringView(c.open), QStringView(c.close), text, english(), report);
        EXPECT_EQ(text, QString::fromUtf8(c.expected)) << c.text;
        EXPECT_EQ(report, QString::fromUtf8(c.report)) << c.text;
        // A second run finds the kind balanced.
        const QString once = text;
        checkTagBalance(QStringView(c.open), QStringView(c.close), text, english(), report);
        EXPECT_EQ(text, once) << c.text;
        EXPECT_EQ(report, QString::fromUtf8(c.report)) << c.text;
    }

    MessageTable german;
    german.setLanguage(UiLanguage::German);
    QString text = QStringLiteral("<div>");
    QString report;
    checkTagBalance(u"<div", u"</div>", text, german, report);
    EXPECT_EQ(report, QStringLiteral("\r\nFür <div  schließende(s) Tag(s) fehlen.\r\n1</div> "
                                     "fehlend"));
}

TEST(RemoveEmptyElements, RemovesEmptyAndNbspOnlyElements) {
    struct EmptyCase {
        const char* text;
        const char16_t* open;
        const char16_t* close;
        const char* expected;
        int count;
    };
    const EmptyCase cases[] = {
        {"xx<span></span>yy", u"<span", u"</span>", "xxyy", 1},
        {"xx<h2> </h2>yy", u"<h2", u"</h2>", "xxyy", 1},
        {"xx<SPAN> &nbsp; </Span>", u"<span", u"</span>", "xx&nbsp;", 1},
        {"xx<h1>&nbsp</h1>", u"<h1", u"</h1>", "xx&nbsp", 1},
        {"xx<a name=top></a>", u"<a href", u"</a>", "xx<a name=top></a>", 0},
        {"xx<font color=red>x</font>", u"<font", u"</font>", "xx<font color=red>x</font>", 0},
        // The content runs to the next closing tag: the outer element is not empty, the inner
        // one is, and the search goes on two characters after it.
        {"xx<span><span></span></span>", u"<span", u"</span>", "xx<span></span>", 1},
        {"xx<span></span><span></span>", u"<span", u"</span>", "xx<span></span>", 1},
        {"xx<span>&nbsp;</span><span></span>", u"<span", u"</span>", "xx&nbsp;", 2},
        // The first search starts at the third character.
        {"<span></span>", u"<span", u"</span>", "<span></span>", 0},
        {"xx<span>", u"<span", u"</span>", "xx<span>", 0},
    };
    for (const EmptyCase& c : cases) {
        MemoryBuffer editor(QString::fromUtf8(c.text));
        EXPECT_EQ(removeEmptyElements(editor, QStringView(c.open), QStringView(c.close)), c.count)
            << c.text;
        EXPECT_EQ(editor.text(), QString::fromUtf8(c.expected)) << c.text;
    }
    MemoryBuffer editor(QStringLiteral("xx<span></span>yy<span> &nbsp; </span>zz"));
    EXPECT_EQ(removeEmptyElements(editor, u"<span", u"</span>"), 2);
    EXPECT_EQ(editor.selStart(), 10);
    EXPECT_EQ(editor.selLength(), 0);
    editor.undo();
    EXPECT_EQ(editor.text(), QStringLiteral("xx<span></span>yy<span> &nbsp; </span>zz"));
}

TEST(FlagDisabledBlockTags, RestoresBlockTagsAfterTheBodyAndMarksThem) {
    EXPECT_EQ(flagDisabledBlockTags(QStringLiteral(
                  "<!iv><body><!iv class=a>x<!d>y<!trong>z<!doctype html><!r\r\n><!pan/><!able")),
              QStringLiteral("<!iv><body><div class=a><!CheckThis>x<td><!CheckThis>y<!trong>z"
                             "<!doctype html><tr\r\n><!CheckThis><span/><!CheckThis><!able"));
    EXPECT_EQ(flagDisabledBlockTags(QStringLiteral("<!iv>")), QStringLiteral("<!iv>"));
}

TEST(CheckHtml, RewritesStampsReportsAndMarksModified) {
    const QString page =
        QStringLiteral("  <html><head><title>T</title></head><body><div>a<span></span></body>"
                       "</html>\r\n");
    MemoryBuffer editor(page);
    ScriptedPrompter prompter;
    checkHtml({editor, prompter, english()}, UiLanguage::English);
    EXPECT_EQ(editor.text(),
              QStringLiteral("<!DOCTYPE html>\r\n  <html><head><title>T</title><meta "
                             "name=GENERATOR content=Hexlume>\r\n</head><body><div><!CheckThis>a"
                             "</body></html>"));
    EXPECT_EQ(prompter.messages(),
              QStringList{QStringLiteral("Code check finished.\r\n\r\nFor <div  closing Tag(s) "
                                         "missing.\r\n1</div> missing\r\nBlank tags removed."
                                         "\r\nEmpty elements removed: 1\r\nTags flagged with "
                                         "<!CheckThis>: 1")});
    EXPECT_TRUE(editor.isModified());

    MessageTable german;
    german.setLanguage(UiLanguage::German);
    MemoryBuffer again(page);
    ScriptedPrompter asked;
    checkHtml({again, asked, german}, UiLanguage::German);
    EXPECT_EQ(asked.messages(),
              QStringList{QStringLiteral("Codeprüfung beendet.\r\n\r\nFür <div  schließende(s) "
                                         "Tag(s) fehlen.\r\n1</div> fehlend\r\nLeere Tags "
                                         "entfernt.\r\nLeere Elemente entfernt: 1\r\nTags mit "
                                         "<!CheckThis> markiert: 1")});

    // A clean page is still rewritten and marked; a second check changes nothing more.
    const QString clean =
        editor.text().replace(QLatin1String("<div><!CheckThis>a"), QLatin1String("<div>a</div>"));
    MemoryBuffer tidy(clean);
    ScriptedPrompter quiet;
    checkHtml({tidy, quiet, english()}, UiLanguage::English);
    EXPECT_EQ(tidy.text(), clean);
    // The generator element's unquoted value is lowered (and stamped again afterwards).
    EXPECT_EQ(quiet.messages(),
              QStringList{QStringLiteral("Code check finished.\r\n\r\nTags lower-cased: 1")});
    EXPECT_TRUE(tidy.isModified());
}

TEST(CheckHtml, ReportsProgressStepByStepToTheEnd) {
    MemoryBuffer editor(QStringLiteral("<p>x"));
    QList<int> done;
    int total = 0;
    runCodeCheck(editor, english(), [&](int step, int steps) {
        done << step;
        total = steps;
    });
    QList<int> expected;
    for (int step = 1; step <= total; ++step)
        expected << step;
    EXPECT_EQ(done, expected);
    EXPECT_GT(total, 2);
}

TEST(CheckHtml, RewritesEachSamplePageToItsExpectedText) {
    const QDir folder(featureTestData(QStringLiteral("check_html")));
    const QStringList cases = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(cases.isEmpty());
    for (const QString& name : cases) {
        const auto input = loadDocumentFile(folder.filePath(name + QStringLiteral("/input.html")));
        const auto expected =
            loadDocumentFile(folder.filePath(name + QStringLiteral("/expected.html")));
        ASSERT_TRUE(input && expected) << name.toStdString();
        MemoryBuffer editor(input->text);
        ScriptedPrompter prompter;
        checkHtml({editor, prompter, english()}, UiLanguage::English);
        EXPECT_EQ(editor.text(), expected->text) << name.toStdString();
    }
}
