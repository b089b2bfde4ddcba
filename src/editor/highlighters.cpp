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

// Elements and attributes of HTML 5 that the lexer's own list of HTML 4 words lacks. ARIA's
// attributes are a closed set; data-* attributes are the authors' own and show in the
// attribute colour as unknown attributes.
constexpr char Html5Words[] =
    "article aside audio bdi canvas data datalist details dialog figcaption figure footer "
    "header hgroup main mark menu meter nav output picture progress rp rt ruby search section "
    "slot source summary template time track video wbr "
    "allowfullscreen as async autocapitalize autocomplete autofocus autoplay blocking "
    "contenteditable controls crossorigin datetime decoding default dirname download draggable "
    "enterkeyhint fetchpriority form formaction formenctype formmethod formnovalidate "
    "formtarget hidden high imagesizes imagesrcset inert inputmode integrity is itemid itemprop "
    "itemref itemscope itemtype kind list loading low max min minlength muted nonce novalidate "
    "open optimum pattern ping placeholder playsinline popover popovertarget "
    "popovertargetaction poster preload referrerpolicy required reversed role sandbox sizes "
    "slot spellcheck srcdoc srclang srcset step translate wrap "
    "oninput oninvalid onsearch ontoggle "
    "aria-activedescendant aria-atomic aria-autocomplete aria-braillelabel "
    "aria-brailleroledescription aria-busy aria-checked aria-colcount aria-colindex "
    "aria-colindextext aria-colspan aria-controls aria-current aria-describedby "
    "aria-description aria-details aria-disabled aria-dropeffect aria-errormessage "
    "aria-expanded aria-flowto aria-grabbed aria-haspopup aria-hidden aria-invalid "
    "aria-keyshortcuts aria-label aria-labelledby aria-level aria-live aria-modal "
    "aria-multiline aria-multiselectable aria-orientation aria-owns aria-placeholder "
    "aria-posinset aria-pressed aria-readonly aria-relevant aria-required aria-roledescription "
    "aria-rowcount aria-rowindex aria-rowindextext aria-rowspan aria-selected aria-setsize "
    "aria-sort aria-valuemax aria-valuemin aria-valuenow aria-valuetext";

// The HTML lexer with the words of HTML 5 added to its list of HTML words.
class Html5Lexer : public QsciLexerHTML {
public:
    const char* keywords(int set) const override {
        if (set != 1)
            return QsciLexerHTML::keywords(set);
        static const QByteArray words =
            QByteArray(QsciLexerHTML::keywords(1)) + ' ' + QByteArray(Html5Words);
        return words.constData();
    }
};

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
    : m_editor(editor), m_html(std::make_unique<Html5Lexer>()),
      m_css(std::make_unique<QsciLexerCSS>()),
      m_javaScript(std::make_unique<QsciLexerJavaScript>()), m_php(std::make_unique<Html5Lexer>()),
      m_xml(std::make_unique<QsciLexerXML>()), m_fontSize(editor_setup::FontPoints) {
    m_html->setColor(QColor(0xFF, 0, 0), Html::Entity);
    m_html->setColor(QColor(0x80, 0x80, 0), Html::HTMLComment);
    // Authors name their own attributes (data-*): an unknown one is no fault to flag.
    for (QsciLexerHTML* lexer : {m_html.get(), m_php.get()})
        lexer->setColor(lexer->color(Html::Attribute), Html::UnknownAttribute);
    for (auto kind : AllKinds)
        applyFont(lexer(kind));
}

Highlighters::~Highlighters() {
    if (!m_editor)
        return;
    for (auto kind : AllKinds) {
        if (m_editor->lexer() == lexer(kind))
            m_editor->setLexer(nullptr);
    }
}

void Highlighters::attach(HighlighterKind kind) {
    m_attached = kind;
    QsciLexer* shown = shownLexer(kind);
    if (m_editor->lexer() == shown)
        return;
    WrapPause pause(m_editor);
    m_editor->setLexer(shown);
    if (!shown)
        m_editor->setFont(editorFont(m_fontSize));
    applyGutterFont(m_editor);
}

void Highlighters::setHtmlLexerStopped(bool stopped) {
    m_htmlLexerStopped = stopped;
    if (m_editor)
        attach(m_attached);
}

QsciLexer* Highlighters::shownLexer(HighlighterKind kind) const {
    const bool html = kind == HighlighterKind::Html || kind == HighlighterKind::Php ||
                      kind == HighlighterKind::Xml;
    return html && m_htmlLexerStopped ? nullptr : lexer(kind);
}

QsciLexer* Highlighters::lexer(HighlighterKind kind) const {
    switch (kind) {
    case HighlighterKind::Html:
        return m_html.get();
    case HighlighterKind::Css:
        return m_css.get();
    case HighlighterKind::JavaScript:
        return m_javaScript.get();
    case HighlighterKind::Xml:
        return m_xml.get();
    case HighlighterKind::Php:
        return m_php.get();
    }
    return m_html.get();
}

void Highlighters::applyColours(std::optional<int> keyword, std::optional<int> identifier,
                                std::optional<int> value, std::optional<int> comment,
                                std::optional<int> entity) {
    setColour(m_html.get(), keyword, KeywordStyles);
    setColour(m_html.get(), identifier, IdentifierStyles);
    setColour(m_html.get(), value, ValueStyles);
    setColour(m_html.get(), comment, CommentStyles);
    setColour(m_html.get(), entity, EntityStyles);
}

HighlighterColours Highlighters::colours() const {
    return {toolkitValueOf(m_html->color(Html::Tag)),
            toolkitValueOf(m_html->color(Html::Attribute)),
            toolkitValueOf(m_html->color(Html::HTMLDoubleQuotedString)),
            toolkitValueOf(m_html->color(Html::HTMLComment)),
            toolkitValueOf(m_html->color(Html::Entity))};
}

void Highlighters::setFontSize(int points) {
    if (points <= 0)
        return;
    m_fontSize = points;
    for (auto kind : AllKinds)
        applyFont(lexer(kind));
    if (m_editor) {
        m_editor->setFont(editorFont(points));
        applyGutterFont(m_editor);
    }
}

void Highlighters::applyFont(QsciLexer* lexer) const {
    const QFont font = editorFont(m_fontSize);
    lexer->setDefaultFont(font);
    lexer->setFont(font);
}
