#include "features/check_html/protected_texts.h"

#include "foundation/text/case_rules.h"

namespace {

// Noncharacters: no text of a page means anything by them.
constexpr char16_t EntryStart = 0xFDD0;
constexpr char16_t EntryEnd = 0xFDD1;

constexpr QStringView CommentStart = u"<!--";
constexpr QStringView CommentEnd = u"-->";

struct BlockMarkers {
    QStringView open;
    QStringView close;
};
constexpr BlockMarkers ScriptMarkers{u"<script", u"</script>"};
constexpr BlockMarkers StyleMarkers{u"<style", u"</style>"};

bool isSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

// What stands before and after the number of a placeholder.
struct Wrapper {
    QStringView before;
    QStringView after;
};

Wrapper wrapperOf(ProtectedTexts::Kind kind) {
    switch (kind) {
    case ProtectedTexts::Kind::Value:
        return {u"\"", u"\""};
    case ProtectedTexts::Kind::Stray:
        return {};
    default:
        return {CommentStart, CommentEnd};
    }
}

void appendPlaceholder(QString& out, ProtectedTexts::Kind kind, size_t index) {
    const Wrapper wrapper = wrapperOf(kind);
    char16_t digits[24];
    int count = 0;
    do {
        digits[count++] = char16_t(u'0' + index % 10);
        index /= 10;
    } while (index > 0);
    out.append(wrapper.before);
    out.append(QChar(EntryStart));
    while (count > 0)
        out.append(QChar(digits[--count]));
    out.append(QChar(EntryEnd));
    out.append(wrapper.after);
}

} // namespace

QString ProtectedTexts::mask(const QString& text) {
    m_original = text;
    m_ranges.clear();
    const QStringView view(text);
    const char16_t* units = view.utf16();
    const qsizetype size = view.size();
    QString out;
    qsizetype copied = 0;
    auto protect = [&](qsizetype start, qsizetype end, Kind kind) {
        if (out.isEmpty())
            out.reserve(size);
        out.append(view.mid(copied, start - copied));
        appendPlaceholder(out, kind, m_ranges.size());
        m_ranges.push_back({qint32(start), qint32(end - start), kind});
        copied = end;
    };
    // Once a search for an end finds none, a later one cannot either: each is made once, so
    // the masking stays linear however many openings lack their end.
    bool scripts = true;
    bool styles = true;
    bool comments = true;
    bool doubleQuotes = true;
    bool singleQuotes = true;
    auto blockEnd = [&](qsizetype at, const BlockMarkers& markers, bool& open) -> qsizetype {
        if (!open || !matchesIgnoringCaseAt(view, at, markers.open))
            return -1;
        const qsizetype close = indexOfIgnoringCase(view, markers.close, at + markers.open.size());
        open = close >= 0;
        return open ? close + markers.close.size() : -1;
    };
    bool inTag = false;
    qsizetype at = 0;
    while (at < size) {
        const char16_t c = units[at];
        if (c == u'<') {
            qsizetype end = -1;
            Kind kind = Kind::ScriptOrStyle;
            if (view.mid(at).startsWith(CommentStart)) {
                end = comments ? view.indexOf(CommentEnd, at + CommentStart.size()) : -1;
                comments = end >= 0;
                if (end >= 0)
                    end += CommentEnd.size();
                kind = Kind::Comment;
            } else if (matchesIgnoreAsciiCaseAt(view, at, u"<!CheckThis>")) {
                end = at + 12;
                kind = Kind::Marker;
            } else {
                end = blockEnd(at, ScriptMarkers, scripts);
                if (end < 0)
                    end = blockEnd(at, StyleMarkers, styles);
            }
            if (end >= 0) {
                protect(at, end, kind);
                inTag = false;
                at = end;
            } else {
                inTag = true;
                ++at;
            }
        } else if (c == u'>') {
            inTag = false;
            ++at;
        } else if (c == u'=' && inTag) {
            qsizetype quote = at + 1;
            while (quote < size && isSpace(units[quote]))
                ++quote;
            bool* more = quote >= size           ? nullptr
                         : units[quote] == u'"'  ? &doubleQuotes
                         : units[quote] == u'\'' ? &singleQuotes
                                                 : nullptr;
            const qsizetype close =
                more && *more ? view.indexOf(QChar(units[quote]), quote + 1) : -1;
            if (more)
                *more = *more && close >= 0;
            if (close > quote + 1) {
                protect(quote, close + 1, Kind::Value);
                at = close + 1;
            } else {
                ++at;
            }
        } else if (c == EntryStart || c == EntryEnd) {
            protect(at, at + 1, Kind::Stray);
            ++at;
        } else {
            ++at;
        }
    }
    if (m_ranges.empty())
        return text;
    out.append(view.mid(copied));
    return out;
}

