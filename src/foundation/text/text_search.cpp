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

int findInText(QStringView text, QStringView pattern, int startPosition, int limit, bool wholeWord,
               bool caseSensitive) {
    if (limit <= 0)
        return -1;
    const qsizetype m = pattern.size();
    qsizetype from = startPosition;
    for (;;) {
        qsizetype b = 0;
        if (!pattern.isEmpty() && !text.isEmpty() && from >= 1 && from <= text.size()) {
            const qsizetype i = indexOfText(text, pattern, indexOfPosition(from), caseSensitive);
            b = i < 0 ? 0 : positionOfIndex(i);
        }
        if (b == 0)
            return 0;
        if (wholeWord) {
            const qsizetype before = indexOfPosition(b) - 1;
            const qsizetype after = indexOfPosition(b) + m;
            const bool letterBefore = before >= 0 && isWordLetter(text[before].unicode());
            const bool letterAfter = after < text.size() && isWordLetter(text[after].unicode());
            if (letterBefore || letterAfter) {
                from = b + m;
                if (from < limit)
                    continue;
                return -1;
            }
        }
        return b <= limit ? int(b) : -1;
    }
}

int findIgnoringCase(QStringView needle, QStringView haystack, int offset,
                     qsizetype editorTextLength) {
    if (isBlankText(haystack) || isBlankText(needle) || editorTextLength < needle.size() ||
        offset >= editorTextLength)
        return 0;
    if (offset < 1)
        offset = 1;
    const qsizetype i = indexOfIgnoreAsciiCase(haystack, needle.left(100), indexOfPosition(offset));
    return i < 0 ? 0 : positionOfIndex(i);
}
