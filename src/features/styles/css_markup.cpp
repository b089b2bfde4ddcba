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
    {"position", &CssFields::ComboBoxPosition},
    {"top", &CssFields::EditTop},
    {"left", &CssFields::EditLeft},
    {"width", &CssFields::EditWidth},
    {"margin", &CssFields::EditMargin},
    {"border-width", &CssFields::EditBorder},
    {"border-color", &CssFields::EditBColor},
    {"border-style", &CssFields::ComboBStyle},
    {"padding", &CssFields::EditPadding},
    {"font-family", &CssFields::EditFont},
    {"font-size", &CssFields::EditFontSize},
    {"font-weight", &CssFields::ComboBoxWeight},
    {"font-style", &CssFields::ComboBoxStyle},
    {"color", &CssFields::EditFColor},
    {"text-decoration", &CssFields::ComboBox1},
    {"text-align", &CssFields::ComboBox2},
};

const Declaration AfterBackgroundImage[] = {
    {"background-repeat", &CssFields::ComboRepeat},
    {"background-position", &CssFields::ComboPosition},
    {"background-attachment", &CssFields::ComboAttach},
    {"background-color", &CssFields::EditBgColor},
};

struct LinkRule {
    const char* opening;
    QString CssFields::*field;
};

const LinkRule LinkRules[] = {
    {"a:link {", &CssFields::Edit1},   {"a:visited {", &CssFields::Edit2},
    {"a:focus {", &CssFields::Edit3},  {"a:hover {", &CssFields::Edit4},
    {"a:active {", &CssFields::Edit5},
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

QString TrimBlanks(QStringView text) {
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

void CssDialogOpening(CssFields& fields) {
    fields.CheckBox1 = false;
    fields.EditBColor.clear();
    fields.EditFColor.clear();
    fields.EditBgColor.clear();
}

QString CssDialogOk(CssFields& fields, bool oneLine) {
    const QString nl = oneLine ? QString() : CrLf;
    QString style;
    if (!oneLine)
        style = QStringLiteral("<style type=\"text/css\">") + nl + QStringLiteral("<!--") + nl;

    const QString name = TrimBlanks(fields.EditClass);
    if (!(name.isEmpty() && !oneLine)) {
        QStringView bare = name;
        if (bare.startsWith(QLatin1Char('.')) || bare.startsWith(QLatin1Char('#')))
            bare = bare.mid(1);
        const QString selector =
            (fields.RadioButton1 ? QStringLiteral(".") : QStringLiteral("#")) + bare.toString();
        fields.EditClass = selector;
        if (!oneLine)
            style += selector + QLatin1Char('{') + nl;

        appendDeclarations(style, fields, BeforeBackgroundImage, nl);
        if (!isBlankText(fields.EditBackUrl))
            style += QStringLiteral("background-image:url(") + fields.EditBackUrl +
                     QStringLiteral(");") + nl;
        appendDeclarations(style, fields, AfterBackgroundImage, nl);

        if (!oneLine)
            style += QLatin1Char('}') + nl + nl;
        if (fields.CheckBox1)
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

void InsertStyleElement(EditorBuffer& editor, const QString& myStyle) {
    if (isBlankText(myStyle))
        return;
    const QString text = editor.text();
    const int at = findInText(text, u"</head>", 1, int(text.size()), false, false);
    if (at > 0)
        editor.setSelStart(indexOfPosition(at));
    editor.setSelText(CrLf + myStyle + CrLf + editor.selText());
}

void Font2Click(EditorBuffer& editor, const std::function<QString()>& runDialog) {
    InsertStyleElement(editor, runDialog());
}
