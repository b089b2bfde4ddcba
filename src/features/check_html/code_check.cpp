#include "features/check_html/code_check.h"

#include "features/check_html/correct_markup.h"
#include "features/check_html/empty_elements.h"
#include "features/check_html/markup_scan.h"
#include "features/check_html/markup_text.h"
#include "features/check_html/tag_balance.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/markup/doctype.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"

namespace {

constexpr int CodeCheckFinishedLine = 32;

struct ElementKind {
    QStringView open;
    QStringView close;
};

// Removed when empty, in this order.
constexpr ElementKind EmptiedKinds[] = {
    {u"<font", u"</font>"}, {u"<blockquote", u"</blockquote>"},
    {u"<span", u"</span>"}, {u"<strike", u"</strike>"},
    {u"<a href", u"</a>"},  {u"<h1", u"</h1>"},
    {u"<h2", u"</h2>"},     {u"<h3", u"</h3>"},
    {u"<h4", u"</h4>"},     {u"<h5", u"</h5>"},
    {u"<h6", u"</h6>"},
};

} // namespace

CodeCheckOutcome checkHtmlText(const QString& text, const MessageTable& messages) {
    CodeCheckOutcome outcome;
    MarkupText markup = correctMarkupText(text, messages, outcome.report);
    for (const ElementKind& kind : EmptiedKinds)
        outcome.emptyCount += removeEmptyElements(markup, kind.open, kind.close);
    flagDisabledBlockTags(markup);
    outcome.text = markup.takeText();
    // In place: no copy of a large text for a few blanks.
    const QStringView trimmed = trimBlank(outcome.text);
    const qsizetype leading = trimmed.data() - outcome.text.constData();
    outcome.text.truncate(leading + trimmed.size());
    outcome.text.remove(0, leading);
    return outcome;
}

QString emptyTagsNote(UiLanguage uiLanguage) {
    return uiLanguage == UiLanguage::English ? QStringLiteral("Blank tags removed.")
                                             : QStringLiteral("Leere Tags entfernt.");
}

QString codeCheckReport(const CodeCheckOutcome& outcome, const MessageTable& messages,
                        UiLanguage uiLanguage) {
    QString report =
        messages.message(CodeCheckFinishedLine) + QStringLiteral("\r\n") + outcome.report;
    if (outcome.emptyCount > 0)
        report += QStringLiteral("\r\n") + emptyTagsNote(uiLanguage);
    return report;
}

CodeCheckOutcome runCodeCheck(EditorBuffer& editor, const MessageTable& messages) {
    CodeCheckOutcome outcome = checkHtmlText(editor.text(), messages);
    editor.setText(outcome.text);
    stampGeneratorElement(editor);
    return outcome;
}

void finishCodeCheck(const CommandContext& context, const CodeCheckOutcome& outcome,
                     UiLanguage uiLanguage) {
    context.prompter.information(codeCheckReport(outcome, context.messages, uiLanguage));
    context.editor.setModified(true);
}

void checkHtml(const CommandContext& context, UiLanguage uiLanguage) {
    finishCodeCheck(context, runCodeCheck(context.editor, context.messages), uiLanguage);
}
