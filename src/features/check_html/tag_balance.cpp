#include "features/check_html/tag_balance.h"

#include "features/check_html/markup_scan.h"
#include "features/check_html/markup_text.h"
#include "features/check_html/protected_texts.h"
#include "foundation/messages/message_table.h"
#include "foundation/text/case_rules.h"
#include "foundation/text/text_rules.h"

#include <algorithm>
#include <vector>

namespace {

// Message table lines of the report.
constexpr int ClosingMissingLine = 12;
constexpr int ForLine = 13;
constexpr int MissingLine = 14;
constexpr int RedundantLine = 16;
constexpr int DeletedLine = 17;

using Positions = std::vector<qsizetype>;

Positions occurrences(QStringView text, QStringView pattern) {
    Positions found;
    for (qsizetype at = indexOfIgnoreAsciiCase(text, pattern); at >= 0;
         at = indexOfIgnoreAsciiCase(text, pattern, at + pattern.size()))
        found.push_back(at);
    return found;
}

bool isClosingPattern(QStringView pattern) {
    return pattern.contains(u"</");
}

// Writes the disabled form over the occurrence at `at`.
void disableAt(QChar* text, qsizetype at, QStringView pattern) {
    QChar* to = text + at;
    if (isClosingPattern(pattern)) {
        for (qsizetype i = 0; i < pattern.size(); ++i)
            to[i] = QLatin1Char(' ');
        return;
    }
    for (qsizetype i = 0; i < pattern.size(); ++i)
        to[i] = i == 1 ? QLatin1Char('!') : pattern[i];
}

// Pairs one kind's tags found at `opens` and `closes`, disables what is left over and reports.
// The closing tags blanked go to `blanked`.
void balanceKind(QChar* text, const Positions& opens, const Positions& closes,
                 QStringView openPattern, QStringView closePattern, const MessageTable& messages,
                 QString& report, Positions* blanked) {
    if (opens.size() == closes.size())
        return;

    // From the last opening tag to the first, each takes the nearest free closing tag after
    // it. Sweeping from the end, the free closing tags seen so far form a stack whose top is
    // the nearest one.
    std::vector<bool> matched(opens.size(), false);
    std::vector<bool> taken(closes.size(), false);
    std::vector<size_t> freeClosings;
    qsizetype c = qsizetype(closes.size()) - 1;
    for (qsizetype o = qsizetype(opens.size()) - 1; o >= 0; --o) {
        for (; c >= 0 && closes[c] > opens[o]; --c)
            freeClosings.push_back(size_t(c));
        if (!freeClosings.empty()) {
            matched[o] = true;
            taken[freeClosings.back()] = true;
            freeClosings.pop_back();
        }
    }

    // The patterns begin with "<" and hold no other, so no two occurrences overlap and every
    // tag is still where it was found when it is disabled.
    QString lines;
    for (size_t o = 0; o < opens.size(); ++o) {
        if (matched[o])
            continue;
        disableAt(text, opens[o], openPattern);
        lines += QStringLiteral("\r\n") + messages.message(ForLine) + QLatin1Char(' ');
        lines += openPattern;
        lines += QLatin1Char(' ') + messages.message(ClosingMissingLine);
    }
    if (opens.size() > closes.size()) {
        lines += QStringLiteral("\r\n") + QString::number(opens.size() - closes.size());
        lines += closePattern;
        lines += QLatin1Char(' ') + messages.message(MissingLine);
    }
    if (closes.size() > opens.size()) {
        int count = 0;
        for (size_t k = 0; k < closes.size(); ++k) {
            if (taken[k])
                continue;
            disableAt(text, closes[k], closePattern);
            if (blanked)
                blanked->push_back(closes[k]);
            ++count;
        }
        lines += QStringLiteral("\r\n") + QString::number(count) + messages.message(RedundantLine);
        lines += closePattern;
        lines += messages.message(DeletedLine);
    }
    if (!isBlankText(lines))
        report += lines;
}

// A bucket for the two folded characters after a "<" (a MarkupText key); -1 past ASCII.
int bucketOf(quint32 key) {
    const quint32 first = key & 0xFFFFu;
    const quint32 second = key >> 16;
    return first < 0x80 && second < 0x80 ? int(first * 128 + second) : -1;
}

struct DisabledForm {
    QStringView disabled;
    QStringView tag;
};

constexpr DisabledForm BlockForms[] = {
    {u"<!iv", u"<div"}, {u"<!pan", u"<span"}, {u"<!able", u"<table"},
    {u"<!r", u"<tr"},   {u"<!d", u"<td"},
};

constexpr QStringView CheckThisMarker = u"<!CheckThis>";

bool endsTagName(QChar c) {
    return isBlankUnit(c) || c == QLatin1Char('>') || c == QLatin1Char('/');
}

} // namespace

void disableTag(qsizetype position, QStringView pattern, QString& text) {
    const qsizetype at = indexOfIgnoreAsciiCase(text, pattern, qMax<qsizetype>(position - 1, 0));
    if (at >= 0)
        disableAt(text.data(), at, pattern);
}

