#include "features/check_html/markup_scan.h"

#include "foundation/text/case_rules.h"

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
