#include "foundation/text/case_rules.h"

#include <QVarLengthArray>

namespace {

bool isAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Knuth-Morris-Pratt over folded units.
template <CaseRule Rule> class FoldedPattern {
public:
    explicit FoldedPattern(QStringView pattern) : m_units(pattern.size()) {
        const qsizetype m = pattern.size();
        for (qsizetype i = 0; i < m; ++i)
            m_units[i] = foldAs<Rule>(pattern[i].unicode());
        m_fallback.resize(m);
        if (m > 0)
            m_fallback[0] = 0;
        for (qsizetype i = 1, k = 0; i < m; ++i) {
            while (k > 0 && m_units[i] != m_units[k])
                k = m_fallback[k - 1];
            if (m_units[i] == m_units[k])
                ++k;
            m_fallback[i] = k;
        }
        // Only the unit itself folds to an ASCII character that is no letter ("<" of a tag),
        // so the library's fast search for one character may skip to it.
        m_skipTo = m > 0 && m_units[0] < 0x80 && !isAsciiLetter(m_units[0]);
    }

    qsizetype size() const { return m_units.size(); }

    // Calls found(start) for each occurrence from `from` on, left to right without overlap,
    // until found returns false.
    template <typename Found> void scan(QStringView text, qsizetype from, Found found) const {
        const qsizetype m = size();
        if (m == 0 || from < 0)
            return;
        qsizetype k = 0;
        for (qsizetype i = from; i < text.size(); ++i) {
            if (k == 0 && m_skipTo) {
                i = text.indexOf(QChar(m_units[0]), i);
                if (i < 0)
                    return;
            }
            const char16_t c = foldAs<Rule>(text[i].unicode());
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
    QVarLengthArray<char16_t, 32> m_units;
    QVarLengthArray<qsizetype, 32> m_fallback;
    bool m_skipTo = false;
};

template <CaseRule Rule> qsizetype indexOf(QStringView text, QStringView pattern, qsizetype from) {
    qsizetype at = -1;
    FoldedPattern<Rule>(pattern).scan(text, from, [&at](qsizetype start) {
        at = start;
        return false;
    });
    return at;
}

template <CaseRule Rule>
QString replaceAll(const QString& text, QStringView pattern, QStringView replacement) {
    QString out;
    qsizetype copied = 0;
    const FoldedPattern<Rule> p(pattern);
    p.scan(text, 0, [&](qsizetype start) {
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

} // namespace

char16_t foldUnit(char16_t c, CaseRule rule) {
    switch (rule) {
    case CaseRule::Exact:
        return foldAs<CaseRule::Exact>(c);
    case CaseRule::Ascii:
        return foldAs<CaseRule::Ascii>(c);
    case CaseRule::Full:
        return foldAs<CaseRule::Full>(c);
    }
    return c;
}

bool matchesFoldedAt(QStringView text, qsizetype index, QStringView pattern, CaseRule rule) {
    switch (rule) {
    case CaseRule::Exact:
        return matchesAs<CaseRule::Exact>(text, index, pattern);
    case CaseRule::Ascii:
        return matchesAs<CaseRule::Ascii>(text, index, pattern);
    case CaseRule::Full:
        return matchesAs<CaseRule::Full>(text, index, pattern);
    }
    return false;
}

qsizetype indexOfFolded(QStringView text, QStringView pattern, qsizetype from, CaseRule rule) {
    if (pattern.isEmpty() || from < 0 || from > text.size() - pattern.size())
        return -1;
    switch (rule) {
    case CaseRule::Exact:
        return text.indexOf(pattern, from);
    case CaseRule::Ascii:
        return indexOf<CaseRule::Ascii>(text, pattern, from);
    case CaseRule::Full:
        return indexOf<CaseRule::Full>(text, pattern, from);
    }
    return -1;
}

QString replaceAllFolded(const QString& text, QStringView pattern, QStringView replacement,
                         CaseRule rule) {
    switch (rule) {
    case CaseRule::Exact:
        return replaceAll<CaseRule::Exact>(text, pattern, replacement);
    case CaseRule::Ascii:
        return replaceAll<CaseRule::Ascii>(text, pattern, replacement);
    case CaseRule::Full:
        return replaceAll<CaseRule::Full>(text, pattern, replacement);
    }
    return text;
}
