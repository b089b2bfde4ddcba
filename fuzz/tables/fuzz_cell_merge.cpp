// Merge and split on random selections of random table markup: never crashes, never reads
// outside the text, and a merge changes only its selection, or nothing at all when it fails.

#include "features/tables/cell_merge.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"
#include "fuzz_input.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// Bytes with the high bit set stand for pieces of cell markup; the others are characters.
QString textFrom(const uint8_t* data, size_t size) {
    static const char16_t* const pieces[] = {
        u"<td>",     u"</td>",       u"<TD ",        u"<tr>", u"</tr>", u"<TR>",
        u"<table",   u" colspan=\"", u"colspan=",    u"\"",   u"2",     u"12",
        u"\r\n",     u"\t",          u"  ",          u">",    u"<",     u"&nbsp;",
        u"COLSPAN=", u"rowspan=",    u"99999999999", u"<td",  u"</TD>", u"'"};
    return textFromPieces(data, size, pieces);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    const QString built = textFrom(data + 4, size - 4);
    const qsizetype n = built.size();

    // The pure functions read an exactly sized copy: a read past the end is caught.
    std::unique_ptr<char16_t[]> exact(new char16_t[size_t(qMax<qsizetype>(n, 1))]);
    std::copy(built.utf16(), built.utf16() + n, exact.get());
    const QString raw = QString::fromRawData(reinterpret_cast<const QChar*>(exact.get()), n);

    const MergeOutcome merged = mergeCellRange(raw);
    check(merged.spanCount >= 1);
    check(merged.messageLine == 0 || merged.html.isEmpty());
    check(merged.html.size() <= n);
    const int span = int(data[0] % 14) - 3;
    const bool colspan = data[0] & 0x80;
    const QString spanned =
        setCellSpan(raw, colspan ? SpanAttribute::Colspan : SpanAttribute::Rowspan, span);
    check(spanned.size() <= n + 32);
    if (span <= 1 && !raw.contains(QLatin1String(colspan ? "colspan=" : "rowspan=")))
        check(spanned == raw);

    // The commands on the editor, with the selection from the next two bytes.
    MemoryBuffer editor(built);
    const QString text = editor.text();
    const int length = int(text.size());
    const int anchor = length ? data[1] % (length + 1) : 0;
    const int caret = length ? data[2] % (length + 1) : 0;
    editor.select(anchor, caret);
    MessageTable messages;
    ScriptedPrompter prompter;
    const int start = editor.selStart();
    const int end = start + editor.selLength();
    mergeSelectedCells(CommandContext{editor, prompter, messages});
    const QString after = editor.text();
    if (!prompter.messages().isEmpty() || after == text) {
        check(after == text);
        if (!prompter.messages().isEmpty())
            check(editor.selStart() == start && editor.selStart() + editor.selLength() == end);
    } else {
        check(start > 0);
        check(after.left(start) == text.left(start));
        check(after.mid(after.size() - (length - end)) == text.mid(end));
    }

    editor.select(anchor, caret);
    ScriptedPrompter answers({data[3] % 3 == 0   ? QStringLiteral("before")
                              : data[3] % 3 == 1 ? QStringLiteral("behind")
                                                 : QStringLiteral("cancel")});
    splitSelectedCell(CommandContext{editor, answers, messages});
    check(editor.selStart() >= 0 && editor.selStart() + editor.selLength() <= editor.text().size());
    return 0;
}