qsizetype ProtectedTexts::entryAt(QStringView masked, qsizetype at, qsizetype* end) const {
    if (at < 0 || at >= masked.size() || masked[at].unicode() != EntryStart)
        return -1;
    quint64 index = 0;
    qsizetype i = at + 1;
    for (; i < masked.size() && i - at <= 19; ++i) {
        const char16_t c = masked[i].unicode();
        if (c < u'0' || c > u'9')
            break;
        index = index * 10 + (c - u'0');
    }
    if (i == at + 1 || i >= masked.size() || masked[i].unicode() != EntryEnd ||
        index >= m_ranges.size())
        return -1;
    *end = i + 1;
    return qsizetype(index);
}

QString ProtectedTexts::restore(QStringView masked) const {
    if (m_ranges.empty())
        return masked.toString();
    const QStringView original(m_original);
    // The exact size first: a large text is not grown step by step nor reserved too large.
    qsizetype size = masked.size();
    for (qsizetype at = masked.indexOf(QChar(EntryStart)); at >= 0;
         at = masked.indexOf(QChar(EntryStart), at + 1)) {
        qsizetype end = 0;
        const qsizetype index = entryAt(masked, at, &end);
        if (index < 0)
            continue;
        const Range& range = m_ranges[size_t(index)];
        const Wrapper wrapper = wrapperOf(range.kind);
        size += range.length - (end - at) - wrapper.before.size() - wrapper.after.size();
    }
    QString out;
    out.reserve(size);
    qsizetype copied = 0;
    for (qsizetype at = masked.indexOf(QChar(EntryStart)); at >= 0;
         at = masked.indexOf(QChar(EntryStart), at + 1)) {
        qsizetype end = 0;
        const qsizetype index = entryAt(masked, at, &end);
        Q_ASSERT(index >= 0);
        if (index < 0)
            continue;
        const Range& range = m_ranges[size_t(index)];
        Wrapper wrapper = wrapperOf(range.kind);
        const bool whole = at - wrapper.before.size() >= copied &&
                           masked.mid(at - wrapper.before.size()).startsWith(wrapper.before) &&
                           masked.mid(end).startsWith(wrapper.after);
        // No step writes into a placeholder; should one ever, its text still comes back.
        Q_ASSERT(whole);
        if (!whole)
            wrapper = {};
        out.append(masked.mid(copied, at - wrapper.before.size() - copied));
        out.append(original.mid(range.start, range.length));
        copied = end + wrapper.after.size();
    }
    out.append(masked.mid(copied));
    return out;
}

bool ProtectedTexts::isMarkerAt(QStringView masked, qsizetype at) const {
    if (!masked.mid(at).startsWith(CommentStart))
        return false;
    qsizetype end = 0;
    const qsizetype index = entryAt(masked, at + CommentStart.size(), &end);
    return index >= 0 && m_ranges[size_t(index)].kind == Kind::Marker &&
           masked.mid(end).startsWith(CommentEnd);
}

bool ProtectedTexts::closesPlaceholder(QStringView masked, qsizetype gt) {
    return gt >= 3 && gt < masked.size() && masked[gt] == QLatin1Char('>') &&
           masked[gt - 1] == QLatin1Char('-') && masked[gt - 2] == QLatin1Char('-') &&
           masked[gt - 3].unicode() == EntryEnd;
}
