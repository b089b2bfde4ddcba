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
    HighlighterKind attached() const { return attached_; }
    QsciLexer* lexer(HighlighterKind kind) const;

    // Applies to the HTML highlighter, the one the settings file describes. An empty value
    // keeps the colour; so does one outside 0..0xFFFFFF (the toolkit's system colours).
    void applyColours(std::optional<int> keyword, std::optional<int> identifier,
                      std::optional<int> value, std::optional<int> comment,
                      std::optional<int> entity);
    // The HTML highlighter's colours now.
    HighlighterColours colours() const;

    void setFontSize(int points);
    int fontSize() const { return fontSize_; }

private:
    void applyFont(QsciLexer* lexer) const;

    QPointer<QsciScintilla> editor_;
    std::unique_ptr<QsciLexerHTML> html_;
    std::unique_ptr<QsciLexer> css_;
    std::unique_ptr<QsciLexer> javaScript_;
    std::unique_ptr<QsciLexerHTML> php_;
    std::unique_ptr<QsciLexer> xml_;
    HighlighterKind attached_ = HighlighterKind::Html;
    int fontSize_;
};
