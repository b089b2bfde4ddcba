#include "editor/restart_point.h"

#include <array>
#include <span>

namespace {

struct Construct {
    QByteArrayView open;
    QByteArrayView close;
    // Only a word ends the opener ("<script" but not "<scripts").
    bool wholeName = false;
};

// A tag is the last of these, so its '<' and '>' are looked at after the longer openers.
constexpr std::array MarkupConstructs{
    Construct{"<!--", "-->"},      Construct{"<script", "</script", true},
    Construct{"<![CDATA[", "]]>"}, Construct{"<?", "?>"},
    Construct{"<%", "%>"},
};
constexpr std::array CodeConstructs{Construct{"/*", "*/"}};

char folded(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool matchesAt(QByteArrayView text, qsizetype at, QByteArrayView word) {
    if (at < 0 || at + word.size() > text.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (folded(text[at + i]) != word[i])
            return false;
    }
    return true;
}

bool opensAt(QByteArrayView text, qsizetype at, const Construct& construct) {
    if (!matchesAt(text, at, construct.open))
        return false;
    if (!construct.wholeName)
        return true;
    const qsizetype after = at + construct.open.size();
    if (after >= text.size())
        return true;
    const char c = text[after];
    return c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The lexer takes '<' for a tag only before a name, an end tag, a declaration or an
// instruction.
bool tagOpensAt(QByteArrayView text, qsizetype at) {
    if (text[at] != '<' || at + 1 >= text.size())
        return false;
    const char c = folded(text[at + 1]);
    return (c >= 'a' && c <= 'z') || c == '/' || c == '!' || c == '?';
}

// Where the construct still open at `end` begins, or -1: its first opener after its last
// closer, so that a run of unclosed openers is left in one step.
qsizetype openedAt(QByteArrayView text, qsizetype end, const Construct& construct) {
    qsizetype from = 0;
    for (qsizetype at = end - construct.close.size(); at >= 0; --at) {
        if (matchesAt(text, at, construct.close)) {
            from = at + construct.close.size();
            break;
        }
    }
    for (qsizetype at = from; at + construct.open.size() <= end; ++at) {
        if (opensAt(text, at, construct))
            return at;
    }
    return -1;
}

qsizetype tagOpenedAt(QByteArrayView text, qsizetype end) {
    qsizetype from = 0;
    for (qsizetype at = end - 1; at >= 0; --at) {
        if (text[at] == '>') {
            from = at + 1;
            break;
        }
    }
    for (qsizetype at = from; at < end; ++at) {
        if (tagOpensAt(text, at))
            return at;
    }
    return -1;
}

qsizetype lineStartOf(QByteArrayView text, qsizetype at) {
    while (at > 0 && text[at - 1] != '\n')
        --at;
    return at;
}

} // namespace

qsizetype restartPoint(QByteArrayView before, RestartRules rules) {
    const std::span<const Construct> constructs = rules == RestartRules::Markup
                                                      ? std::span<const Construct>(MarkupConstructs)
                                                      : std::span<const Construct>(CodeConstructs);
    qsizetype end = before.size();
    // Each step moves to the line of the outermost construct open at the candidate; that
    // line's start may lie inside another one, so look again from there.
    for (int step = 0; step < 32 && end > 0; ++step) {
        qsizetype opened = -1;
        for (const Construct& construct : constructs) {
            const qsizetype at = openedAt(before, end, construct);
            if (at >= 0 && (opened < 0 || at < opened))
                opened = at;
        }
        if (rules == RestartRules::Markup) {
            const qsizetype at = tagOpenedAt(before, end);
            if (at >= 0 && (opened < 0 || at < opened))
                opened = at;
        }
        if (opened < 0)
            return end;
        end = lineStartOf(before, opened);
    }
    return end;
}
