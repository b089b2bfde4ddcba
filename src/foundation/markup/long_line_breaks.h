#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Very long lines make the editor control lay out a whole line before it can paint any of it,
// so such lines may be broken on opening, but only where a line break cannot change what an
// HTML or XHTML page means: inside a start or end tag, after white space that stands between
// its name and attributes, or just before its closing ">" (not between "/" and ">").
//
// Never inside a tag name, an attribute name or value, comments, declarations and processing
// texts, CDATA sections, or the content of script, style, textarea, title, pre, listing, xmp,
// iframe, noembed, noframes, noscript and plaintext elements. A tag that holds a "<" or a quote
// outside a quoted value (a template or server language at work) offers no place at all, and
// neither does anything after an unterminated comment, quoted value or raw-text element.

// The offsets before which a line break may go, ascending.
std::vector<qsizetype> markupBreakPlaces(QStringView text);

// Whether a line (between CR or LF) is longer than `limit` UTF-16 code units.
bool hasLineLongerThan(QStringView text, qsizetype limit);

struct LongLineBreaking {
    QString text;
    // Where each inserted line break starts in `text`, ascending.
    std::vector<qsizetype> insertedAt;
    // Lines of the original that were broken, and lines of the result still over the limit
    // (no place to break within it).
    qsizetype linesBroken = 0;
    qsizetype linesStillLong = 0;
};

// Breaks every line longer than `limit` code units at the markup break places, each piece as
// long as the limit allows; a stretch longer than the limit without a place stays whole.
// `lineBreak` is what is inserted (the document's own line break). One pass; lines within the
// limit are left alone.
LongLineBreaking breakLongLines(QStringView text, qsizetype limit, QStringView lineBreak = u"\r\n");
