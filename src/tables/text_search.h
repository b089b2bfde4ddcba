#pragma once

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

// Folds A-Z only, so an accented capital never matches its small letter.
constexpr char16_t foldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

// Whether pattern stands at index of text, compared with ASCII folding.
bool matchesIgnoreAsciiCaseAt(QStringView text, qsizetype index, QStringView pattern);

inline bool equalsIgnoreAsciiCase(QStringView a, QStringView b) {
    return a.size() == b.size() && matchesIgnoreAsciiCaseAt(a, 0, b);
}

// First index at or after from where pattern begins, -1 if none. Compares in place with ASCII
// folding and runs in time linear in what it scans, whatever the pattern.
qsizetype indexOfIgnoreAsciiCase(QStringView text, QStringView pattern, qsizetype from = 0);
// The same, case-sensitive or not.
qsizetype indexOfText(QStringView text, QStringView pattern, qsizetype from, bool caseSensitive);
// Last index at or after from where pattern begins (ASCII folding), -1 if none.
qsizetype lastIndexOfIgnoreAsciiCase(QStringView text, QStringView pattern, qsizetype from = 0);

// The first occurrence of Pattern in Text at or after StartPos (1-based) that begins at or
// before Limit. 0 when there is no (further) occurrence; -1 when Limit <= 0, when the first
// accepted occurrence begins after Limit, or when a whole-word search would resume at or after
// Limit. Whole words: the characters around the match are no letters (A-Z, a-z, U+00C0-U+00FF).
int FindInText(QStringView Text, QStringView Pattern, int StartPos, int Limit, bool WholeWord,
               bool CaseSensitive);

// The first ASCII-folded occurrence of (at most the first 100 characters of) Needle in Haystack
// at or after Offset, or 0. Also 0 when either is blank, when the editor's whole text (of
// length editorTextLength) is shorter than Needle, or when Offset is not below that length.
int FindIgnoreCase(QStringView Needle, QStringView Haystack, int Offset,
                   qsizetype editorTextLength);
