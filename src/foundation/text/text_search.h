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

// The first occurrence of Pattern in Text at or after StartPos (1-based) that begins at or
// before Limit. 0 when there is no (further) occurrence; -1 when Limit <= 0, when the first
// accepted occurrence begins after Limit, or when a whole-word search would resume at or after
// Limit. Whole words: the characters around the match are no letters (A-Z, a-z, U+00C0-U+00FF).
int findInText(QStringView Text, QStringView Pattern, int StartPos, int Limit, bool WholeWord,
               bool CaseSensitive);

// The first ASCII-folded occurrence of (at most the first 100 characters of) Needle in Haystack
// at or after Offset, or 0. Also 0 when either is blank, when the editor's whole text (of
// length editorTextLength) is shorter than Needle, or when Offset is not below that length.
int findIgnoringCase(QStringView Needle, QStringView Haystack, int Offset,
                     qsizetype editorTextLength);
