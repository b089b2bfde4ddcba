#pragma once

#include "foundation/document/highlighter_kind.h"

#include <QPointer>

#include <memory>
#include <optional>

class QColor;
class QsciLexer;
class QsciLexerHTML;
class QsciScintilla;

// Colours of the HTML highlighter as the settings file stores them: the toolkit's integer
// colour values, red in the lowest byte, then green, then blue.
struct HighlighterColours {
    int keyword;    // tags
    int identifier; // attribute names
    int value;      // attribute values, quoted or not
    int comment;
    int entity;
};

QColor colourFromToolkitValue(int value);
int toolkitValueOf(const QColor& colour);

// The five highlighters of the editor, one object each, of which exactly one is attached.
// PHP is the HTML lexer, which highlights PHP blocks inside the page. The XML lexer gives
// braces no meaning of their own, which is what brace parsing switched off asks for.
class Highlighters {
public:
    explicit Highlighters(QsciScintilla* editor);
    ~Highlighters();
    Highlighters(const Highlighters&) = delete;
    Highlighters& operator=(const Highlighters&) = delete;

    void attach(HighlighterKind kind);
    HighlighterKind attached() const { return m_attached; }
    // While stopped, the kinds the HTML lexer colours show as plain text (see LexerGuard).
    void setHtmlLexerStopped(bool stopped);
    bool htmlLexerStopped() const { return m_htmlLexerStopped; }
    QsciLexer* lexer(HighlighterKind kind) const;

    // Applies to the HTML highlighter, the one the settings file describes. An empty value
    // keeps the colour; so does one outside 0..0xFFFFFF (the toolkit's system colours).
    void applyColours(std::optional<int> keyword, std::optional<int> identifier,
                      std::optional<int> value, std::optional<int> comment,
                      std::optional<int> entity);
    // The HTML highlighter's colours now.
    HighlighterColours colours() const;

    void setFontSize(int points);
    int fontSize() const { return m_fontSize; }

private:
    void applyFont(QsciLexer* lexer) const;
    // The lexer the kind gets now: none for those of the HTML lexer while it is stopped.
    QsciLexer* shownLexer(HighlighterKind kind) const;

    QPointer<QsciScintilla> m_editor;
    std::unique_ptr<QsciLexerHTML> m_html;
    std::unique_ptr<QsciLexer> m_css;
    std::unique_ptr<QsciLexer> m_javaScript;
    std::unique_ptr<QsciLexerHTML> m_php;
    std::unique_ptr<QsciLexer> m_xml;
    HighlighterKind m_attached = HighlighterKind::Html;
    bool m_htmlLexerStopped = false;
    int m_fontSize;
};
