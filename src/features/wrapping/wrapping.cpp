#include "features/wrapping/wrapping.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/markup/blank_selection.h"
#include "foundation/text/case_rules.h"
#include "foundation/text/text_rules.h"

#include <iterator>

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

QString removeAllIgnoringCase(const QString& text, QStringView pattern) {
    return replaceAllFolded(text, pattern, QStringView(), CaseRule::Full);
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
    const QString items = replaceAllFolded(s, CrLf, ItemBreak, CaseRule::Exact);
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
    const QString firstTag = firstTagOf(s);
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

WrapCommand alignmentForTag(int tag) {
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

void wrapSelection(EditorBuffer& editor, const WrapRow& row) {
    if (row.blankRule == BlankRule::Drop)
        dropBlankSelection(editor);
    const QString s = editor.selText();
    if (row.blankRule == BlankRule::DropAfterReading)
        dropBlankSelection(editor);
    editor.setSelText(QString(row.open) + s + row.close);
}

void wrapSelection(EditorBuffer& editor, WrapCommand command) {
    wrapSelection(editor, wrapRow(command));
}

QString firstTagOf(const QString& text) {
    const qsizetype lt = text.indexOf(QLatin1Char('<'));
    const qsizetype p = lt < 0 ? 0 : lt;
    const qsizetype q = text.indexOf(QLatin1Char('>'));
    if (q < 0 || q < p)
        return QString();
    return text.mid(p, q - p + 1);
}

void insertLineBreak(EditorBuffer& editor) {
    editor.setSelLength(0);
    editor.setSelText(LineBreakMarkup);
}

void insertHorizontalLine(EditorBuffer& editor) {
    editor.setSelLength(0);
    editor.setSelText(HorizontalLineMarkup);
}

void insertScriptBlock(EditorBuffer& editor) {
    editor.setSelText(ScriptBlockMarkup);
}

QString listReplacement(const QString& s, ListKind kind) {
    if (indexOfIgnoringCase(s, ItemTag) >= 0)
        return removeList(s);
    return buildList(s, kind);
}

void toggleList(EditorBuffer& editor, ListKind kind) {
    dropBlankSelection(editor);
    editor.setSelText(listReplacement(editor.selText(), kind));
}
