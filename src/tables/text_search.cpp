#include "tables/text_search.h"

#include <QVarLengthArray>

namespace {

bool isAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The letters of the whole-word test.
bool isWordLetter(char16_t c) {
    return isAsciiLetter(c) || (c >= 0xC0 && c <= 0xFF);
}

bool isBlankView(QStringView text) {
    for (QChar c : text)
        if (c.unicode() > 0x20)
            return false;
    return true;
}

} // namespace

bool matchesIgnoreAsciiCaseAt(QStringView text, qsizetype index, QStringView pattern) {
    if (index < 0 || index > text.size() - pattern.size())
        return false;
    const QChar* t = text.data() + index;
    for (qsizetype i = 0; i < pattern.size(); ++i)
        if (foldAscii(t[i].unicode()) != foldAscii(pattern[i].unicode()))
            return false;
    return true;
}

qsizetype indexOfIgnoreAsciiCase(QStringView text, QStringView pattern, qsizetype from) {
    const qsizetype n = text.size();
    const qsizetype m = pattern.size();
    if (m == 0 || from < 0 || from > n - m)
        return -1;
    // Knuth-Morris-Pratt on folded characters: no rescanning, so a hostile pattern cannot make
    // a search over a large text quadratic.
    QVarLengthArray<char16_t, 32> p(m);
    for (qsizetype i = 0; i < m; ++i)
        p[i] = foldAscii(pattern[i].unicode());
    QVarLengthArray<qsizetype, 32> fail(m);
    fail[0] = 0;
    for (qsizetype i = 1, k = 0; i < m; ++i) {
        while (k > 0 && p[i] != p[k])
            k = fail[k - 1];
        if (p[i] == p[k])
            ++k;
        fail[i] = k;
    }
    // Tags start with "<", which has no case: between matches the library's fast search for
    // one character skips ahead.
    const bool skipToFirst = !isAsciiLetter(p[0]);
    qsizetype k = 0;
    for (qsizetype i = from; i < n; ++i) {
        if (k == 0 && skipToFirst) {
            i = text.indexOf(QChar(p[0]), i);
            if (i < 0)
                return -1;
        }
        const char16_t c = foldAscii(text[i].unicode());
        while (k > 0 && c != p[k])
            k = fail[k - 1];
        if (c == p[k])
            ++k;
        if (k == m)
            return i - m + 1;
    }
    return -1;
}

qsizetype indexOfText(QStringView text, QStringView pattern, qsizetype from, bool caseSensitive) {
    if (pattern.isEmpty() || from < 0 || from > text.size() - pattern.size())
        return -1;
    return caseSensitive ? text.indexOf(pattern, from)
                         : indexOfIgnoreAsciiCase(text, pattern, from);
}

qsizetype lastIndexOfIgnoreAsciiCase(QStringView text, QStringView pattern, qsizetype from) {
    if (pattern.isEmpty() || from < 0)
        return -1;
    for (qsizetype i = text.size() - pattern.size(); i >= from; --i)
        if (matchesIgnoreAsciiCaseAt(text, i, pattern))
            return i;
    return -1;
}

int FindInText(QStringView Text, QStringView Pattern, int StartPos, int Limit, bool WholeWord,
               bool CaseSensitive) {
    if (Limit <= 0)
        return -1;
    const qsizetype m = Pattern.size();
    qsizetype from = StartPos;
    for (;;) {
        qsizetype b = 0;
        if (!Pattern.isEmpty() && !Text.isEmpty() && from >= 1 && from <= Text.size()) {
            const qsizetype i = indexOfText(Text, Pattern, indexOfPosition(from), CaseSensitive);
            b = i < 0 ? 0 : positionOfIndex(i);
        }
        if (b == 0)
            return 0;
        if (WholeWord) {
            const qsizetype before = indexOfPosition(b) - 1;
            const qsizetype after = indexOfPosition(b) + m;
            const bool letterBefore = before >= 0 && isWordLetter(Text[before].unicode());
            const bool letterAfter = after < Text.size() && isWordLetter(Text[after].unicode());
            if (letterBefore || letterAfter) {
                from = b + m;
                if (from < Limit)
                    continue;
                return -1;
            }
        }
        return b <= Limit ? int(b) : -1;
    }
}

int FindIgnoreCase(QStringView Needle, QStringView Haystack, int Offset,
                   qsizetype editorTextLength) {
    if (isBlankView(Haystack) || isBlankView(Needle) || editorTextLength < Needle.size() ||
        Offset >= editorTextLength)
        return 0;
    if (Offset < 1)
        Offset = 1;
    const qsizetype i = indexOfIgnoreAsciiCase(Haystack, Needle.left(100), indexOfPosition(Offset));
    return i < 0 ? 0 : positionOfIndex(i);
}
