#include "markup/wrapping.h"

#include "app/text_rules.h"
#include "editor/editor_buffer.h"
#include "markup/blank_selection.h"

#include <iterator>
#include <vector>

namespace {

using L = QLatin1String;

constexpr WrapRow Rows[] = {
    {WrapCommand::Bold, L("bold"), L("<b>"), L(" </b>"), BlankRule::Drop},
    {WrapCommand::Italic, L("italic"), L("<i>"), L(" </i>"), BlankRule::Drop},
    {WrapCommand::Underline, L("underline"), L("<u>"), L(" </u>"), BlankRule::Drop},
    {WrapCommand::Strike, L("strike"), L("<strike>"), L(" </strike>"), BlankRule::Drop},
    {WrapCommand::Sup, L("sup"), L("<sup>"), L(" </sup>"), BlankRule::Drop},
    {WrapCommand::Sub, L("sub"), L("<sub>"), L(" </sub>"), BlankRule::Drop},
    {WrapCommand::AlignLeft, L("align-left"), L("<p align=\"left\">"), L(" </p>"), BlankRule::Drop},
    {WrapCommand::AlignRight, L("align-right"), L("<p align=\"right\">"), L(" </p>"),
     BlankRule::Drop},
    {WrapCommand::AlignJustify, L("align-justify"), L("<p align=\"justify\">"), L(" </p>"),
     BlankRule::Drop},
    {WrapCommand::AlignCenter, L("align-center"), L("<p align=\"center\">"), L(" </p>"),
     BlankRule::Drop},
    {WrapCommand::Indent, L("indent"), L("<p style=\"text-align:left; margin-left:50px\">"),
     L(" </p>"), BlankRule::DropAfterReading},
    {WrapCommand::H1, L("h1"), L("<h1>"), L("</h1>"), BlankRule::Keep},
    {WrapCommand::H2, L("h2"), L("<h2>"), L("</h2>"), BlankRule::Keep},
    {WrapCommand::H3, L("h3"), L("<h3>"), L("</h3>"), BlankRule::Keep},
    {WrapCommand::H4, L("h4"), L("<h4>"), L("</h4>"), BlankRule::Keep},
    {WrapCommand::H5, L("h5"), L("<h5>"), L("</h5>"), BlankRule::Keep},
    {WrapCommand::H6, L("h6"), L("<h6>"), L("</h6>"), BlankRule::Keep},
    {WrapCommand::Comment, L("comment"), L("<!-- "), L(" -->"), BlankRule::Keep},
};

constexpr bool rowsFollowTheEnum() {
    for (int i = 0; i < int(std::size(Rows)); ++i)
        if (int(Rows[i].command) != i)
            return false;
    return true;
}
static_assert(rowsFollowTheEnum(), "wrapRow() indexes the table by command");

const QString CrLf = QStringLiteral("\r\n");
const QString ItemTag = QStringLiteral("<li>");
const QString ItemClose = QStringLiteral(" </li>");
const QString ItemBreak = QStringLiteral("</li>\r\n<li>");
const QString BlankItem = QStringLiteral("<li> </li>\r\n");
const QString EmptyItem = QStringLiteral("<li></li>\r\n");
const QString EmptyItemBare = QStringLiteral("<li></li>");
const QString UnorderedClose = QStringLiteral("</ul>");
const QString OrderedClose = QStringLiteral("</ol>");

struct ListTags {
    QString open;
    QString close;
};

ListTags listTags(ListKind kind) {
    if (kind == ListKind::Ordered)
        return {QStringLiteral("<ol type=\"1\">"), OrderedClose};
    return {QStringLiteral("<ul type=\"disc\">"), UnorderedClose};
}

// Ignoring case compares upper-cased texts, one code unit for one, so accented letters fold
// too and positions in the folded text are positions in the original.
inline char16_t foldUnit(char16_t c, bool ignoreCase) {
    if (!ignoreCase)
        return c;
    if (c < 0x80)
        return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
    return char16_t(QChar::toUpper(char32_t(c)));
}

// Knuth-Morris-Pratt over the folded units, so a long pattern (a list's opening tag may be as
// long as the selection) never costs more than one pass over the text.
class Pattern {
public:
    Pattern(QStringView pattern, bool ignoreCase) : m_ignoreCase(ignoreCase) {
        m_units.reserve(pattern.size());
        for (QChar c : pattern)
            m_units.push_back(foldUnit(c.unicode(), ignoreCase));
        m_fallback.assign(m_units.size(), 0);
        qsizetype k = 0;
        for (qsizetype i = 1; i < qsizetype(m_units.size()); ++i) {
            while (k > 0 && m_units[i] != m_units[k])
                k = m_fallback[k - 1];
            if (m_units[i] == m_units[k])
                ++k;
            m_fallback[i] = k;
        }
    }

    qsizetype size() const { return qsizetype(m_units.size()); }

    // Calls found(start) for each occurrence, left to right and without overlap.
    template <typename Found> void scan(QStringView text, Found found) const {
        const qsizetype m = size();
        if (m == 0)
            return;
        qsizetype k = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = foldUnit(text[i].unicode(), m_ignoreCase);
            while (k > 0 && c != m_units[k])
                k = m_fallback[k - 1];
            if (c == m_units[k])
                ++k;
            if (k == m) {
                if (!found(i - m + 1))
                    return;
                k = 0;
            }
        }
    }

private:
    bool m_ignoreCase;
    std::vector<char16_t> m_units;
    std::vector<qsizetype> m_fallback;
};

