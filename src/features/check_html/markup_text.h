#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// A text together with the sorted positions of its "<" and ">" characters. The code check
// runs some ninety searches for tag patterns over the whole document; looking only at the
// brackets, instead of searching the text again for each pattern, keeps them cheap. Edits
// keep the positions up to date.
class MarkupText {
public:
    // Positions fit 32 bits: the editor counts in int.
    using Positions = std::vector<qint32>;

    // One replacement: `length` characters at `start` become `by`.
    struct Edit {
        qsizetype start;
        qsizetype length;
        QStringView by;
    };

    explicit MarkupText(QString text);

    const QString& text() const { return m_text; }
    QString takeText();
    const Positions& openings() const { return m_lt; }
    const Positions& closings() const { return m_gt; }
    // For each "<", the two characters after it, folded to lower case (0 past the end): the
    // passes compare this before they read the text.
    const std::vector<quint32>& openingKeys() const { return m_ltKeys; }
    // The key a "<" must have for `pattern` (which begins with "<") to match there, and the part
    // of the key that counts.
    static quint32 keyOf(QStringView pattern);
    static quint32 keyMask(QStringView pattern);

    // Applies edits sorted by start and not overlapping, in one rewrite. `by` may point into
    // the current text.
    void apply(const std::vector<Edit>& edits);
    // Every occurrence of `pattern` (ASCII case-blind, left to right, without overlap) becomes
    // `by`, which is not searched again. Returns how many were replaced.
    int replaceAll(QStringView pattern, QStringView by);
    // Writes over characters in place; the length stays.
    void overwrite(qsizetype at, QStringView chars);
    // For many writes in place that keep the length and may only remove brackets: write through
    // data(), then call dropRemovedBrackets() once.
    QChar* data() { return m_text.data(); }
    void dropRemovedBrackets();

    // Whether the positions and keys are those of the text, as a fresh look finds them; for
    // the tests and the fuzzers.
    bool bracketsMatchText() const;

    // The index into openings() of the first "<" at or after `position`.
    size_t firstOpeningFrom(qsizetype position) const;
    size_t firstClosingFrom(qsizetype position) const;

private:
    void scan();
    quint32 keyAt(qsizetype lt) const;

    QString m_text;
    Positions m_lt;
    std::vector<quint32> m_ltKeys;
    Positions m_gt;
    // What the last rewrite replaced: its memory serves the next one.
    QString m_spare;
    Positions m_ltSpare;
    std::vector<quint32> m_keysSpare;
    Positions m_gtSpare;
};

// The first occurrence at or after a position of a pattern that begins with "<", for queries
// whose position never moves back; reads each "<" of the text at most once.
class OpeningPatternCursor {
public:
    OpeningPatternCursor(const MarkupText& text, QStringView pattern)
        : m_text(text), m_pattern(pattern) {}
    qsizetype next(qsizetype from);

private:
    const MarkupText& m_text;
    QStringView m_pattern;
    quint32 m_key = MarkupText::keyOf(m_pattern);
    quint32 m_mask = MarkupText::keyMask(m_pattern);
    size_t m_index = 0;
    qsizetype m_from = -1;
    qsizetype m_found = -1;
};
