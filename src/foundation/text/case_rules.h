#pragma once

#include <QString>
#include <QStringView>

// The two ways texts are compared without regard to case. Ascii folds only A-Z (the text
// search primitives and the lower-cased literals). Full upper-cases both sides with the
// platform's case mapping, one code unit for one, so accented letters fold too and a position
// in the folded text is the same position in the original.
enum class CaseRule { Exact, Ascii, Full };

// Inline, with the rule fixed at compile time: these run once per character of large texts.
template <CaseRule Rule> inline char16_t foldAs(char16_t c) {
    if constexpr (Rule == CaseRule::Ascii)
        return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
    else if constexpr (Rule == CaseRule::Full)
        return c < 0x80 ? (c >= u'a' && c <= u'z' ? char16_t(c - 32) : c)
                        : char16_t(QChar::toUpper(char32_t(c)));
    else
        return c;
}

template <CaseRule Rule>
inline bool matchesAs(QStringView text, qsizetype index, QStringView pattern) {
    if (index < 0 || index > text.size() - pattern.size())
        return false;
    const QChar* t = text.data() + index;
    for (qsizetype i = 0; i < pattern.size(); ++i)
        if (foldAs<Rule>(t[i].unicode()) != foldAs<Rule>(pattern[i].unicode()))
            return false;
    return true;
}

char16_t foldUnit(char16_t c, CaseRule rule);
bool matchesFoldedAt(QStringView text, qsizetype index, QStringView pattern, CaseRule rule);

// The first index at or after `from` where pattern begins, -1 if none. Linear in what it scans,
// whatever the pattern: no search restarts from the front.
qsizetype indexOfFolded(QStringView text, QStringView pattern, qsizetype from, CaseRule rule);

// Every occurrence, left to right and without overlap, replaced in one pass; the inserted text
// is not searched again.
QString replaceAllFolded(const QString& text, QStringView pattern, QStringView replacement,
                         CaseRule rule);

inline bool matchesIgnoreAsciiCaseAt(QStringView text, qsizetype index, QStringView pattern) {
    return matchesAs<CaseRule::Ascii>(text, index, pattern);
}
inline bool equalsIgnoreAsciiCase(QStringView a, QStringView b) {
    return a.size() == b.size() && matchesIgnoreAsciiCaseAt(a, 0, b);
}
inline qsizetype indexOfIgnoreAsciiCase(QStringView text, QStringView pattern, qsizetype from = 0) {
    return indexOfFolded(text, pattern, from, CaseRule::Ascii);
}
inline qsizetype indexOfIgnoringCase(QStringView text, QStringView pattern, qsizetype from = 0) {
    return indexOfFolded(text, pattern, from, CaseRule::Full);
}
inline bool matchesIgnoringCaseAt(QStringView text, qsizetype index, QStringView pattern) {
    return matchesAs<CaseRule::Full>(text, index, pattern);
}
