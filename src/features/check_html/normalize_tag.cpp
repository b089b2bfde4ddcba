#include "features/check_html/normalize_tag.h"

#include "features/check_html/markup_scan.h"
#include "features/check_html/markup_text.h"
#include "features/check_html/protected_texts.h"
#include "foundation/text/case_rules.h"

namespace {

constexpr int MaxValues = 11;

struct ValueRange {
    qsizetype start;
    qsizetype end;
};

qsizetype indexOfUnit(QStringView tag, char16_t unit, qsizetype from) {
    for (qsizetype i = from; i < tag.size(); ++i)
        if (tag[i].unicode() == unit)
            return i;
    return -1;
}

// Tags are short: a plain loop beats a library search set up per tag.

// "=" directly followed by a double quote.
qsizetype indexOfQuotedEquals(QStringView tag, qsizetype from) {
    for (qsizetype i = from; i + 1 < tag.size(); ++i)
        if (tag[i].unicode() == u'=' && tag[i + 1].unicode() == u'"')
            return i;
    return -1;
}

// The attribute values of a tag ("<" ... ">"), in the tag's own positions. A value follows
// "=\"" or, when the rest holds none, "="; it ends before the next double quote or, when there
// is none, before the next blank. The next value is looked for after the previous one.
int findValues(QStringView tag, ValueRange (&values)[MaxValues]) {
    qsizetype from = 0;
    int count = 0;
    while (count < MaxValues) {
        qsizetype start = indexOfQuotedEquals(tag, from);
        if (start >= 0) {
            start += 2;
        } else {
            start = indexOfUnit(tag, u'=', from);
            if (start < 0)
                break;
            ++start;
        }
        qsizetype end = indexOfUnit(tag, u'"', start);
        if (end < 0)
            end = indexOfUnit(tag, u' ', start);
        if (end < 0)
            break;
        values[count++] = {start, end};
        from = end;
    }
    return count;
}

// Lowers the tag where it stands, its values excepted. Returns whether anything changed.
bool lowerOutsideValues(QChar* tag, qsizetype size) {
    const QStringView view(tag, size);
    ValueRange values[MaxValues];
    const int count = findValues(view, values);
    bool lowered = false;
    int k = 0;
    for (qsizetype i = 0; i < size; ++i) {
        while (k < count && i >= values[k].end)
            ++k;
        if (k < count && i >= values[k].start)
            continue;
        const char16_t was = tag[i].unicode();
        const char16_t lower = foldAs<CaseRule::Ascii>(was);
        if (lower != was) {
            tag[i] = QChar(lower);
            lowered = true;
        }
    }
    return lowered;
}

bool opensEmptyElement(QStringView tag) {
    const QStringView first = tag.left(4);
    return first.contains(u"<br") || first.contains(u"<hr") || first == u"<img" || first == u"<inp";
}

} // namespace

QString normalizeTag(QStringView text) {
    const qsizetype gt = text.indexOf(QLatin1Char('>'));
    if (gt < 0)
        return {};
    QString tag = text.left(gt + 1).toString();
    lowerOutsideValues(tag.data(), tag.size());
    return tag;
}

TagNormalisation normalizeTags(MarkupText& text) {
    TagNormalisation counts;
    const MarkupText::Positions& openings = text.openings();
    const MarkupText::Positions& closings = text.closings();
    QChar* units = text.data();
    std::vector<MarkupText::Edit> edits;
    size_t nextClosing = 0;
    qsizetype from = 0;
    for (size_t i = 0; i < openings.size(); ++i) {
        const qsizetype lt = openings[i];
        if (lt < from)
            continue;
        while (nextClosing < closings.size() && closings[nextClosing] < lt)
            ++nextClosing;
        if (nextClosing == closings.size())
            break;
        const qsizetype gt = closings[nextClosing];
        const qsizetype size = gt + 1 - lt;
        if (lowerOutsideValues(units + lt, size))
            ++counts.lowered;
        const QStringView tag(units + lt, size);
        // A tag that ends with a placeholder's ">" keeps it whole.
        if (opensEmptyElement(tag) && !tag.endsWith(u"/>") &&
            !ProtectedTexts::closesPlaceholder(tag, size - 1))
            edits.push_back({gt, 1, u" />"});
        from = gt + 1;
    }
    text.apply(edits);
    counts.closedEmpty = int(edits.size());
    return counts;
}

QString normalizeTags(const QString& text) {
    MarkupText markup(text);
    normalizeTags(markup);
    return markup.takeText();
}
