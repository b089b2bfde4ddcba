#include "features/text_transforms/hyphenation.h"

#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/text/case_rules.h"

#include <array>

namespace {

constexpr qsizetype NearBefore = 4;
constexpr std::size_t NearLength = 10;
constexpr qsizetype WideBefore = 15;
constexpr std::size_t WideLength = 25;
constexpr int HyphensDeletedLine = 34;

// Positions are -1 when absent.
bool insideTagOrBraces(qsizetype lt, qsizetype gt, qsizetype ob, qsizetype cb) {
    return (gt >= 0 && lt >= 0 && gt < lt) || (cb >= 0 && ob >= 0 && cb < ob);
}

// The next index of one character from positions that only move forward, so that all
// look-ups over a text cost one scan of it.
class NextOccurrence {
public:
    NextOccurrence(QStringView text, QChar c) : m_text(text), m_char(c) {}

    qsizetype from(qsizetype index) {
        if (!m_searched || (m_at >= 0 && m_at < index)) {
            m_at = m_text.indexOf(m_char, index);
            m_searched = true;
        }
        return m_at;
    }

private:
    QStringView m_text;
    QChar m_char;
    qsizetype m_at = -1;
    bool m_searched = false;
};

bool isLowerAscii(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

} // namespace

bool isInsideTagOrBraces(QStringView text, qsizetype from) {
    return insideTagOrBraces(
        text.indexOf(QLatin1Char('<'), from), text.indexOf(QLatin1Char('>'), from),
        text.indexOf(QLatin1Char('{'), from), text.indexOf(QLatin1Char('}'), from));
}

bool isHyphenException(QStringView near, QStringView wide) {
    return near.contains(u"-to-") || near.contains(u"-of-") || near.contains(u"Know-how") ||
           near.contains(u"the-art") || wide.contains(u"www.");
}

HyphenRemoval removeHyphenation(const QString& text) {
    HyphenRemoval result;
    const qsizetype n = text.size();
    const qsizetype body = qMax<qsizetype>(indexOfIgnoringCase(text, u"<body"), 0);
    NextOccurrence lt(text, QLatin1Char('<'));
    NextOccurrence gt(text, QLatin1Char('>'));
    NextOccurrence ob(text, QLatin1Char('{'));
    NextOccurrence cb(text, QLatin1Char('}'));

    // The text as it stands while hyphen i is looked at: `out` (the part before `copied`
    // with its hyphens removed), then text from `copied` on.
    QString out;
    qsizetype copied = 0;
    std::array<QChar, NearLength> nearChars;
    std::array<QChar, WideLength> wideChars;

    for (qsizetype i = text.indexOf(QLatin1Char('-'), body); i >= 0;
         i = text.indexOf(QLatin1Char('-'), i + 1)) {
        if (i + 1 >= n || !isLowerAscii(text[i + 1]))
            continue;
        if (insideTagOrBraces(lt.from(i + 1), gt.from(i + 1), ob.from(i + 1), cb.from(i + 1)))
            continue;

        const qsizetype h = out.size() + (i - copied);
        const qsizetype liveLength = h + (n - i);
        auto liveAt = [&](qsizetype k) {
            if (k >= h)
                return text[i + (k - h)];
            return k < out.size() ? out[k] : text[copied + (k - out.size())];
        };
        // Near the start a stretch begins at the first character and keeps its length.
        auto stretch = [&](auto& chars, qsizetype before) {
            const qsizetype start = qMax<qsizetype>(h - before, 0);
            const qsizetype end = qMin(start + qsizetype(chars.size()), liveLength);
            for (qsizetype k = start; k < end; ++k)
                chars[k - start] = liveAt(k);
            return QStringView(chars.data(), end - start);
        };
        if (isHyphenException(stretch(nearChars, NearBefore), stretch(wideChars, WideBefore)))
            continue;

        if (copied == 0)
            out.reserve(n);
        out.append(QStringView(text).mid(copied, i - copied));
        copied = i + 1;
        ++result.count;
        result.lastRemoved = h;
    }
    if (result.count == 0) {
        result.text = text;
        return result;
    }
    out.append(QStringView(text).mid(copied));
    result.text = out;
    return result;
}

int removeHyphenationFromEditor(EditorBuffer& editor) {
    const HyphenRemoval removal = removeHyphenation(editor.text());
    if (removal.count > 0) {
        editor.setText(removal.text);
        editor.setSelStart(int(removal.lastRemoved));
    }
    return removal.count;
}

QString hyphenCountMessage(int count, const MessageTable& messages) {
    return QString::number(count) + messages.message(HyphensDeletedLine);
}

void removeHyphenationCommand(const CommandContext& context) {
    const int count = removeHyphenationFromEditor(context.editor);
    context.prompter.message(hyphenCountMessage(count, context.messages));
}
