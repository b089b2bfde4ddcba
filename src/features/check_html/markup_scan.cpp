#include "features/check_html/markup_scan.h"

#include "foundation/text/case_rules.h"

bool closesProtectedPlaceholder(QStringView text, qsizetype gt) {
    // "<!--" word digits "-->", read backwards from the ">".
    if (gt < 0 || gt >= text.size() || text[gt] != QLatin1Char('>'))
        return false;
    qsizetype at = gt - 1;
    if (at < 1 || text[at] != QLatin1Char('-') || text[at - 1] != QLatin1Char('-'))
        return false;
    at -= 2;
    const qsizetype digitsEnd = at + 1;
    while (at >= 0 && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9'))
        --at;
    // A number with a leading zero is no placeholder's.
    if (at + 1 == digitsEnd || (digitsEnd - at > 2 && text[at + 1] == QLatin1Char('0')))
        return false;
    for (QStringView word : {QStringView(u"<!--script"), QStringView(u"<!--style")}) {
        const qsizetype start = at + 1 - word.size();
        if (matchesIgnoreAsciiCaseAt(text, start, word))
            return true;
    }
    return false;
}

qsizetype ForwardCharSearch::next(qsizetype from) {
    if (m_from >= 0 && from >= m_from && (m_at < 0 || from <= m_at))
        return m_at;
    m_from = qMax<qsizetype>(from, 0);
    m_at = -1;
    if (m_set.size() == 1) {
        m_at = m_text.indexOf(m_set[0], m_from);
        return m_at;
    }
    for (qsizetype i = m_from; i < m_text.size(); ++i) {
        if (m_set.contains(m_text[i])) {
            m_at = i;
            break;
        }
    }
    return m_at;
}
