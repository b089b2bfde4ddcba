// The one-pass steps against the reference model (reference_code_check.h) on thousands of
// random texts made of the pieces each step reacts to; the steps see placeholders where the
// whole check hides what it must keep.

#include "features/check_html/attribute_quoting.h"
#include "features/check_html/code_check.h"
#include "features/check_html/correct_markup.h"
#include "features/check_html/empty_elements.h"
#include "features/check_html/markup_text.h"
#include "features/check_html/normalize_tag.h"
#include "features/check_html/protected_texts.h"
#include "features/check_html/tag_balance.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "kept_texts.h"
#include "reference_code_check.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <functional>

namespace {

QString randomText(QRandomGenerator& random, const QStringList& pieces, int maxPieces) {
    QString text;
    const int count = random.bounded(0, maxPieces + 1);
    for (int i = 0; i < count; ++i)
        text += pieces[random.bounded(int(pieces.size()))];
    return text;
}

// Runs `check` on `rounds` random texts; stops at the first failure, showing its text.
void onRandomTexts(quint32 seed, int rounds, const QStringList& pieces, int maxPieces,
                   const std::function<void(const QString&)>& check) {
    QRandomGenerator random(seed);
    for (int round = 0; round < rounds && !testing::Test::HasFailure(); ++round) {
        const QString text = randomText(random, pieces, maxPieces);
        SCOPED_TRACE(shown(text));
        check(text);
    }
}

const QString longRun = QString(140, QLatin1Char('v'));

} // namespace

TEST(CodeCheckAgainstReferenceModel, AttributeQuotingMatches) {
    const QStringList pieces = QStringLiteral("<body|<BODY>|<|>|=|=|\"| |a|x=|=\"|<p "
                                              "|<!--\uFDD00\uFDD1-->|\"\uFDD012\uFDD1\"|-->|\r\n")
                                   .split(u'|')
                               << longRun;
    onRandomTexts(1, 4000, pieces, 30, [](const QString& text) {
        ASSERT_EQ(shown(quoteAttributeValues(text)),
                  shown(referenceCodeCheck::quoteAttributes(text)));
    });
}

TEST(CodeCheckAgainstReferenceModel, TagNormalisationMatches) {
    const QStringList pieces = QStringLiteral("<|>|=|\"| "
                                              "|A|b|param|PARAM1|aram0|=\"|Param10|<BR|<hr|<IMG|<"
                                              "inp|/>|<!--\uFDD00\uFDD1-->|x<br>|=p|<<br>")
                                   .split(u'|');
    onRandomTexts(2, 4000, pieces, 30, [](const QString& text) {
        ASSERT_EQ(shown(normalizeTags(text)), shown(referenceCodeCheck::normalizeTags(text)));
        if (text.startsWith(QLatin1Char('<'))) {
            ASSERT_EQ(shown(normalizeTag(text)), shown(referenceCodeCheck::normalizeTag(text)));
        }
    });
}

TEST(CodeCheckAgainstReferenceModel, SpacesTableAndLineJoiningMatch) {
    const QStringList pieces =
        QStringLiteral("<|>| |a|<b |<strong|\r\n|\r|\n|<b>|</b>|<B>|<br>|<br "
                       "/>|&nbsp;|<strong>|</strong>|<i>|</i>|<u>|</u>|<o:p>|<tr>|</tr>")
            .split(u'|');
    onRandomTexts(3, 4000, pieces, 30, [](const QString& text) {
        QString spaces = text;
        for (int pass = 0; pass < 2; ++pass)
            spaces = referenceCodeCheck::replaceAll(
                referenceCodeCheck::replaceAll(spaces, "< ", "<"), " >", ">");
        ASSERT_EQ(shown(removeSpacesInTagBrackets(text)), shown(spaces));
        QString table = text;
        for (const auto& row : referenceCodeCheck::replacementTable())
            table = referenceCodeCheck::replaceAll(table, row.first, row.second);
        ASSERT_EQ(shown(applyReplacementTable(text)), shown(table));
        ASSERT_EQ(shown(joinLinesInsideTags(text)), shown(referenceCodeCheck::joinLines(text)));
    });
}

TEST(CodeCheckAgainstReferenceModel, TagBalanceMatches) {
    const QStringList pieces =
        QStringLiteral(
            "<div|</div>|<DIV>|>|x|<b>|</b>|<a |</a>|<tr|</tr>|<td|</TD>|<strong>|</strong>")
            .split(u'|');
    const auto& pairs = referenceCodeCheck::balancedPairs();
    QRandomGenerator choice(40);
    onRandomTexts(4, 4000, pieces, 24, [&](const QString& text) {
        const auto& pair = pairs[choice.bounded(int(pairs.size()))];
        QString fast = text;
        QString fastReport;
        checkTagBalance(pair.first, pair.second, fast, MessageTable(), fastReport);
        QString report;
        ASSERT_EQ(shown(fast), shown(referenceCodeCheck::checkTagBalance(
                                   pair.first, pair.second, text, MessageTable(), report)));
        ASSERT_EQ(shown(fastReport), shown(report));
    });
}

