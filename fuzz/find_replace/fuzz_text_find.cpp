// Find, find next and replace all on random text: selections always lie inside the text and
// hold what was searched, F3 never loops without end, and replace all gives exactly a plain
// left-to-right replacement.

#include "features/find_replace/document_search.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"
#include "fuzz_input.h"

#include <cstdint>

namespace {

QString textFrom(const uint8_t* data, size_t size) {
    static const char16_t* const pieces[] = {u"\r\n",   u"\u00C4", u"\u00E4", u"\U0001F600",
                                             u"\u00DF", u"ab",     u"AB",     u" "};
    return textFromPieces(data, size, pieces);
}

bool sameUnit(QChar a, QChar b, bool matchCase) {
    return matchCase ? a == b : QChar::toUpper(a.unicode()) == QChar::toUpper(b.unicode());
}

// Replace all as the words say, one position after the other.
QString plainReplace(const QString& text, const QString& find, const QString& by, bool matchCase) {
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        bool hit = i + find.size() <= text.size();
        for (qsizetype k = 0; hit && k < find.size(); ++k)
            hit = sameUnit(text[i + k], find[k], matchCase);
        if (hit) {
            out += by;
            i += find.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2 || size > 4096)
        return 0;
    const bool matchCase = data[0] & 1;
    const bool wholeWord = data[0] & 2;
    const size_t split = 2 + data[1] % 8;
    if (split > size)
        return 0;
    const QString pattern = textFrom(data + 2, split - 2);
    const QString text = textFrom(data + split, size - split);
    // The dialogs' fields hold a single line.
    if (pattern.contains(u'\r') || pattern.contains(u'\n'))
        return 0;

    MemoryBuffer buffer(text);
    const QString whole = buffer.text();
    ScriptedPrompter prompter;
    MessageTable messages;
    const CommandContext context{buffer, prompter, messages};
    DocumentSearch search;

    DocumentSearch::beginFind(buffer);
    check(buffer.selLength() == 0 && buffer.selStart() <= 1);
    SearchOutcome outcome = search.find(context, {pattern, matchCase, wholeWord});
    // F3 wraps; after as many steps as the text has places it must have come round.
    for (qsizetype step = 0; step <= whole.size() + 1; ++step) {
        if (outcome == SearchOutcome::Found) {
            check(buffer.selStart() >= 0 && buffer.selStart() + buffer.selLength() <= whole.size());
            check(buffer.selLength() == pattern.size());
            const QString found = buffer.selText();
            for (qsizetype k = 0; k < found.size(); ++k)
                check(matchCase ? found[k] == pattern[k]
                                : found[k].unicode() == pattern[k].unicode() ||
                                      (found[k].toLower() == pattern[k].toLower() &&
                                       found[k].unicode() < 0x80 && pattern[k].unicode() < 0x80));
        }
        outcome = search.findNext(context);
    }

    const QString by = pattern.left(1) + pattern;
    DocumentSearch::replaceAll(buffer, {pattern, by, matchCase});
    if (!pattern.isEmpty())
        check(buffer.text() == plainReplace(whole, pattern, by, matchCase));
    return 0;
}
