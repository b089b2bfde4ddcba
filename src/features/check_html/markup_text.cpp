#include "features/check_html/markup_text.h"

#include "foundation/text/case_rules.h"

#include <algorithm>
#include <limits>

namespace {

// Marks a key still to be worked out once the new text stands.
constexpr quint32 Pending = 0xFFFFFFFFu;

quint32 fold(QChar c) {
    return foldAs<CaseRule::Ascii>(c.unicode());
}

} // namespace

MarkupText::MarkupText(QString text) : m_text(std::move(text)) {
    scan();
}

QString MarkupText::takeText() {
    m_lt.clear();
    m_ltKeys.clear();
    m_gt.clear();
    m_spare = QString();
    return std::move(m_text);
}

quint32 MarkupText::keyAt(qsizetype lt) const {
    const qsizetype size = m_text.size();
    const quint32 first = lt + 1 < size ? fold(m_text[lt + 1]) : 0;
    const quint32 second = lt + 2 < size ? fold(m_text[lt + 2]) : 0;
    return first | second << 16;
}

quint32 MarkupText::keyOf(QStringView pattern) {
    const quint32 first = pattern.size() > 1 ? fold(pattern[1]) : 0;
    const quint32 second = pattern.size() > 2 ? fold(pattern[2]) : 0;
    return first | second << 16;
}

quint32 MarkupText::keyMask(QStringView pattern) {
    return pattern.size() > 2 ? 0xFFFFFFFFu : pattern.size() > 1 ? 0xFFFFu : 0u;
}

void MarkupText::scan() {
    Q_ASSERT(m_text.size() < std::numeric_limits<qint32>::max());
    m_lt.clear();
    m_ltKeys.clear();
    m_gt.clear();
    const char16_t* units = reinterpret_cast<const char16_t*>(m_text.constData());
    const qsizetype size = m_text.size();
    m_lt.reserve(size_t(size / 32));
    m_gt.reserve(size_t(size / 32));
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = units[i];
        if (c == u'<')
            m_lt.push_back(qint32(i));
        else if (c == u'>')
            m_gt.push_back(qint32(i));
    }
    m_ltKeys.reserve(m_lt.size());
    for (qsizetype at : m_lt)
        m_ltKeys.push_back(keyAt(at));
}

void MarkupText::apply(const std::vector<Edit>& edits) {
    if (edits.empty())
        return;
    qsizetype grown = 0;
    for (const Edit& e : edits)
        grown += e.by.size() - e.length;
    const QStringView old(m_text);
    QString out = std::move(m_spare);
    out.truncate(0);
    out.reserve(m_text.size() + std::max<qsizetype>(grown, 0));
    Positions lt = std::move(m_ltSpare);
    std::vector<quint32> keys = std::move(m_keysSpare);
    Positions gt = std::move(m_gtSpare);
    lt.clear();
    keys.clear();
    gt.clear();
    lt.reserve(m_lt.size() + 16);
    keys.reserve(m_lt.size() + 16);
    gt.reserve(m_gt.size() + 16);
    size_t li = 0;
    size_t gi = 0;
    qsizetype shift = 0;
    bool pending = false;
    auto boundFrom = [](const Positions& list, size_t from, qsizetype end) {
        return size_t(std::lower_bound(list.begin() + qsizetype(from), list.end(), end) -
                      list.begin());
    };
    // Moves the brackets before `end` over, shifted; a "<" whose next two characters reach
    // `edited` gets its key anew.
    auto carry = [&](qsizetype end, qsizetype edited) {
        const size_t ltEnd = boundFrom(m_lt, li, end);
        const size_t base = lt.size();
        lt.resize(base + (ltEnd - li));
        keys.resize(base + (ltEnd - li));
        for (size_t j = li; j < ltEnd; ++j)
            lt[base + j - li] = qint32(m_lt[j] + shift);
        std::copy(m_ltKeys.begin() + qsizetype(li), m_ltKeys.begin() + qsizetype(ltEnd),
                  keys.begin() + qsizetype(base));
        for (size_t j = ltEnd; j > li && m_lt[j - 1] + 2 >= edited; --j) {
            keys[base + j - 1 - li] = Pending;
            pending = true;
        }
        li = ltEnd;
        const size_t gtEnd = boundFrom(m_gt, gi, end);
        const size_t gtBase = gt.size();
        gt.resize(gtBase + (gtEnd - gi));
        for (size_t j = gi; j < gtEnd; ++j)
            gt[gtBase + j - gi] = qint32(m_gt[j] + shift);
        gi = gtEnd;
    };
    qsizetype copied = 0;
    for (const Edit& e : edits) {
        out.append(old.mid(copied, e.start - copied));
        carry(e.start, e.start);
        const qsizetype end = e.start + e.length;
        li = boundFrom(m_lt, li, end);
        gi = boundFrom(m_gt, gi, end);
        const qsizetype at = e.start + shift;
        for (qsizetype k = 0; k < e.by.size(); ++k) {
            if (e.by[k] == QLatin1Char('<')) {
                lt.push_back(qint32(at + k));
                keys.push_back(Pending);
                pending = true;
            } else if (e.by[k] == QLatin1Char('>')) {
                gt.push_back(qint32(at + k));
            }
        }
        out.append(e.by);
        shift += e.by.size() - e.length;
        copied = end;
    }
    out.append(old.mid(copied));
    carry(m_text.size(), m_text.size() + 2);
    m_spare = std::move(m_text);
    m_text = std::move(out);
    m_ltSpare = std::move(m_lt);
    m_keysSpare = std::move(m_ltKeys);
    m_gtSpare = std::move(m_gt);
    m_lt = std::move(lt);
    m_ltKeys = std::move(keys);
    m_gt = std::move(gt);
    if (pending)
        for (size_t i = 0; i < m_lt.size(); ++i)
            if (m_ltKeys[i] == Pending)
                m_ltKeys[i] = keyAt(m_lt[i]);
}