void checkTagBalance(QStringView openPattern, QStringView closePattern, QString& text,
                     const MessageTable& messages, QString& report) {
    const Positions opens = occurrences(text, openPattern);
    const Positions closes = occurrences(text, closePattern);
    if (opens.size() != closes.size())
        balanceKind(text.data(), opens, closes, openPattern, closePattern, messages, report,
                    nullptr);
}

void checkTagBalances(std::span<const TagPair> pairs, MarkupText& text,
                      const MessageTable& messages, QString& report) {
    // Every pattern once, found at the "<" characters in one sweep.
    std::vector<QStringView> patterns;
    auto indexOf = [&patterns](QStringView pattern) {
        const auto at = std::find(patterns.begin(), patterns.end(), pattern);
        if (at != patterns.end())
            return int(at - patterns.begin());
        patterns.push_back(pattern);
        return int(patterns.size()) - 1;
    };
    std::vector<std::pair<int, int>> kinds;
    for (const TagPair& pair : pairs)
        kinds.push_back({indexOf(pair.open), indexOf(pair.close)});

    std::vector<int> first(128 * 128, -1);
    std::vector<int> next(patterns.size(), -1);
    for (int k = int(patterns.size()) - 1; k >= 0; --k) {
        Q_ASSERT(patterns[k].size() >= 3 && patterns[k][0] == QLatin1Char('<'));
        Q_ASSERT(!patterns[k].mid(1).contains(QLatin1Char('<')) &&
                 !patterns[k].contains(QLatin1Char('!')));
        const int bucket = bucketOf(MarkupText::keyOf(patterns[k]));
        next[k] = first[bucket];
        first[bucket] = k;
    }
    std::vector<Positions> found(patterns.size());
    {
        const QString& s = text.text();
        const MarkupText::Positions& openings = text.openings();
        const std::vector<quint32>& keys = text.openingKeys();
        for (size_t i = 0; i < openings.size(); ++i) {
            const int bucket = bucketOf(keys[i]);
            if (bucket < 0)
                continue;
            for (int k = first[bucket]; k >= 0; k = next[k])
                if (matchesIgnoreAsciiCaseAt(s, openings[i], patterns[k]))
                    found[k].push_back(openings[i]);
        }
    }

    QChar* units = text.data();
    const QStringView view(units, text.text().size());
    Positions blanked;
    for (const auto& [open, close] : kinds) {
        // What earlier kinds disabled is no longer there.
        for (int k : {open, close})
            std::erase_if(found[k], [&](qsizetype at) {
                return !matchesIgnoreAsciiCaseAt(view, at, patterns[k]);
            });
        blanked.clear();
        balanceKind(units, found[open], found[close], patterns[open], patterns[close], messages,
                    report, &blanked);
        // Blanks where a closing tag stood can complete a pattern with a blank in it ("<a"
        // right before "</div>" reads "<a " afterwards). The pattern's only "<" lies before.
        for (qsizetype at : blanked) {
            for (size_t k = 0; k < patterns.size(); ++k) {
                const QStringView p = patterns[k];
                if (!p.contains(QLatin1Char(' ')))
                    continue;
                for (qsizetype start = qMax<qsizetype>(0, at - p.size() + 1); start < at; ++start) {
                    if (!matchesIgnoreAsciiCaseAt(view, start, p))
                        continue;
                    Positions& list = found[k];
                    const auto where = std::lower_bound(list.begin(), list.end(), start);
                    if (where == list.end() || *where != start)
                        list.insert(where, start);
                }
            }
        }
    }
    text.dropRemovedBrackets();
}

int flagDisabledBlockTags(MarkupText& text, const ProtectedTexts* masked) {
    const QString& s = text.text();
    const QStringView view(s);
    const MarkupText::Positions& openings = text.openings();
    const MarkupText::Positions& closings = text.closings();
    size_t i = 0;
    while (i < openings.size() && !matchesIgnoreAsciiCaseAt(view, openings[i], u"<body"))
        ++i;
    std::vector<MarkupText::Edit> edits;
    int flagged = 0;
    size_t g = 0;
    qsizetype from = 0;
    for (; i < openings.size(); ++i) {
        const qsizetype at = openings[i];
        if (at < from || at + 1 >= s.size() || s[at + 1] != QLatin1Char('!'))
            continue;
        const DisabledForm* form = nullptr;
        for (const DisabledForm& f : BlockForms) {
            const qsizetype end = at + f.disabled.size();
            if (view.mid(at).startsWith(f.disabled) && end < view.size() &&
                endsTagName(view[end])) {
                form = &f;
                break;
            }
        }
        if (!form)
            continue;
        edits.push_back({at, form->disabled.size(), form->tag});
        from = at + form->disabled.size();
        while (g < closings.size() && closings[g] < from)
            ++g;
        if (g == closings.size())
            continue;
        from = closings[g] + 1;
        // A tag flagged by an earlier check keeps its one marker.
        if (matchesIgnoreAsciiCaseAt(view, from, CheckThisMarker) ||
            (masked && masked->isMarkerAt(view, from)))
            continue;
        edits.push_back({from, 0, CheckThisMarker});
        ++flagged;
    }
    text.apply(edits);
    return flagged;
}

QString flagDisabledBlockTags(const QString& text) {
    MarkupText markup(text);
    flagDisabledBlockTags(markup);
    return markup.takeText();
}