TEST(CodeCheckAgainstReferenceModel, EmptyElementRemovalThroughTheEditorMatches) {
    const QStringList pieces =
        QStringLiteral("<span|<SPAN>|>|</span>| |&nbsp|&nbsp;|x|<h1>|</h1>|<a href=x>|</a>|\r\n|<")
            .split(u'|');
    const auto& kinds = referenceCodeCheck::emptiedKinds();
    QRandomGenerator choice(50);
    onRandomTexts(5, 4000, pieces, 24, [&](const QString& text) {
        const auto& kind = kinds[choice.bounded(int(kinds.size()))];
        MemoryBuffer fast(text);
        MemoryBuffer slow(text);
        ASSERT_EQ(removeEmptyElements(fast, kind.first, kind.second),
                  referenceCodeCheck::removeEmptyElements(slow, kind.first, kind.second));
        ASSERT_EQ(shown(fast.text()), shown(slow.text()));
        ASSERT_EQ(fast.selStart(), slow.selStart());
        ASSERT_EQ(fast.selLength(), slow.selLength());
    });
}

TEST(CodeCheckAgainstReferenceModel, WholeCheckMatchesAndKeepsWhatItMust) {
    const QStringList pieces =
        QStringLiteral(
            "<html>|<head>|</head>|<body|<BODY>|</body>|</html>|<!DOCTYPE HTML PUBLIC "
            "\"x\">|<script>a=1 > "
            "<b</script>|<style>p{}</style>|<SCRIPT>|<p>|E=mc2|<div|</div>|<span>|</span>|<b>|</"
            "b>|<td width=1>|</td>|<tr>|<a  href=x>|</a>|<br>|&nbsp;|&NBSP;| "
            "|\r\n|<|>|=|\"|A|<h1>|</h1>|<meta name=generator content=x>|param|<PARAM a=\"<\">"
            "|<!-- A > <B> -->|=\"a > B\"|='<I>'|<!CheckThis>|<!checkthis>|\uFDD0|\uFDD1")
            .split(u'|');
    onRandomTexts(6, 1500, pieces, 40, [](const QString& text) {
        const MessageTable messages;
        QString unused;
        ProtectedTexts shield;
        ASSERT_TRUE(correctMaskedMarkup(shield.mask(text), messages, unused).bracketsMatchText());
        MemoryBuffer fast(text);
        ScriptedPrompter fastPrompter;
        checkHtml({fast, fastPrompter, messages}, UiLanguage::English);

        const referenceCodeCheck::WholeCheck model =
            referenceCodeCheck::checkHtmlText(text, messages);
        MemoryBuffer slow(model.text);
        stampGeneratorElement(slow);
        ASSERT_EQ(shown(fast.text()), shown(slow.text()));
        const CodeCheckOutcome outcome = checkHtmlText(text, messages);
        // Before the generator element goes in, which rewrites a value by design.
        ASSERT_EQ(keptTexts::missing(text, outcome.text), QString());
        ASSERT_EQ(shown(outcome.report), shown(model.report));
        ASSERT_EQ(outcome.emptyCount, model.emptyCount);
        ASSERT_EQ(shown(fastPrompter.messages().join(u'|')),
                  shown(codeCheckReport(outcome, messages, UiLanguage::English)));
        ASSERT_TRUE(fast.isModified());
    });
}

TEST(CodeCheckAgainstReferenceModel, DocumentTypeMovesToTheFrontWithTheTextsItHolds) {
    // A page without an html tag gets its declaration in front, with what it quotes or holds.
    const QString page = QStringLiteral("<=\"m\"<!DOCTYPE=\" \">");
    const CodeCheckOutcome outcome = checkHtmlText(page, MessageTable());
    EXPECT_EQ(
        shown(outcome.text),
        shown(QStringLiteral("<!DOCTYPE=\" \">\r\n<html>\r\n<head>\r\n</head>\r\n<body><=\"m\""
                             "\r\n</body></html>")));
    for (const QString& text :
         {page, QStringLiteral("<p title='a > b'>x</p>< !doctype <!-- <b> --> <td x=\"1\">"),
          QStringLiteral("<b a=\"1\"><!DOCTYPE a b=' > '><!-- c -->")}) {
        const CodeCheckOutcome checked = checkHtmlText(text, MessageTable());
        EXPECT_EQ(keptTexts::missing(text, checked.text), QString()) << shown(text);
        EXPECT_EQ(shown(checked.text),
                  shown(referenceCodeCheck::checkHtmlText(text, MessageTable()).text));
    }
    // Anywhere else the order still counts.
    EXPECT_NE(keptTexts::missing(u"<p a=\"1\" b=\"2\">", u"<p b=\"2\" a=\"1\">"), QString());
}
