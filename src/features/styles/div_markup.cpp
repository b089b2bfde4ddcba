#include "features/styles/div_markup.h"

#include "features/styles/css_markup.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/text/case_rules.h"
#include "foundation/text/text_rules.h"

namespace {

bool isSpan(int typ) {
    return typ == SpanTyp;
}

QString withoutFirst(QString text, QChar c) {
    const qsizetype at = text.indexOf(c);
    if (at >= 0)
        text.remove(at, 1);
    return text;
}

} // namespace

QString DivTagName(int typ) {
    return isSpan(typ) ? QStringLiteral("<SPAN>") : QStringLiteral("<DIV>");
}

QString DivDefaultStyle(int typ) {
    return isSpan(typ) ? QStringLiteral("font-family: Arial, Helvetica; font-weight: normal; "
                                        "font-size: 12px")
                       : QStringLiteral("width: 800px; margin: 0 auto");
}

QString DivClosingLiteral(int typ) {
    return isSpan(typ) ? QStringLiteral("</span>") : QStringLiteral("</div>");
}

DivFields DivDialogOpening(int typ) {
    DivFields fields;
    fields.Edit3 = DivDefaultStyle(typ);
    return fields;
}

QString CleanDivName(QStringView name) {
    return withoutFirst(withoutFirst(TrimBlanks(name), QLatin1Char('#')), QLatin1Char('.'));
}

DivResult DivDialogOk(DivFields& fields, int typ) {
    const QString open = isSpan(typ) ? QStringLiteral("<span") : QStringLiteral("<div");
    fields.Edit2 = CleanDivName(fields.Edit2);
    fields.Edit1 = CleanDivName(fields.Edit1);
    const QString styleText = TrimBlanks(fields.Edit3);
    const QString alignment = TrimBlanks(fields.ComboBox1);

    QString id;
    if (!fields.Edit2.isEmpty())
        id = QStringLiteral(" id=\"") + fields.Edit2 + QLatin1Char('"');
    QString klass;
    if (!fields.Edit1.isEmpty())
        klass = QStringLiteral(" class=\"") + fields.Edit1 + QLatin1Char('"');
    QString align;
    if (!alignment.isEmpty())
        align = (isSpan(typ) ? QStringLiteral(" display:block; text-align: ")
                             : QStringLiteral(" text-align: ")) +
                alignment;
    QString style;
    if (!styleText.isEmpty())
        style = QStringLiteral(" style=\"") + styleText +
                (align.isEmpty() ? QString() : QLatin1Char(';') + align) + QLatin1Char('"');
    else if (!align.isEmpty())
        style = QStringLiteral(" style=\"") + align + QLatin1Char('"');

    return {open + id + klass + style + QLatin1Char('>'), DivClosingLiteral(typ)};
}

QString FindStyleRule(QStringView documentText, QStringView key) {
    const qsizetype start = documentText.indexOf(key);
    if (start < 0)
        return QString();
    const qsizetype end = documentText.indexOf(QLatin1Char('}'), start);
    if (end < 0)
        return QString();
    return documentText.mid(start, end - start + 1).toString();
}

QString CollectStyleBlocks(QStringView documentText) {
    static const QString Open = QStringLiteral("<style");
    static const QString Close = QStringLiteral("</style>");
    QString blocks;
    qsizetype from = 0;
    while (from < documentText.size()) {
        const qsizetype start = indexOfIgnoringCase(documentText, Open, from);
        if (start < 0)
            break;
        // Documents write the closing tag in capitals as often as the opening one.
        const qsizetype close = indexOfIgnoringCase(documentText, Close, start + Open.size());
        if (close < 0)
            break;
        from = close + Close.size();
        blocks += documentText.mid(start, from - start);
        blocks += QStringLiteral("\r\n");
    }
    return blocks;
}

QString DivLookupResult(QStringView documentText, DivLookup kind, QStringView fieldText) {
    // The "#" or "." a user types in front of the name is dropped here as OK drops it, so
    // the key does not carry the prefix twice; a field holding only such a prefix names
    // nothing and shows every style block.
    const QString name = CleanDivName(fieldText);
    if (name.isEmpty())
        return CollectStyleBlocks(documentText);
    const QString key = (kind == DivLookup::Id ? QStringLiteral("#") : QStringLiteral(".")) + name;
    return FindStyleRule(documentText, key);
}

QString DivLookupMessage(UiLanguage sprache) {
    return sprache == UiLanguage::German
               ? QStringLiteral("Style im Dokument nicht gefunden. Prüfen Sie externe CSS "
                                "Datei(en).")
               : QStringLiteral("Style not found in document. Check external CSS file(s).");
}

void WrapInDivOrSpan(EditorBuffer& editor, int typ, const QString& htmlCode) {
    if (isBlankText(htmlCode))
        return;
    editor.setSelText(htmlCode + editor.selText() + DivClosingLiteral(typ));
}

void DivSpanCommand(EditorBuffer& editor, int typ,
                    const std::function<QString(int typ)>& runDialog) {
    WrapInDivOrSpan(editor, typ, runDialog(typ));
}
