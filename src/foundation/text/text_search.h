#pragma once

#include "foundation/text/case_rules.h"

#include <QString>
#include <QStringView>

// Text positions count from 1 as the commands state them; QString indexes count from 0.
// Every conversion between the two goes through these.
constexpr qsizetype indexOfPosition(qsizetype position) {
    return position - 1;
}
constexpr int positionOfIndex(qsizetype index) {
    return int(index + 1);
}

// The first index at or after from where pattern begins, case-sensitive or with ASCII folding;
// -1 if none.
qsizetype indexOfText(QStringView text, QStringView pattern, qsizetype from, bool caseSensitive);
// Last index at or after from where pattern begins (ASCII folding), -1 if none.
qsizetype lastIndexOfIgnoreAsciiCase(QStringView text, QStringView pattern, qsizetype from = 0);

// The first occurrence of pattern in text at or after startPosition (1-based) that begins at or
// before limit. 0 when there is no (further) occurrence; -1 when limit <= 0, when the first
// accepted occurrence begins after limit, or when a whole-word search would resume at or after
// limit. Whole words: the characters around the match are no letters (A-Z, a-z, U+00C0-U+00FF).
int findInText(QStringView text, QStringView pattern, int startPosition, int limit, bool wholeWord,
               bool caseSensitive);

// The first ASCII-folded occurrence of (at most the first 100 characters of) needle in haystack
// at or after offset, or 0. Also 0 when either is blank, when the editor's whole text (of
// length editorTextLength) is shorter than needle, or when offset is not below that length.
int findIgnoringCase(QStringView needle, QStringView haystack, int offset,
                     qsizetype editorTextLength);
