#include "foundation/markup/long_line_breaks.h"

#include <algorithm>

namespace {

bool isTagSpace(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\f';
}

bool isAsciiLetter(QChar c) {
    const char16_t u = c.unicode() | 0x20;
    return u >= u'a' && u <= u'z';
}

bool isLineEnd(QChar c) {
    return c == u'\n' || c == u'\r';
}

// Reads the text once, left to right, and hands each break place to the sink in ascending order.
template <typename Sink> class BreakPlaceScan {
public:
    BreakPlaceScan(QStringView text, Sink& sink) : m_text(text), m_sink(sink) {}

    void run() {
        qsizetype at = 0;
        while (at >= 0 && at < m_text.size()) {
            at = m_text.indexOf(u'<', at);
            if (at < 0)
                return;
            at = markupAt(at);
        }
    }

private:
    QChar charAt(qsizetype at) const { return at < m_text.size() ? m_text[at] : QChar(); }

    bool startsWith(qsizetype at, QStringView what) const {
        return m_text.sliced(at).startsWith(what, Qt::CaseInsensitive);
    }

    // "<name" or "</name" followed by white space, "/" or ">".
    bool tagNamedAt(qsizetype at, QStringView name, bool endTag) const {
        qsizetype nameAt = at + (endTag ? 2 : 1);
        if (charAt(at) != u'<' || (endTag && charAt(at + 1) != u'/') ||
            nameAt + name.size() >= m_text.size() || !startsWith(nameAt, name))
            return false;
        const QChar after = m_text[nameAt + name.size()];
        return isTagSpace(after) || after == u'/' || after == u'>';
    }

    // The end of the markup starting with "<" at `at` (where scanning goes on), -1 when nothing
    // after it can be read safely.
    qsizetype markupAt(qsizetype at) {
        if (startsWith(at, u"<!--"))
            return skipPast(at + 4, u"-->");
        if (startsWith(at, u"<![CDATA["))
            return skipPast(at + 9, u"]]>");
        const QChar next = charAt(at + 1);
        if (next == u'!')
            return declarationEnd(at + 2);
        if (next == u'?') {
            // XML ends it at "?>", HTML at the first ">": the later one is safe for both. Once
            // no "?>" is left, it is not looked for again, so many such texts stay one pass.
            const qsizetype end = m_processingEndLeft ? m_text.indexOf(u"?>", at + 2) : -1;
            m_processingEndLeft = end >= 0;
            return end >= 0 ? end + 2 : skipPast(at + 2, u">");
        }
        const bool endTag = next == u'/';
        const qsizetype nameAt = at + (endTag ? 2 : 1);
        if (!isAsciiLetter(charAt(nameAt)))
            return endTag ? skipPast(nameAt, u">") : at + 1; // "</3>" is a comment, "a < b" text
        return tagAt(nameAt, endTag);
    }

    qsizetype skipPast(qsizetype from, QStringView end) const {
        const qsizetype found = m_text.indexOf(end, from);
        return found < 0 ? -1 : found + end.size();
    }

    // "<!DOCTYPE ...>" with quoted literals and an internal subset in brackets, or any other
    // "<!...>": the later end of HTML's and XML's reading.
    qsizetype declarationEnd(qsizetype from) const {
        QChar quote;
        int depth = 0;
        for (qsizetype i = from; i < m_text.size(); ++i) {
            const QChar c = m_text[i];
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == u'"' || c == u'\'') {
                quote = c;
            } else if (c == u'[') {
                ++depth;
            } else if (c == u']') {
                depth = std::max(depth - 1, 0);
            } else if (c == u'>' && depth == 0) {
                return i + 1;
            }
        }
        return -1;
    }

