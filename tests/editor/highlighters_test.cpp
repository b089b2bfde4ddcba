#include "editor/highlighters.h"

#include "editor/completion_entries.h"
#include "editor/editor_setup.h"

#include <QColor>
#include <QFont>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <set>

namespace {

using Sci = QsciScintillaBase;
using Html = QsciLexerHTML;

constexpr HighlighterKind AllKinds[] = {HighlighterKind::Html, HighlighterKind::Css,
                                        HighlighterKind::JavaScript, HighlighterKind::Xml,
                                        HighlighterKind::Php};

class HighlightersTest : public ::testing::Test {
protected:
    void SetUp() override { setupEditor(&editor); }

    QsciLexer* html() const { return highlighters.lexer(HighlighterKind::Html); }

    QsciScintilla editor;
    Highlighters highlighters{&editor};
};

} // namespace

TEST(ToolkitColour, RedIsTheLowestByte) {
    EXPECT_EQ(colourFromToolkitValue(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(colourFromToolkitValue(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(colourFromToolkitValue(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(colourFromToolkitValue(32768), QColor(0, 128, 0));
    EXPECT_EQ(toolkitValueOf(QColor(0x12, 0x34, 0x56)), 0x563412);
}

TEST_F(HighlightersTest, EachKindHasItsOwnHighlighterAndExactlyOneIsAttached) {
    std::set<QsciLexer*> lexers;
    for (HighlighterKind kind : AllKinds) {
        highlighters.attach(kind);
        EXPECT_EQ(editor.lexer(), highlighters.lexer(kind));
        EXPECT_EQ(highlighters.attached(), kind);
        lexers.insert(highlighters.lexer(kind));
    }
    EXPECT_EQ(lexers.size(), 5u);
    EXPECT_STREQ(highlighters.lexer(HighlighterKind::Php)->language(), "HTML");
    EXPECT_STREQ(highlighters.lexer(HighlighterKind::Css)->language(), "CSS");
    EXPECT_STREQ(highlighters.lexer(HighlighterKind::JavaScript)->language(), "JavaScript");
    EXPECT_STREQ(highlighters.lexer(HighlighterKind::Xml)->language(), "XML");
}

TEST_F(HighlightersTest, HtmlShowsEntitiesInRedAndCommentsInOlive) {
    EXPECT_EQ(html()->color(Html::Entity), QColor(255, 0, 0));
    EXPECT_EQ(html()->color(Html::HTMLComment), QColor(0x80, 0x80, 0));
}

TEST_F(HighlightersTest, SettingsColoursGoToTheirTokenClasses) {
    highlighters.applyColours(0x0000FF, 0x00FF00, 0xFF0000, 0x808080, 0x00FFFF);
    EXPECT_EQ(html()->color(Html::Tag), QColor(255, 0, 0));
    EXPECT_EQ(html()->color(Html::UnknownTag), QColor(255, 0, 0));
    EXPECT_EQ(html()->color(Html::Attribute), QColor(0, 255, 0));
    EXPECT_EQ(html()->color(Html::HTMLDoubleQuotedString), QColor(0, 0, 255));
    EXPECT_EQ(html()->color(Html::HTMLSingleQuotedString), QColor(0, 0, 255));
    EXPECT_EQ(html()->color(Html::HTMLComment), QColor(128, 128, 128));
    EXPECT_EQ(html()->color(Html::Entity), QColor(255, 255, 0));

    const HighlighterColours now = highlighters.colours();
    EXPECT_EQ(now.keyword, 0x0000FF);
    EXPECT_EQ(now.identifier, 0x00FF00);
    EXPECT_EQ(now.value, 0xFF0000);
    EXPECT_EQ(now.comment, 0x808080);
    EXPECT_EQ(now.entity, 0x00FFFF);
}

TEST_F(HighlightersTest, MissingOrSystemColoursKeepTheCurrentOnes) {
    const HighlighterColours before = highlighters.colours();
    highlighters.applyColours(std::nullopt, -16777208, std::nullopt, std::nullopt, std::nullopt);
    const HighlighterColours after = highlighters.colours();
    EXPECT_EQ(after.keyword, before.keyword);
    EXPECT_EQ(after.identifier, before.identifier);
    EXPECT_EQ(after.comment, 0x008080);
    EXPECT_EQ(after.entity, 0x0000FF);
}

TEST_F(HighlightersTest, EveryStyleOfEveryHighlighterUsesTheEditorFont) {
    highlighters.setFontSize(14);
    EXPECT_EQ(highlighters.fontSize(), 14);
    for (HighlighterKind kind : AllKinds) {
        const QsciLexer* lexer = highlighters.lexer(kind);
        for (int style = 0; style < 128; ++style) {
            if (lexer->description(style).isEmpty())
                continue;
            EXPECT_EQ(lexer->font(style).family(), QStringLiteral("Courier New"))
                << lexer->language() << " style " << style;
            EXPECT_EQ(lexer->font(style).pointSize(), 14) << lexer->language() << " " << style;
        }
    }
}

TEST_F(HighlightersTest, AttachingKeepsTheGutterFont) {
    highlighters.attach(HighlighterKind::Css);
    highlighters.attach(HighlighterKind::Html);
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_STYLEGETSIZE, Sci::STYLE_LINENUMBER), 8);
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_STYLEGETSIZE, Html::Tag), 10);
}

TEST(Highlighters, DestroyedHighlightersLeaveNoLexerOnTheEditor) {
    QsciScintilla editor;
    {
        Highlighters highlighters(&editor);
        highlighters.attach(HighlighterKind::Xml);
    }
    EXPECT_EQ(editor.lexer(), nullptr);
}

TEST_F(HighlightersTest, Html5ElementsAndAttributesAreKnownAndEveryCompletionEntryToo) {
    highlighters.attach(HighlighterKind::Html);
    auto styleOfWord = [this](const QString& markup, const QString& word) {
        editor.setText(markup);
        editor.SendScintilla(Sci::SCI_COLOURISE, 0, -1);
        const int at = int(markup.toUtf8().indexOf(word.toUtf8()));
        return int(editor.SendScintilla(Sci::SCI_GETSTYLEAT, at));
    };
    QStringList elements{
        QStringLiteral("section"), QStringLiteral("article"),  QStringLiteral("nav"),
        QStringLiteral("header"),  QStringLiteral("footer"),   QStringLiteral("main"),
        QStringLiteral("aside"),   QStringLiteral("figure"),   QStringLiteral("figcaption"),
        QStringLiteral("video"),   QStringLiteral("audio"),    QStringLiteral("source"),
        QStringLiteral("track"),   QStringLiteral("picture"),  QStringLiteral("template"),
        QStringLiteral("canvas"),  QStringLiteral("dialog"),   QStringLiteral("details"),
        QStringLiteral("summary"), QStringLiteral("mark"),     QStringLiteral("time"),
        QStringLiteral("output"),  QStringLiteral("progress"), QStringLiteral("meter")};
    // What completion offers, the highlighter knows.
    const QList<CompletionEntry>& entries = completionEntries();
    for (int i = 48; i < entries.size(); ++i)
        elements << entries[i].shown.mid(1, entries[i].shown.size() - 2);
    for (const QString& element : elements) {
        EXPECT_EQ(styleOfWord(QStringLiteral("<p><") + element + QStringLiteral(">x</p>"), element),
                  Html::Tag)
            << element.toStdString();
    }
    for (const char* attribute :
         {"role", "aria-label", "aria-describedby", "hidden", "controls", "autoplay", "srcset",
          "loading", "datetime", "placeholder", "contenteditable", "draggable", "spellcheck"}) {
        const QString name = QLatin1String(attribute);
        EXPECT_EQ(styleOfWord(QStringLiteral("<div ") + name + QStringLiteral("=\"1\">"), name),
                  Html::Attribute)
            << attribute;
    }
    EXPECT_EQ(styleOfWord(QStringLiteral("<p><blink>x</p>"), QStringLiteral("blink")),
              Html::UnknownTag);
    // Authors name data-* attributes themselves: they look like any attribute.
    EXPECT_EQ(html()->color(Html::UnknownAttribute), html()->color(Html::Attribute));
    EXPECT_EQ(highlighters.lexer(HighlighterKind::Php)->color(Html::UnknownAttribute),
              html()->color(Html::Attribute));
}