int MarkupText::replaceAll(QStringView pattern, QStringView by) {
    if (pattern.isEmpty())
        return 0;
    std::vector<Edit> edits;
    qsizetype anchor = -1;
    for (qsizetype k = 0; k < pattern.size() && anchor < 0; ++k)
        if (pattern[k] == QLatin1Char('<') || pattern[k] == QLatin1Char('>'))
            anchor = k;
    if (anchor < 0) {
        for (qsizetype at = indexOfIgnoreAsciiCase(m_text, pattern); at >= 0;
             at = indexOfIgnoreAsciiCase(m_text, pattern, at + pattern.size()))
            edits.push_back({at, pattern.size(), by});
    } else if (anchor == 0 && pattern[0] == QLatin1Char('<')) {
        // The keys rule out nearly every "<" without reading the text.
        const quint32 key = keyOf(pattern);
        const quint32 mask = keyMask(pattern);
        qsizetype end = 0;
        for (size_t i = 0; i < m_lt.size(); ++i) {
            if ((m_ltKeys[i] & mask) != key || m_lt[i] < end)
                continue;
            if (matchesIgnoreAsciiCaseAt(m_text, m_lt[i], pattern)) {
                edits.push_back({m_lt[i], pattern.size(), by});
                end = m_lt[i] + pattern.size();
            }
        }
    } else {
        // Every occurrence holds its first bracket at `anchor`: the brackets are the candidates.
        const Positions& candidates = pattern[anchor] == QLatin1Char('<') ? m_lt : m_gt;
        qsizetype end = 0;
        for (const qint32 bracket : candidates) {
            const qsizetype at = bracket - anchor;
            if (at < end)
                continue;
            if (matchesIgnoreAsciiCaseAt(m_text, at, pattern)) {
                edits.push_back({at, pattern.size(), by});
                end = at + pattern.size();
            }
        }
    }
    apply(edits);
    return int(edits.size());
}

void MarkupText::overwrite(qsizetype at, QStringView chars) {
    bool moved = false;
    QChar* to = m_text.data() + at;
    for (qsizetype k = 0; k < chars.size(); ++k) {
        const QChar was = to[k];
        const bool wasBracket = was == QLatin1Char('<') || was == QLatin1Char('>');
        const bool isBracket = chars[k] == QLatin1Char('<') || chars[k] == QLatin1Char('>');
        moved = moved || ((wasBracket || isBracket) && was != chars[k]);
        to[k] = chars[k];
    }
    if (moved) {
        // Rare: only the stretch written over changes its entries.
        for (Positions* list : {&m_lt, &m_gt}) {
            const QChar mark = list == &m_lt ? QLatin1Char('<') : QLatin1Char('>');
            const auto first = std::lower_bound(list->begin(), list->end(), at);
            const auto last = std::lower_bound(first, list->end(), at + chars.size());
            Positions within;
            for (qsizetype k = 0; k < chars.size(); ++k)
                if (chars[k] == mark)
                    within.push_back(qint32(at + k));
            if (list == &m_lt) {
                const auto from = m_ltKeys.begin() + (first - list->begin());
                const auto keysKept = m_ltKeys.erase(from, from + (last - first));
                m_ltKeys.insert(keysKept, within.size(), Pending);
            }
            const auto kept = list->erase(first, last);
            list->insert(kept, within.begin(), within.end());
        }
    }
    // The keys of the "<" characters written and of the two before them.
    for (size_t i = firstOpeningFrom(at - 2); i < m_lt.size() && m_lt[i] < at + chars.size(); ++i)
        m_ltKeys[i] = keyAt(m_lt[i]);
}

void MarkupText::dropRemovedBrackets() {
    const QChar* units = m_text.constData();
    size_t kept = 0;
    for (size_t i = 0; i < m_lt.size(); ++i) {
        if (units[m_lt[i]] != QLatin1Char('<'))
            continue;
        m_lt[kept] = m_lt[i];
        m_ltKeys[kept] = keyAt(m_lt[i]);
        ++kept;
    }
    m_lt.resize(kept);
    m_ltKeys.resize(kept);
    std::erase_if(m_gt, [units](qint32 at) { return units[at] != QLatin1Char('>'); });
}

bool MarkupText::bracketsMatchText() const {
    const MarkupText fresh(m_text);
    return fresh.m_lt == m_lt && fresh.m_gt == m_gt && fresh.m_ltKeys == m_ltKeys;
}

size_t MarkupText::firstOpeningFrom(qsizetype position) const {
    return size_t(std::lower_bound(m_lt.begin(), m_lt.end(), position) - m_lt.begin());
}

size_t MarkupText::firstClosingFrom(qsizetype position) const {
    return size_t(std::lower_bound(m_gt.begin(), m_gt.end(), position) - m_gt.begin());
}

qsizetype OpeningPatternCursor::next(qsizetype from) {
    if (m_from >= 0 && from >= m_from && (m_found < 0 || from <= m_found))
        return m_found;
    const MarkupText::Positions& openings = m_text.openings();
    const std::vector<quint32>& keys = m_text.openingKeys();
    if (from < m_from)
        m_index = m_text.firstOpeningFrom(from);
    m_from = from;
    while (m_index < openings.size() && openings[m_index] < from)
        ++m_index;
    for (; m_index < openings.size(); ++m_index) {
        if ((keys[m_index] & m_mask) == m_key &&
            matchesIgnoreAsciiCaseAt(m_text.text(), openings[m_index], m_pattern)) {
            m_found = openings[m_index];
            return m_found;
        }
    }
    m_found = -1;
    return -1;
}