    qsizetype tagAt(qsizetype nameAt, bool endTag) {
        m_places.clear();
        bool clean = true;
        qsizetype i = nameAt;
        while (i < m_text.size() && !isTagSpace(m_text[i]) && m_text[i] != u'/' &&
               m_text[i] != u'>') {
            clean = clean && !isSuspect(m_text[i]);
            ++i;
        }
        const qsizetype nameEnd = i;
        for (;;) {
            if (i >= m_text.size())
                return -1;
            const QChar c = m_text[i];
            if (isTagSpace(c)) {
                i = skipSpace(i);
            } else if (c == u'>') {
                break;
            } else if (c == u'/') {
                ++i;
            } else {
                // An attribute: name, then optionally "=" and a value.
                if (c == u'<' || c == u'"' || c == u'\'')
                    clean = false;
                ++i;
                while (i < m_text.size() && !isTagSpace(m_text[i]) && m_text[i] != u'/' &&
                       m_text[i] != u'>' && m_text[i] != u'=') {
                    clean = clean && !isSuspect(m_text[i]);
                    ++i;
                }
                i = skipSpace(i);
                if (charAt(i) != u'=')
                    continue;
                i = skipSpace(i + 1);
                const QChar open = charAt(i);
                if (open == u'"' || open == u'\'') {
                    const qsizetype close = m_text.indexOf(open, i + 1);
                    if (close < 0)
                        return -1;
                    i = close + 1;
                } else {
                    while (i < m_text.size() && !isTagSpace(m_text[i]) && m_text[i] != u'>') {
                        clean = clean && !isSuspect(m_text[i]) && m_text[i] != u'=';
                        ++i;
                    }
                }
            }
        }
        const qsizetype gt = i;
        if (clean) {
            if (m_text[gt - 1] != u'/' && (m_places.empty() || m_places.back() != gt))
                m_places.push_back(gt);
            for (qsizetype place : m_places)
                m_sink(place);
        }
        if (endTag)
            return gt + 1;
        return contentEnd(nameAt, nameEnd - nameAt, gt + 1);
    }

    // Characters that make a tag look like a template or server language rather than markup.
    static bool isSuspect(QChar c) {
        return c == u'<' || c == u'"' || c == u'\'' || c == u'`' || c == u'{' || c == u'}';
    }

    // Past white space; a place after each run, unless it runs into the line end.
    qsizetype skipSpace(qsizetype i) {
        bool any = false;
        while (i < m_text.size() && isTagSpace(m_text[i])) {
            any = true;
            ++i;
        }
        if (any && i < m_text.size() && !isLineEnd(m_text[i - 1]))
            m_places.push_back(i);
        return i;
    }

    // Where scanning goes on after an element's start tag: past the content of elements whose
    // content is not markup (or must stay as it is), at their end tag.
    qsizetype contentEnd(qsizetype nameAt, qsizetype nameLength, qsizetype from) const {
        const QStringView name = m_text.sliced(nameAt, nameLength);
        auto is = [&](QStringView other) { return name.compare(other, Qt::CaseInsensitive) == 0; };
        if (is(u"script"))
            return scriptEnd(from);
        if (is(u"plaintext"))
            return -1;
        if (is(u"pre") || is(u"listing"))
            return preformattedEnd(from);
        for (QStringView raw : {u"style", u"textarea", u"title", u"xmp", u"iframe", u"noembed",
                                u"noframes", u"noscript"}) {
            if (is(raw))
                return endTagFrom(from, raw);
        }
        return from;
    }

    qsizetype endTagFrom(qsizetype from, QStringView name) const {
        for (qsizetype i = m_text.indexOf(u"</", from); i >= 0; i = m_text.indexOf(u"</", i + 2)) {
            if (tagNamedAt(i, name, true))
                return i;
        }
        return -1;
    }

    // Script content ends at "</script"; inside "<!--", a "<script" hides the next "</script".
    qsizetype scriptEnd(qsizetype from) const {
        enum { Data, Escaped, DoubleEscaped } state = Data;
        for (qsizetype i = from; i < m_text.size(); ++i) {
            const QChar c = m_text[i];
            if (c != u'<' && c != u'-')
                continue;
            if (state != Data && startsWith(i, u"-->")) {
                state = Data;
                i += 2;
            } else if (state == Data && startsWith(i, u"<!--")) {
                state = Escaped;
                i += 3;
            } else if (tagNamedAt(i, u"script", true)) {
                if (state != DoubleEscaped)
                    return i;
                state = Escaped;
            } else if (state == Escaped && tagNamedAt(i, u"script", false)) {
                state = DoubleEscaped;
            }
        }
        return -1;
    }

