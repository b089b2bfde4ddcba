#include "features/styles/div_markup.h"

#include "features/styles/css_markup.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/text/case_rules.h"
#include "foundation/text/text_rules.h"

namespace {

bool isSpan(DivSpanTag tag) {
    return tag == DivSpanTag::Span;
}

QString withoutFirst(QString text, QChar c) {
    const qsizetype at = text.indexOf(c);
    if (at >= 0)
        text.remove(at, 1);
    return text;
}

} // namespace

QString divSpanCaption(DivSpanTag tag) {
    return isSpan(tag) ? QStringLiteral("<SPAN>") : QStringLiteral("<DIV>");
}

QString divSpanDefaultStyle(DivSpanTag tag) {
    return isSpan(tag) ? QStringLiteral("font-family: Arial, Helvetica; font-weight: normal; "
                                        "font-size: 12px")
                       : QStringLiteral("width: 800px; margin: 0 auto");
}

QString divSpanClosingTag(DivSpanTag tag) {
    return isSpan(tag) ? QStringLiteral("</span>") : QStringLiteral("</div>");
}

DivFields divFieldsForOpening(DivSpanTag tag) {
    DivFields fields;
    fields.style = divSpanDefaultStyle(tag);
    return fields;
}

QString cleanSelectorName(QStringView name) {
    return withoutFirst(withoutFirst(trimBlanks(name), QLatin1Char('#')), QLatin1Char('.'));
}

DivSpanTags composeDivSpanTags(DivFields& fields, DivSpanTag tag) {
    const QString open = isSpan(tag) ? QStringLiteral("<span") : QStringLiteral("<div");
    fields.id = cleanSelectorName(fields.id);
    fields.cssClass = cleanSelectorName(fields.cssClass);
    const QString styleText = trimBlanks(fields.style);
    const QString alignment = trimBlanks(fields.textAlign);

    QString id;
    if (!fields.id.isEmpty())
        id = QStringLiteral(" id=\"") + fields.id + QLatin1Char('"');
    QString klass;
    if (!fields.cssClass.isEmpty())
        klass = QStringLiteral(" class=\"") + fields.cssClass + QLatin1Char('"');
    QString align;
    if (!alignment.isEmpty())
        align = (isSpan(tag) ? QStringLiteral(" display:block; text-align: ")
                             : QStringLiteral(" text-align: ")) +
                alignment;
    QString style;
    if (!styleText.isEmpty())
        style = QStringLiteral(" style=\"") + styleText +
                (align.isEmpty() ? QString() : QLatin1Char(';') + align) + QLatin1Char('"');
    else if (!align.isEmpty())
        style = QStringLiteral(" style=\"") + align + QLatin1Char('"');

    return {open + id + klass + style + QLatin1Char('>'), divSpanClosingTag(tag)};
}

QString findStyleRule(QStringView documentText, QStringView key) {
    const qsizetype start = documentText.indexOf(key);
    if (start < 0)
        return QString();
    const qsizetype end = documentText.indexOf(QLatin1Char('}'), start);
    if (end < 0)
        return QString();
    return documentText.mid(start, end - start + 1).toString();
}

QString collectStyleBlocks(QStringView documentText) {
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

QString lookUpStyle(QStringView documentText, SelectorKind kind, QStringView fieldText) {
    // The "#" or "." a user types in front of the name is dropped here as OK drops it, so
    // the key does not carry the prefix twice; a field holding only such a prefix names
    // nothing and shows every style block.
    const QString name = cleanSelectorName(fieldText);
    if (name.isEmpty())
        return collectStyleBlocks(documentText);
    const QString key =
        (kind == SelectorKind::Id ? QStringLiteral("#") : QStringLiteral(".")) + name;
    return findStyleRule(documentText, key);
}

QString styleNotFoundMessage(UiLanguage language) {
    return language == UiLanguage::German
               ? QStringLiteral("Style im Dokument nicht gefunden. Prüfen Sie externe CSS "
                                "Datei(en).")
               : QStringLiteral("Style not found in document. Check external CSS file(s).");
}

void wrapSelection(EditorBuffer& editor, DivSpanTag tag, const QString& openingTag) {
    if (isBlankText(openingTag))
        return;
    editor.setSelText(openingTag + editor.selText() + divSpanClosingTag(tag));
}

void wrapSelectionInDivOrSpan(EditorBuffer& editor, DivSpanTag tag,
                              const std::function<QString(DivSpanTag tag)>& askForOpeningTag) {
    wrapSelection(editor, tag, askForOpeningTag(tag));
}
