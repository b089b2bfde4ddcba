#include "foundation/text/text_search.h"

#include "foundation/text/text_rules.h"

namespace {

bool isAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The letters of the whole-word test.
bool isWordLetter(char16_t c) {
    return isAsciiLetter(c) || (c >= 0xC0 && c <= 0xFF);
}

} // namespace

qsizetype indexOfText(QStringView text, QStringView pattern, qsizetype from, bool caseSensitive) {
    return indexOfFolded(text, pattern, from, caseSensitive ? CaseRule::Exact : CaseRule::Ascii);
}

qsizetype lastIndexOfIgnoreAsciiCase(QStringView text, QStringView pattern, qsizetype from) {
    if (pattern.isEmpty() || from < 0)
        return -1;
    for (qsizetype i = text.size() - pattern.size(); i >= from; --i)
        if (matchesIgnoreAsciiCaseAt(text, i, pattern))
            return i;
    return -1;
}

int findInText(QStringView Text, QStringView Pattern, int StartPos, int Limit, bool WholeWord,
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

int findIgnoringCase(QStringView Needle, QStringView Haystack, int Offset,
                     qsizetype editorTextLength) {
    if (isBlankText(Haystack) || isBlankText(Needle) || editorTextLength < Needle.size() ||
        Offset >= editorTextLength)
        return 0;
    if (Offset < 1)
        Offset = 1;
    const qsizetype i = indexOfIgnoreAsciiCase(Haystack, Needle.left(100), indexOfPosition(Offset));
    return i < 0 ? 0 : positionOfIndex(i);
}
