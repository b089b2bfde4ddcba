#include "features/check_html/attribute_quoting.h"

#include "features/check_html/markup_scan.h"
#include "features/check_html/markup_text.h"
#include "features/check_html/protected_texts.h"
#include "foundation/text/case_rules.h"

#include <vector>

namespace {

// How far past an "=" the end of an unquoted value is looked for.
constexpr qsizetype ValueWindow = 300;

// The rules speak of one text that grows as quotes go in, with a search position S counted in
// that text. Here the text stays as it came; an insertion is a "slot" (the index of the original
// character it goes before) and a size (1: a quote after an "=", 2: quote and blank before the
// value's end). The "=" found only move forward and every insertion lands after the current
// "=", so the insertions behind it are final and are handed out; the few ahead of it wait in
// a list. An examined stretch stops at the first pending insertion (its quote), so a new
// closing quote always lands before every pending one: the list stays in text order, nearest
// last.
class Quoter {
public:
    explicit Quoter(const MarkupText& text)
        : m_markup(text), m_text(text.text()), m_stops(m_text, u"\" >"), m_quotes(m_text, u"\"") {}

    // The insertions, in text order.
    std::vector<MarkupText::Edit> run();
    // Values that got an opening quote.
    int quoted() const { return m_quoted; }

private:
    struct Insertion {
        qsizetype slot;
        qsizetype size;
    };

    qsizetype nextEqualsInTag(qsizetype from);
    bool insideTag(qsizetype at);
    void flushThrough(qsizetype slot);
    qsizetype pendingSizeAt(qsizetype slot) const;

    const MarkupText& m_markup;
    const QString& m_text;
    ForwardCharSearch m_stops;
    ForwardCharSearch m_quotes;
    std::vector<MarkupText::Edit> m_done;
    // Characters inserted before the last "=" found.
    qsizetype m_inserted = 0;
    std::vector<Insertion> m_pending;
    // The last "<" or ">" before m_angleScan, or 0.
    char16_t m_lastAngle = 0;
    qsizetype m_angleScan = 0;
    int m_quoted = 0;
};

bool Quoter::insideTag(qsizetype at) {
    if (at < m_angleScan) {
        m_angleScan = 0;
        m_lastAngle = 0;
    }
    // Only the nearest bracket counts, so the stretch is read backwards from the "=".
    for (qsizetype i = at - 1; i >= m_angleScan; --i) {
        const char16_t c = m_text[i].unicode();
        if (c == u'<' || c == u'>') {
            m_lastAngle = c;
            break;
        }
    }
    m_angleScan = at;
    return m_lastAngle == u'<';
}

qsizetype Quoter::nextEqualsInTag(qsizetype from) {
    for (qsizetype at = from; at < m_text.size(); ++at) {
        at = m_text.indexOf(QLatin1Char('='), at);
        if (at < 0)
            return -1;
        if (insideTag(at))
            return at;
    }
    return -1;
}

void Quoter::flushThrough(qsizetype slot) {
    while (!m_pending.empty() && m_pending.back().slot <= slot) {
        const Insertion done = m_pending.back();
        m_pending.pop_back();
        m_done.push_back({done.slot, 0, done.size == 1 ? QStringView(u"\"") : QStringView(u"\" ")});
        m_inserted += done.size;
    }
}

qsizetype Quoter::pendingSizeAt(qsizetype slot) const {
    return !m_pending.empty() && m_pending.back().slot == slot ? m_pending.back().size : 0;
}

std::vector<MarkupText::Edit> Quoter::run() {
    const qsizetype n = m_text.size();
    const qsizetype body = OpeningPatternCursor(m_markup, u"<body").next(0);
    // S is the rules' search position in the growing text; `from` the first original
    // character at or after it.
    qsizetype from = body < 0 ? 0 : body;
    qsizetype S = from;
    for (;;) {
        const qsizetype e = nextEqualsInTag(from);
        if (e < 0)
            break;
        flushThrough(e);
        // Every insertion before the "=" is written out now.
        const qsizetype equalsAt = e + m_inserted;
        const qsizetype after = pendingSizeAt(e + 1);
        if (after > 0 || (e + 1 < n && m_text[e + 1] == QLatin1Char('"'))) {
            // Quoted: the next double quote from the second character after the "=". The
            // first insertion after the "=", when there is one, is the quote just passed.
            const qsizetype count = qsizetype(m_pending.size()) - (after > 0 ? 1 : 0);
            const Insertion* group = count > 0 ? &m_pending[count - 1] : nullptr;
            const qsizetype quote = m_quotes.next(after > 0 ? e + 1 : e + 2);
            if (group && (quote < 0 || group->slot <= quote)) {
                S = group->slot + m_inserted + after + 2;
                // What follows the group's quote before its original character: the rest of
                // the group and a second group in the same place.
                qsizetype rest = group->size - 1;
                if (count > 1 && m_pending[count - 2].slot == group->slot)
                    rest += m_pending[count - 2].size;
                from = rest > 0 ? group->slot : group->slot + 1;
            } else if (quote >= 0) {
                S = quote + m_inserted + after + 2;
                from = group && group->slot == quote + 1 ? quote + 1 : quote + 2;
            } else {
                break;
            }
            continue;
        }
        // Unquoted: the value ends at the first blank, ">" or double quote among the next 300
        // characters; a pending insertion's quote comes before the original character it
        // precedes.
        const Insertion* group = m_pending.empty() ? nullptr : &m_pending.back();
        const qsizetype stop = m_stops.next(e + 1);
        bool closing = false;
        if (!(group && (stop < 0 || group->slot <= stop)) && stop >= 0 && stop - e <= ValueWindow) {
            const QChar c = m_text[stop];
            closing = c != QLatin1Char('"') &&
                      !(c == QLatin1Char('>') && ProtectedTexts::closesPlaceholder(m_text, stop));
        }
        // An empty value ("=" then blank or ">") puts both quotes in one place, the opening
        // one first.
        if (closing)
            m_pending.push_back({stop, 2});
        m_pending.push_back({e + 1, 1});
        ++m_quoted;
        S += 2;
        // Two further on: the same "=" again unless it stood right at S.
        from = S <= equalsAt ? e : e + 1;
    }
    flushThrough(n);
    return std::move(m_done);
}

} // namespace

int quoteAttributeValues(MarkupText& text) {
    Quoter quoter(text);
    text.apply(quoter.run());
    return quoter.quoted();
}

QString quoteAttributeValues(const QString& text) {
    MarkupText markup(text);
    quoteAttributeValues(markup);
    return markup.takeText();
}
