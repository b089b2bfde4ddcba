#include "features/styles/css_markup.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/text/text_rules.h"
#include "foundation/text/text_search.h"

#include <QStringList>

namespace {

const QString CrLf = QStringLiteral("\r\n");

struct Declaration {
    const char* name;
    QString CssFields::*field;
};

// The order the declarations are written in, whatever the order on the dialog.
const Declaration BeforeBackgroundImage[] = {
    {"position", &CssFields::position},
    {"top", &CssFields::top},
    {"left", &CssFields::left},
    {"width", &CssFields::width},
    {"margin", &CssFields::margin},
    {"border-width", &CssFields::borderWidth},
    {"border-color", &CssFields::borderColour},
    {"border-style", &CssFields::borderStyle},
    {"padding", &CssFields::padding},
    {"font-family", &CssFields::fontFamily},
    {"font-size", &CssFields::fontSize},
    {"font-weight", &CssFields::fontWeight},
    {"font-style", &CssFields::fontStyle},
    {"color", &CssFields::textColour},
    {"text-decoration", &CssFields::textDecoration},
    {"text-align", &CssFields::textAlign},
};

const Declaration AfterBackgroundImage[] = {
    {"background-repeat", &CssFields::backgroundRepeat},
    {"background-position", &CssFields::backgroundPosition},
    {"background-attachment", &CssFields::backgroundAttachment},
    {"background-color", &CssFields::backgroundColour},
};

struct LinkRule {
    const char* opening;
    QString CssFields::*field;
};

const LinkRule LinkRules[] = {
    {"a:link {", &CssFields::linkStyle},     {"a:visited {", &CssFields::visitedStyle},
    {"a:focus {", &CssFields::focusStyle},   {"a:hover {", &CssFields::hoverStyle},
    {"a:active {", &CssFields::activeStyle},
};

// Values are written as typed, blanks around them included; only a blank value is left out.
void appendDeclarations(QString& out, const CssFields& fields, const auto& declarations,
                        const QString& nl) {
    for (const Declaration& d : declarations) {
        const QString& value = fields.*d.field;
        if (!isBlankText(value))
            out += QLatin1String(d.name) + QLatin1Char(':') + value + QLatin1Char(';') + nl;
    }
}

} // namespace

QString trimBlanks(QStringView text) {
    return trimBlank(text).toString();
}

const QStringList& CssChoices::position() {
    static const QStringList items{QStringLiteral("absolute"), QStringLiteral("relative"),
                                   QStringLiteral("static"), QStringLiteral("fixed")};
    return items;
}

const QStringList& CssChoices::borderWidth() {
    static const QStringList items{QStringLiteral("thin"), QStringLiteral("medium"),
                                   QStringLiteral("thick")};
    return items;
}

const QStringList& CssChoices::borderStyle() {
    static const QStringList items{QStringLiteral("solid"),
                                   QStringLiteral("dashed"),
                                   QStringLiteral("dotted"),
                                   QStringLiteral("double"),
                                   QStringLiteral("groove"),
                                   QStringLiteral("ridge"),
                                   QStringLiteral("inset"),
                                   QStringLiteral("outset"),
                                   QStringLiteral("none"),
                                   QStringLiteral("hidden"),
                                   QString()};
    return items;
}

const QStringList& CssChoices::fontWeight() {
    static const QStringList items{QStringLiteral("light"), QStringLiteral("lighter"),
                                   QStringLiteral("normal"), QStringLiteral("bold"),
                                   QStringLiteral("bolder")};
    return items;
}

const QStringList& CssChoices::fontStyle() {
    static const QStringList items{QStringLiteral("normal"), QStringLiteral("italic"),
                                   QStringLiteral("oblique")};
    return items;
}

const QStringList& CssChoices::textDecoration() {
    static const QStringList items{QStringLiteral("none"), QStringLiteral("underline"),
                                   QStringLiteral("overline"), QStringLiteral("line-through"),
                                   QStringLiteral("blink")};
    return items;
}

const QStringList& CssChoices::textAlign() {
    static const QStringList items{QStringLiteral("left"), QStringLiteral("right"),
                                   QStringLiteral("center"), QStringLiteral("justify")};
    return items;
}

const QStringList& CssChoices::backgroundRepeat() {
    static const QStringList items{QStringLiteral("no-repeat"), QStringLiteral("repeat"),
                                   QStringLiteral("repeat-x"), QStringLiteral("repeat-y")};
    return items;
}

const QStringList& CssChoices::backgroundPosition() {
    static const QStringList items{QStringLiteral("bottom"), QStringLiteral("center"),
                                   QStringLiteral("left"), QStringLiteral("right"),
                                   QStringLiteral("top")};
    return items;
}

const QStringList& CssChoices::backgroundAttachment() {
    static const QStringList items{QStringLiteral("fixed"), QStringLiteral("scroll")};
    return items;
}

void resetCssFieldsForOpening(CssFields& fields) {
    fields.useLinkStyles = false;
    fields.borderColour.clear();
    fields.textColour.clear();
    fields.backgroundColour.clear();
}

QString composeStyle(CssFields& fields, bool oneLine) {
    const QString nl = oneLine ? QString() : CrLf;
    QString style;
    if (!oneLine)
        style = QStringLiteral("<style type=\"text/css\">") + nl + QStringLiteral("<!--") + nl;

    const QString name = trimBlanks(fields.selector);
    if (!(name.isEmpty() && !oneLine)) {
        QStringView bare = name;
        if (bare.startsWith(QLatin1Char('.')) || bare.startsWith(QLatin1Char('#')))
            bare = bare.mid(1);
        const QString selector =
            (fields.isClass ? QStringLiteral(".") : QStringLiteral("#")) + bare.toString();
        fields.selector = selector;
        if (!oneLine)
            style += selector + QLatin1Char('{') + nl;

        appendDeclarations(style, fields, BeforeBackgroundImage, nl);
        if (!isBlankText(fields.backgroundImageUrl))
            style += QStringLiteral("background-image:url(") + fields.backgroundImageUrl +
                     QStringLiteral(");") + nl;
        appendDeclarations(style, fields, AfterBackgroundImage, nl);

        if (!oneLine)
            style += QLatin1Char('}') + nl + nl;
        if (fields.useLinkStyles)
            for (const LinkRule& rule : LinkRules) {
                const QString& body = fields.*rule.field;
                if (!isBlankText(body))
                    style += QLatin1String(rule.opening) + body + QLatin1Char('}') + nl;
            }
    }

    if (!oneLine)
        style += QStringLiteral("-->") + nl + QStringLiteral("</style>");
    return style;
}

void insertStyleElement(EditorBuffer& editor, const QString& style) {
    if (isBlankText(style))
        return;
    const QString text = editor.text();
    const int at = findInText(text, u"</head>", 1, int(text.size()), false, false);
    if (at > 0)
        editor.setSelStart(indexOfPosition(at));
    editor.setSelText(CrLf + style + CrLf + editor.selText());
}

void defineStyle(EditorBuffer& editor, const std::function<QString()>& askForStyle) {
    insertStyleElement(editor, askForStyle());
}