bool containsIgnoringCase(QStringView text, QStringView pattern) {
    bool any = false;
    Pattern(pattern, true).scan(text, [&any](qsizetype) {
        any = true;
        return false;
    });
    return any;
}

// Every occurrence replaced in one pass; the inserted text is not searched again.
QString replaceAll(const QString& text, QStringView pattern, QStringView replacement,
                   bool ignoreCase) {
    QString out;
    qsizetype copied = 0;
    const Pattern p(pattern, ignoreCase);
    p.scan(text, [&](qsizetype start) {
        if (out.isNull())
            out.reserve(text.size());
        out.append(QStringView(text).mid(copied, start - copied));
        out.append(replacement);
        copied = start + p.size();
        return true;
    });
    if (out.isNull())
        return text;
    out.append(QStringView(text).mid(copied));
    return out;
}

QString removeAllIgnoringCase(const QString& text, QStringView pattern) {
    return replaceAll(text, pattern, QStringView(), true);
}

// Replacing "  " by " " until none is left turns every run of blanks into one blank.
QString collapseBlankRuns(const QString& text) {
    if (!text.contains(QLatin1String("  ")))
        return text;
    QString out;
    out.reserve(text.size());
    bool afterBlank = false;
    for (QChar c : text) {
        const bool blank = c == QLatin1Char(' ');
        if (!(blank && afterBlank))
            out.append(c);
        afterBlank = blank;
    }
    return out;
}

QString buildList(const QString& s, ListKind kind) {
    const ListTags tags = listTags(kind);
    if (s.isEmpty())
        return tags.open + CrLf + EmptyItemBare + CrLf + tags.close;
    const QString items = replaceAll(s, CrLf, ItemBreak, false);
    QString list;
    list.reserve(items.size() + 64);
    list += tags.open;
    list += CrLf;
    list += ItemTag;
    list += items;
    list += ItemClose;
    list += CrLf;
    list += tags.close;
    list = removeAllIgnoringCase(list, BlankItem);
    list = removeAllIgnoringCase(list, EmptyItem);
    return collapseBlankRuns(list);
}

// Which list it was is read from the text itself, not from the command that was chosen.
QString removeList(QString s) {
    s = removeAllIgnoringCase(s, ItemTag);
    s = removeAllIgnoringCase(s, ItemClose);
    const QString firstTag = FirstTagOf(s);
    const QString head = asciiLower(firstTag.left(3));
    const bool unordered = head == QLatin1String("<ul");
    const bool ordered = head == QLatin1String("<ol");
    if (unordered || ordered)
        s = removeAllIgnoringCase(s, firstTag);
    if (unordered)
        s = removeAllIgnoringCase(s, UnorderedClose);
    else if (ordered)
        s = removeAllIgnoringCase(s, OrderedClose);
    return s;
}

} // namespace

const QLatin1String LineBreakMarkup(" <br />");
const QLatin1String HorizontalLineMarkup(
    " <br /><hr style=\"width:300px; color:gray; background-color:gray; height:2px; "
    "text-align:center; border:1px\" />");
const QLatin1String ScriptBlockMarkup("<script type=\"text/javascript\">\r\n\r\n</script>");

std::span<const WrapRow> wrapRows() {
    return Rows;
}

const WrapRow& wrapRow(WrapCommand command) {
    return Rows[int(command)];
}

WrapCommand AlignmentForTag(int tag) {
    switch (tag) {
    case 0:
        return WrapCommand::AlignLeft;
    case 1:
        return WrapCommand::AlignRight;
    case 2:
        return WrapCommand::AlignJustify;
    default:
        return WrapCommand::AlignCenter;
    }
}

void WrapSelection(EditorBuffer& editor, const WrapRow& row) {
    if (row.blankRule == BlankRule::Drop)
        DropBlankSelection(editor);
    const QString s = editor.selText();
    if (row.blankRule == BlankRule::DropAfterReading)
        DropBlankSelection(editor);
    editor.setSelText(QString(row.open) + s + row.close);
}

void WrapSelection(EditorBuffer& editor, WrapCommand command) {
    WrapSelection(editor, wrapRow(command));
}

QString FirstTagOf(const QString& text) {
    const qsizetype lt = text.indexOf(QLatin1Char('<'));
    const qsizetype p = lt < 0 ? 0 : lt;
    const qsizetype q = text.indexOf(QLatin1Char('>'));
    if (q < 0 || q < p)
        return QString();
    return text.mid(p, q - p + 1);
}

void InsertLineBreak(EditorBuffer& editor) {
    editor.setSelLength(0);
    editor.setSelText(LineBreakMarkup);
}

void InsertHorizontalLine(EditorBuffer& editor) {
    editor.setSelLength(0);
    editor.setSelText(HorizontalLineMarkup);
}

void InsertScriptBlock(EditorBuffer& editor) {
    editor.setSelText(ScriptBlockMarkup);
}

QString ListReplacement(const QString& s, ListKind kind) {
    if (containsIgnoringCase(s, ItemTag))
        return removeList(s);
    return buildList(s, kind);
}

void ListCommand(EditorBuffer& editor, ListKind kind) {
    DropBlankSelection(editor);
    editor.setSelText(ListReplacement(editor.selText(), kind));
}
