#include "foundation/markup/protected_blocks.h"

#include "foundation/text/case_rules.h"

namespace {

struct Markers {
    QStringView open;
    QStringView close;
    // "<!--" and the placeholder word.
    QStringView placeholderStart;
};

Markers markersOf(ProtectedKind kind) {
    if (kind == ProtectedKind::Script)
        return {u"<script", u"</script>", u"<!--script"};
    return {u"<style", u"</style>", u"<!--style"};
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A placeholder of the kind at `index` (any case, a number without leading zeros): the index
// after its "-->" and its number's digits, or -1.
qsizetype placeholderEnd(QStringView text, qsizetype index, const Markers& m, QStringView* digits) {
    if (!matchesIgnoringCaseAt(text, index, m.placeholderStart))
        return -1;
    const qsizetype first = index + m.placeholderStart.size();
    qsizetype at = first;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    const qsizetype count = at - first;
    if (count == 0 || (count > 1 && text[first] == QLatin1Char('0')))
        return -1;
    if (!matchesIgnoringCaseAt(text, at, u"-->"))
        return -1;
    if (digits)
        *digits = text.mid(first, count);
    return at + 3;
}

} // namespace

QString protectedPlaceholder(ProtectedKind kind, qsizetype index) {
    return markersOf(kind).placeholderStart.toString() + QString::number(index) +
           QLatin1String("-->");
}

QString maskProtectedBlocks(const QString& text, ProtectedKind kind, QStringList& saved) {
    saved.clear();
    const Markers m = markersOf(kind);
    QString out;
    qsizetype copied = 0;
    bool masking = true;
    for (qsizetype at = text.indexOf(QLatin1Char('<')); at >= 0;
         at = text.indexOf(QLatin1Char('<'), at)) {
        qsizetype end = -1;
        if (masking && matchesIgnoringCaseAt(text, at, m.open)) {
            const qsizetype close = indexOfIgnoringCase(text, m.close, at + m.open.size());
            if (close < 0) {
                saved.append(QString());
                masking = false;
                at += m.open.size();
                continue;
            }
            end = close + m.close.size();
        } else {
            end = placeholderEnd(text, at, m, nullptr);
            if (end < 0) {
                ++at;
                continue;
            }
        }
        if (out.isEmpty())
            out.reserve(text.size());
        out.append(QStringView(text).mid(copied, at - copied));
        out.append(protectedPlaceholder(kind, saved.size()));
        saved.append(text.mid(at, end - at));
        copied = at = end;
    }
    if (copied == 0)
        return text;
    out.append(QStringView(text).mid(copied));
    return out;
}

QString restoreProtectedBlocks(const QString& text, ProtectedKind kind, const QStringList& saved) {
    if (saved.isEmpty())
        return text;
    const Markers m = markersOf(kind);
    QString out;
    qsizetype copied = 0;
    for (qsizetype at = text.indexOf(QLatin1Char('<')); at >= 0;
         at = text.indexOf(QLatin1Char('<'), at)) {
        QStringView digits;
        const qsizetype end = placeholderEnd(text, at, m, &digits);
        bool ok = false;
        const qsizetype entry = digits.size() <= 9 ? digits.toInt(&ok) : -1;
        // An unclosed block's entry has no placeholder; text that reads like one stays.
        if (end < 0 || !ok || entry >= saved.size() || saved[entry].isEmpty()) {
            ++at;
            continue;
        }
        if (out.isEmpty())
            out.reserve(text.size() + text.size() / 4);
        out.append(QStringView(text).mid(copied, at - copied));
        out.append(saved[entry]);
        copied = at = end;
    }
    if (copied == 0)
        return text;
    out.append(QStringView(text).mid(copied));
    return out;
}

QString maskScriptAndStyle(const QString& text, ProtectedBlockLists& lists) {
    return maskProtectedBlocks(maskProtectedBlocks(text, ProtectedKind::Script, lists.script),
                               ProtectedKind::Style, lists.style);
}

QString restoreStyleAndScript(const QString& text, const ProtectedBlockLists& lists) {
    return restoreProtectedBlocks(restoreProtectedBlocks(text, ProtectedKind::Style, lists.style),
                                  ProtectedKind::Script, lists.script);
}
