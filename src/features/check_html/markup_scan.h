#pragma once

#include "foundation/text/text_rules.h"

#include <QString>
#include <QStringView>

// Helpers shared by the code check's passes.
//
// Every search of the check that ignores case folds ASCII letters only (A-Z). Its patterns are
// ASCII markup literals; a full case mapping would also let "ſ" (long s) or the Kelvin sign
// stand for "s" or "k" inside running text, which no browser reads as those tags.

// White space and control characters (up to U+0020), which the check trims.
inline bool isBlankUnit(QChar c) {
    return c.unicode() <= 0x20;
}

// "The first occurrence at or after `from`" for queries whose `from` never moves back: the last
// answer is kept, so a run of queries reads the text once. Used where a step taken as written
// would search the same stretch again and again.
class ForwardCharSearch {
public:
    // Finds any of the characters in `set`.
    ForwardCharSearch(QStringView text, QStringView set) : m_text(text), m_set(set) {}
    qsizetype next(qsizetype from);

private:
    QStringView m_text;
    QStringView m_set;
    qsizetype m_from = -1;
    qsizetype m_at = -1;
};