    // Where the content of a pre or listing element ends: at its end tag, or at the first end tag
    // of a table part, body or html, which close it (an unclosed pre in a table cell).
    // Comments are skipped. Holding back earlier than needed would cost places, not safety: a
    // break inside a tag adds no text even there.
    qsizetype preformattedEnd(qsizetype from) const {
        static const QStringView closing[] = {u"pre",   u"listing", u"td",    u"th",
                                              u"tr",    u"tbody",   u"thead", u"tfoot",
                                              u"table", u"caption", u"body",  u"html"};
        for (qsizetype i = m_text.indexOf(u'<', from); i >= 0; i = m_text.indexOf(u'<', i + 1)) {
            if (startsWith(i, u"<!--")) {
                i = m_text.indexOf(u"-->", i + 4);
                if (i < 0)
                    return -1;
            } else if (charAt(i + 1) == u'/') {
                for (QStringView name : closing) {
                    if (tagNamedAt(i, name, true))
                        return i;
                }
            }
        }
        return -1;
    }

    QStringView m_text;
    Sink& m_sink;
    std::vector<qsizetype> m_places; // of the tag being read, handed on when it proves clean
    bool m_processingEndLeft = true;
};

template <typename Sink> void scanBreakPlaces(QStringView text, Sink& sink) {
    BreakPlaceScan<Sink>(text, sink).run();
}

struct LineSpan {
    qsizetype start;
    qsizetype end;
};

std::vector<LineSpan> linesLongerThan(QStringView text, qsizetype limit) {
    std::vector<LineSpan> lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i <= size; ++i) {
        if (i < size && !isLineEnd(text[i]))
            continue;
        if (i - start > limit)
            lines.push_back({start, i});
        start = i + 1;
    }
    return lines;
}

} // namespace

std::vector<qsizetype> markupBreakPlaces(QStringView text) {
    std::vector<qsizetype> places;
    auto sink = [&](qsizetype place) { places.push_back(place); };
    scanBreakPlaces(text, sink);
    return places;
}

bool hasLineLongerThan(QStringView text, qsizetype limit) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isLineEnd(text[i])) {
            if (i - start > limit)
                return true;
            start = i + 1;
        }
    }
    return text.size() - start > limit;
}

LongLineBreaking breakLongLines(QStringView text, qsizetype limit, QStringView lineBreak) {
    LongLineBreaking result;
    const std::vector<LineSpan> longLines = linesLongerThan(text, limit);
    if (longLines.empty()) {
        result.text = text.toString();
        return result;
    }
    // Only the places within long lines are kept.
    std::vector<qsizetype> places;
    size_t line = 0;
    auto sink = [&](qsizetype place) {
        while (line < longLines.size() && longLines[line].end <= place)
            ++line;
        if (line < longLines.size() && place > longLines[line].start)
            places.push_back(place);
    };
    scanBreakPlaces(text, sink);

    // Greedy per line: each piece ends at the last place within the limit, or, with none, at
    // the first place beyond it.
    std::vector<qsizetype> cuts;
    auto place = places.begin();
    for (const LineSpan& span : longLines) {
        place = std::lower_bound(place, places.end(), span.start + 1);
        qsizetype pieceStart = span.start;
        bool broken = false;
        while (span.end - pieceStart > limit) {
            auto beyond = std::upper_bound(place, places.end(), pieceStart + limit);
            qsizetype cut = -1;
            if (beyond != place && *(beyond - 1) > pieceStart) {
                cut = *(beyond - 1);
            } else if (beyond != places.end() && *beyond < span.end) {
                cut = *beyond;
                ++result.linesStillLong;
            }
            if (cut < 0)
                break;
            cuts.push_back(cut);
            broken = true;
            pieceStart = cut;
            place = std::upper_bound(place, places.end(), cut);
        }
        if (span.end - pieceStart > limit)
            ++result.linesStillLong;
        if (broken)
            ++result.linesBroken;
    }

    result.text.reserve(text.size() + qsizetype(cuts.size()) * lineBreak.size());
    result.insertedAt.reserve(cuts.size());
    qsizetype copied = 0;
    for (qsizetype cut : cuts) {
        result.text.append(text.sliced(copied, cut - copied));
        result.insertedAt.push_back(result.text.size());
        result.text.append(lineBreak);
        copied = cut;
    }
    result.text.append(text.sliced(copied));
    return result;
}
