#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// The texts the code check gives back byte for byte, since it changes markup only: script and
// style blocks, comments, quoted attribute values and the "<!CheckThis>" markers of an earlier
// check. While the check rewrites the markup they stand behind short placeholders that none of
// its steps reacts to, so no step can write into them and a ">" inside a quoted value ends no
// tag.
//
// What counts, read left to right:
// - a script or style block: from "<script" or "<style" (any case; a longer name that begins
//   so counts too) through the first "</script>" or "</style>" after it; an opening marker
//   without a closing one is no block, and no later one of its kind is either;
// - a comment: from "<!--" through the first "-->" after it; without one it is no comment;
// - a marker: "<!CheckThis>" in any case;
// - a quoted value: inside a tag (the nearest "<" or ">" before it, outside the texts above, is
//   a "<"), an "=", optional white space and a double- or single-quoted text with at least one
//   character, through its closing quote.
//
// The placeholders: "<!--" U+FDD0 digits U+FDD1 "-->" for blocks, comments and markers, so the
// steps see a tag as before; "\"" U+FDD0 digits U+FDD1 "\"" for a value, so the steps see a
// double-quoted value (a single-quoted one comes back with its own quotes). A U+FDD0 or U+FDD1
// the text holds elsewhere stands behind a bare U+FDD0 digits U+FDD1 of its own, so every one
// in the masked text belongs to a placeholder.
class ProtectedTexts {
public:
    enum class Kind : quint8 { ScriptOrStyle, Comment, Marker, Value, Stray };

    // Returns the text with every protected text replaced by its placeholder.
    QString mask(const QString& text);
    // Every placeholder still in `masked` replaced by its text, in one pass. A placeholder a step
    // removed along with its markup (an empty element's opening tag) stays removed.
    QString restore(QStringView masked) const;

    // Whether a marker's placeholder begins at `at` of the masked text.
    bool isMarkerAt(QStringView masked, qsizetype at) const;
    // Whether the ">" at `gt` of the masked text ends a placeholder.
    static bool closesPlaceholder(QStringView masked, qsizetype gt);

    qsizetype count() const { return qsizetype(m_ranges.size()); }

private:
    struct Range {
        qint32 start;
        qint32 length;
        Kind kind;
    };
    // The index of the placeholder whose U+FDD0 stands at `at`, and the end of its U+FDD1, or
    // -1 when the digits do not name one.
    qsizetype entryAt(QStringView masked, qsizetype at, qsizetype* end) const;

    QString m_original;
    std::vector<Range> m_ranges;
};
