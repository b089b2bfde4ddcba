#include "features/remove_formatting/remove_format.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/text/case_rules.h"
#include "foundation/text/text_rules.h"

namespace {

constexpr QStringView fixedTags[] = {
    u"<b>",       u"</b>",  u"<i>",    u"</i>",  u"<u>",    u"</u>",     u"<strike>",
    u"</strike>", u"<sub>", u"</sub>", u"<sup>", u"</sup>", u"<strong>", u"</strong>",
    u"<em>",      u"</em>", u"<h1>",   u"</h1>", u"<h2>",   u"</h2>",    u"<h3>",
    u"</h3>",     u"<h4>",  u"</h4>",  u"<h5>",  u"</h5>",  u"<h6>",     u"</h6>",
};

constexpr FormattingFamily families[] = {
    {u"<font", u"</font>"},
    {u"<p style=", u"</p>"},
    {u"<p class=", u"</p>"},
    {u"<span", u"</span>"},
};

constexpr CaseRule anyCase = CaseRule::Full;

// The document after the command's edit, as the untouched part before the element, the
// cleaned element and the untouched rest, so the caret's line is found without joining them.
struct EditedText {
    QStringView before;
    QStringView element;
    QStringView after;

    int lineCount() const {
        return int(before.count(QLatin1Char('\n')) + element.count(QLatin1Char('\n')) +
                   after.count(QLatin1Char('\n'))) +
               1;
    }
    // Offset of the first character of a line (0-based), which must exist.
    qsizetype lineStart(int line) const {
        qsizetype offset = 0;
        for (QStringView part : {before, element, after}) {
            for (qsizetype i = 0; i < part.size() && line > 0; ++i)
                if (part[i] == QLatin1Char('\n') && --line == 0)
                    return offset + i + 1;
            offset += part.size();
        }
        return 0;
    }
};

} // namespace

std::span<const QStringView> formattingTags() {
    return fixedTags;
}

std::span<const FormattingFamily> formattingFamilies() {
    return families;
}

std::optional<ElementRange> elementAtCaret(QStringView text, int selStart) {
    const qsizetype before = qMin<qsizetype>(selStart, text.size());
    if (before < 1)
        return std::nullopt;
    const qsizetype open = text.lastIndexOf(QLatin1Char('<'), before - 1);
    if (open < 0)
        return std::nullopt;
    const QStringView head = text.mid(open, 3);
    qsizetype close = text.indexOf(u"</", open);
    if (close < 0)
        return std::nullopt;
    // Counted from the character before the "<" to the one before the closing tag.
    int sameKind = 0;
    for (qsizetype i = qMax<qsizetype>(0, open - 1); i + head.size() <= close; ++i)
        if (matchesFoldedAt(text, i, head, anyCase))
            ++sameKind;
    // One nested element of the same kind ends at the first closing tag; follow one more.
    if (sameKind >= 2) {
        close = text.indexOf(u"</", close + 2);
        if (close < 0)
            return std::nullopt;
    }
    const qsizetype end = text.indexOf(QLatin1Char('>'), close);
    if (end < 0)
        return std::nullopt;
    return ElementRange{int(open), int(end - open + 1)};
}

bool selectElementAtCaret(EditorBuffer& editor) {
    const std::optional<ElementRange> element = elementAtCaret(editor.text(), editor.selStart());
    if (!element)
        return false;
    editor.select(element->start, element->start + element->length);
    return true;
}

QString replaceOpeningTags(const QString& text, QStringView pattern) {
    const qsizetype m = pattern.size();
    if (m == 0)
        return text;
    const qsizetype originalLength = text.size();
    // The current text is `done` followed by the unread input from `in`. Searching again from
    // the start would be quadratic; before `checkFrom` no occurrence can begin, since that
    // part is unchanged since the last search, so each search starts there.
    QString done;
    done.reserve(text.size());
    qsizetype in = 0;
    qsizetype checkFrom = 0;
    auto charAt = [&](qsizetype at) {
        return at < done.size() ? done.at(at) : text.at(in + at - done.size());
    };
    for (;;) {
        const qsizetype currentSize = done.size() + text.size() - in;
        qsizetype found = -1;
        for (qsizetype s = checkFrom; s < done.size() && s + m <= currentSize && found < 0; ++s) {
            qsizetype k = 0;
            while (k < m && foldUnit(charAt(s + k).unicode(), anyCase) ==
                                foldUnit(pattern[k].unicode(), anyCase))
                ++k;
            if (k == m)
                found = s;
        }
        if (found < 0) {
            const qsizetype r = indexOfFolded(
                text, pattern, in + qMax<qsizetype>(0, checkFrom - done.size()), anyCase);
            if (r < 0)
                break;
            found = done.size() + r - in;
        }
        qsizetype close = -1;
        for (qsizetype at = found; at < done.size() && close < 0; ++at)
            if (done.at(at) == QLatin1Char('>'))
                close = at;
        if (close < 0) {
            const qsizetype r =
                text.indexOf(QLatin1Char('>'), in + qMax<qsizetype>(0, found - done.size()));
            if (r < 0)
                break;
            close = done.size() + r - in;
        }
        // Splice: current[0, found) + " " + current[close + 1, ...).
        if (close < done.size()) {
            const QString tail = done.mid(close + 1);
            done.truncate(found);
            done += QLatin1Char(' ');
            done += tail;
        } else {
            const qsizetype closeIn = in + close - done.size();
            if (found < done.size())
                done.truncate(found);
            else
                done += QStringView(text).mid(in, found - done.size());
            done += QLatin1Char(' ');
            in = closeIn + 1;
        }
        checkFrom = qMax<qsizetype>(0, found - m + 1);
        if (close >= originalLength - 1)
            break;
    }
    done += QStringView(text).mid(in);
    return done;
}

QString stripFormatting(const QString& element) {
    QString text = element;
    for (QStringView tag : fixedTags)
        text = replaceAllFolded(text, tag, {}, anyCase);
    for (const FormattingFamily& family : families) {
        if (indexOfFolded(text, family.opening, 0, anyCase) < 0)
            continue;
        text = replaceOpeningTags(text, family.opening);
        text = replaceAllFolded(text, family.closing, {}, anyCase);
    }
    return text;
}

int removeFormattingAtCaret(EditorBuffer& editor) {
    const int selStart = editor.selStart();
    const QString text = editor.text();
    // The line of the former selection start, before the edit can take line breaks out of an
    // opening tag in front of it and leave the offset pointing elsewhere.
    const int formerLine =
        int(QStringView(text).left(qBound(0, selStart, int(text.size()))).count(QLatin1Char('\n')));
    QString cleaned;
    EditedText edited{text, {}, {}};
    if (const std::optional<ElementRange> element = elementAtCaret(text, selStart)) {
        editor.select(element->start, element->start + element->length);
        const QStringView selected = QStringView(text).mid(element->start, element->length);
        if (!isBlankText(selected)) {
            cleaned = stripFormatting(selected.toString());
            // Only the element changes; writing it over the selection gives the same text as
            // writing the whole document back, as one undo step.
            editor.setSelText(cleaned);
            edited = {QStringView(text).left(element->start), cleaned,
                      QStringView(text).mid(element->start + element->length)};
        }
    }
    if (selStart < 1)
        return -1;
    const int line = qMin(formerLine + 3, edited.lineCount() - 1);
    editor.setSelStart(int(edited.lineStart(line)));
    return line;
}
