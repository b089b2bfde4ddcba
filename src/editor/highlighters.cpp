#include "editor/highlighters.h"

#include "editor/editor_setup.h"
#include "editor/wrap_pause.h"

#include <QColor>
#include <QFont>
#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerjavascript.h>
#include <Qsci/qscilexerxml.h>
#include <Qsci/qsciscintilla.h>

#include <initializer_list>

namespace {

using Html = QsciLexerHTML;

constexpr HighlighterKind AllKinds[] = {HighlighterKind::Html, HighlighterKind::Css,
                                        HighlighterKind::JavaScript, HighlighterKind::Xml,
                                        HighlighterKind::Php};

constexpr std::initializer_list<int> KeywordStyles{Html::Tag, Html::UnknownTag};
constexpr std::initializer_list<int> IdentifierStyles{Html::Attribute, Html::UnknownAttribute};
constexpr std::initializer_list<int> ValueStyles{
    Html::HTMLDoubleQuotedString, Html::HTMLSingleQuotedString, Html::HTMLValue, Html::HTMLNumber};
constexpr std::initializer_list<int> CommentStyles{Html::HTMLComment};
constexpr std::initializer_list<int> EntityStyles{Html::Entity};

void setColour(QsciLexer* lexer, const std::optional<int>& value,
               std::initializer_list<int> styles) {
    if (!value || *value < 0 || *value > 0xFFFFFF)
        return;
    for (int style : styles)
        lexer->setColor(colourFromToolkitValue(*value), style);
}

} // namespace

QColor colourFromToolkitValue(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int toolkitValueOf(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

Highlighters::Highlighters(QsciScintilla* editor)
    : editor_(editor), html_(std::make_unique<QsciLexerHTML>()),
      css_(std::make_unique<QsciLexerCSS>()), javaScript_(std::make_unique<QsciLexerJavaScript>()),
      php_(std::make_unique<QsciLexerHTML>()), xml_(std::make_unique<QsciLexerXML>()),
      fontSize_(editor_setup::FontPoints) {
    html_->setColor(QColor(0xFF, 0, 0), Html::Entity);
    html_->setColor(QColor(0x80, 0x80, 0), Html::HTMLComment);
    for (auto kind : AllKinds)
        applyFont(lexer(kind));
}

Highlighters::~Highlighters() {
    if (!editor_)
        return;
    for (auto kind : AllKinds) {
        if (editor_->lexer() == lexer(kind))
            editor_->setLexer(nullptr);
    }
}

void Highlighters::attach(HighlighterKind kind) {
    attached_ = kind;
    if (editor_->lexer() == lexer(kind))
        return;
    WrapPause pause(editor_);
    editor_->setLexer(lexer(kind));
    applyGutterFont(editor_);
}

QsciLexer* Highlighters::lexer(HighlighterKind kind) const {
    switch (kind) {
    case HighlighterKind::Html:
        return html_.get();
    case HighlighterKind::Css:
        return css_.get();
    case HighlighterKind::JavaScript:
        return javaScript_.get();
    case HighlighterKind::Xml:
        return xml_.get();
    case HighlighterKind::Php:
        return php_.get();
    }
    return html_.get();
}

void Highlighters::applyColours(std::optional<int> keyword, std::optional<int> identifier,
                                std::optional<int> value, std::optional<int> comment,
                                std::optional<int> entity) {
    setColour(html_.get(), keyword, KeywordStyles);
    setColour(html_.get(), identifier, IdentifierStyles);
    setColour(html_.get(), value, ValueStyles);
    setColour(html_.get(), comment, CommentStyles);
    setColour(html_.get(), entity, EntityStyles);
}

HighlighterColours Highlighters::colours() const {
    return {toolkitValueOf(html_->color(Html::Tag)), toolkitValueOf(html_->color(Html::Attribute)),
            toolkitValueOf(html_->color(Html::HTMLDoubleQuotedString)),
            toolkitValueOf(html_->color(Html::HTMLComment)),
            toolkitValueOf(html_->color(Html::Entity))};
}

void Highlighters::setFontSize(int points) {
    if (points <= 0)
        return;
    fontSize_ = points;
    for (auto kind : AllKinds)
        applyFont(lexer(kind));
    if (editor_) {
        editor_->setFont(editorFont(points));
        applyGutterFont(editor_);
    }
}

void Highlighters::applyFont(QsciLexer* lexer) const {
    const QFont font = editorFont(fontSize_);
    lexer->setDefaultFont(font);
    lexer->setFont(font);
}
