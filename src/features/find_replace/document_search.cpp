#include "features/find_replace/document_search.h"

#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/text/case_rules.h"
#include "foundation/text/text_rules.h"
#include "foundation/text/text_search.h"

#include <array>

namespace {

// Offset 1 is where a new search leaves the caret; inside a character pair (CR LF, or the two
// halves of a character beyond the basic plane) the caret would split it, so it stays before.
void caretToOffsetOne(EditorBuffer& editor) {
    editor.select(0, 2);
    const QString head = editor.selText();
    const bool pair = head.size() == 2 && ((head[0] == u'\r' && head[1] == u'\n') ||
                                           (head[0].isHighSurrogate() && head[1].isLowSurrogate()));
    editor.setSelStart(pair ? 0 : qMin(1, int(head.size())));
}

} // namespace

void DocumentSearch::beginFind(EditorBuffer& editor) {
    caretToOffsetOne(editor);
}

void DocumentSearch::beginReplace(EditorBuffer& editor) {
    // Opening the dialog changes nothing, so the document is not marked modified here: the
    // replacements mark it themselves.
    caretToOffsetOne(editor);
}

int DocumentSearch::startAfterSelection(const EditorBuffer& editor) {
    return editor.selLength() > 0 ? editor.selStart() + editor.selLength() + 1 : 1;
}

int DocumentSearch::findAndSelect(EditorBuffer& editor, const QString& text, int start,
                                  bool wholeWord, bool matchCase) {
    const QString whole = editor.text();
    const int d = findInText(whole, text, start, int(whole.size()), wholeWord, matchCase);
    if (d < 1)
        return 0;
    editor.setSelStart(int(indexOfPosition(d)));
    editor.setSelLength(int(text.size()));
    return d;
}

SearchOutcome DocumentSearch::find(const CommandContext& context, const FindFields& fields) {
    m_last.text = fields.text;
    m_last.matchCase = fields.matchCase;
    m_last.wholeWord = fields.wholeWord;
    const int d = findAndSelect(context.editor, fields.text, startAfterSelection(context.editor),
                                fields.wholeWord, fields.matchCase);
    if (d < 1) {
        context.prompter.message(context.messages.message(NotFoundLine));
        caretToOffsetOne(context.editor);
        return SearchOutcome::NotFound;
    }
    m_last.nextStart = d + int(fields.text.size());
    return SearchOutcome::Found;
}

SearchOutcome DocumentSearch::findNext(const CommandContext& context) {
    if (isBlankText(m_last.text) || context.editor.isEmpty())
        return SearchOutcome::Skipped;
    const QString whole = context.editor.text();
    const int start =
        m_last.nextStart >= 1 && m_last.nextStart <= whole.size() ? m_last.nextStart : 1;
    const int d = findInText(whole, m_last.text, start, int(whole.size()), m_last.wholeWord,
                             m_last.matchCase);
    if (d < 1) {
        m_last.nextStart = 1;
        context.prompter.message(context.messages.message(NotFoundLine));
        return SearchOutcome::NotFound;
    }
    context.editor.setSelStart(int(indexOfPosition(d)));
    context.editor.setSelLength(int(m_last.text.size()));
    m_last.nextStart = d + int(m_last.text.size());
    return SearchOutcome::Found;
}

SearchOutcome DocumentSearch::findForReplace(const CommandContext& context,
                                             const ReplaceFields& fields) {
    m_last.matchCase = fields.matchCase;
    m_last.wholeWord = false;
    const int d = findAndSelect(context.editor, fields.findText,
                                startAfterSelection(context.editor), false, fields.matchCase);
    if (d < 1) {
        context.prompter.information(context.messages.message(NotFoundLine));
        caretToOffsetOne(context.editor);
        return SearchOutcome::NotFound;
    }
    return SearchOutcome::Found;
}

bool DocumentSearch::replaceSelection(EditorBuffer& editor, const ReplaceFields& fields) {
    if (editor.selLength() <= 0)
        return false;
    editor.setSelText(fields.replaceText);
    return true;
}

qsizetype DocumentSearch::replaceAll(EditorBuffer& editor, const ReplaceFields& fields) {
    if (fields.findText.isEmpty())
        return 0;
    const CaseRule rule = fields.matchCase ? CaseRule::Exact : CaseRule::Full;
    const QString whole = editor.text();
    qsizetype count = 0;
    for (qsizetype at = indexOfFolded(whole, fields.findText, 0, rule); at >= 0;
         at = indexOfFolded(whole, fields.findText, at + fields.findText.size(), rule))
        ++count;
    if (count == 0)
        return 0;
    // A new whole text drops the control's markers; the lines stay where they were, since
    // neither text of a dialog's single-line field holds a line break.
    std::array<int, EditorBuffer::BookmarkCount> marks;
    for (int n = 0; n < EditorBuffer::BookmarkCount; ++n)
        marks[n] = editor.bookmark(n);
    editor.setText(replaceAllFolded(whole, fields.findText, fields.replaceText, rule));
    for (int n = 0; n < EditorBuffer::BookmarkCount; ++n)
        if (marks[n] >= 0)
            editor.setBookmark(n, marks[n]);
    return count;
}
