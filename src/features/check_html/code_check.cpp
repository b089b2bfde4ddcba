#include "features/check_html/code_check.h"

#include "features/check_html/correct_markup.h"
#include "features/check_html/empty_elements.h"
#include "features/check_html/markup_scan.h"
#include "features/check_html/markup_text.h"
#include "features/check_html/protected_texts.h"
#include "features/check_html/tag_balance.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/markup/doctype.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/messages/ui_text.h"

#include <utility>

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

const UiText QuotedAttributesLine{"Attributwerte in Anführungszeichen gesetzt: %1",
                                  "Attribute values quoted: %1"};
const UiText LoweredTagsLine{"Tags in Kleinbuchstaben geschrieben: %1", "Tags lower-cased: %1"};
const UiText ClosedEmptyLine{"Leere Elemente in XHTML-Form geschlossen: %1",
                             "Empty elements closed in XHTML form: %1"};
const UiText RemovedEmptyLine{"Leere Elemente entfernt: %1", "Empty elements removed: %1"};
const UiText FlaggedTagsLine{"Tags mit <!CheckThis> markiert: %1",
                             "Tags flagged with <!CheckThis>: %1"};

} // namespace

CodeCheckOutcome checkHtmlText(const QString& text, const MessageTable& messages,
                               const std::function<void()>& stepDone) {
    auto done = [&stepDone] {
        if (stepDone)
            stepDone();
    };
    CodeCheckOutcome outcome;
    ProtectedTexts protectedTexts;
    QString masked = protectedTexts.mask(text);
    done();
    MarkupChanges changes;
    MarkupText markup =
        correctMaskedMarkup(std::move(masked), messages, outcome.report, &changes, stepDone);
    outcome.quotedAttributes = changes.quotedAttributes;
    outcome.loweredTags = changes.loweredTags;
    outcome.closedEmptyElements = changes.closedEmptyElements;
    for (const ElementKind& kind : EmptiedKinds)
        outcome.emptyCount += removeEmptyElements(markup, kind.open, kind.close);
    outcome.flaggedTags = flagDisabledBlockTags(markup, &protectedTexts);
    done();
    // Placeholders never begin or end with a blank, so trimming before restoring is the same.
    masked = markup.takeText();
    outcome.text = protectedTexts.restore(trimBlank(masked));
    done();
    return outcome;
}

int checkHtmlTextSteps() {
    return CorrectMarkupSteps + 3;
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
    const std::pair<const UiText&, int> changes[] = {
        {QuotedAttributesLine, outcome.quotedAttributes}, {LoweredTagsLine, outcome.loweredTags},
        {ClosedEmptyLine, outcome.closedEmptyElements},   {RemovedEmptyLine, outcome.emptyCount},
        {FlaggedTagsLine, outcome.flaggedTags},
    };
    for (const auto& [line, count] : changes)
        if (count > 0)
            report += QStringLiteral("\r\n") + line.in(uiLanguage).arg(count);
    return report;
}

CodeCheckOutcome runCodeCheck(EditorBuffer& editor, const MessageTable& messages,
                              const CodeCheckProgress& progress) {
    // Writing the text into the editor and the generator element are steps too: in a window
    // they take a while.
    const int total = checkHtmlTextSteps() + 2;
    int steps = 0;
    auto done = [&] {
        if (progress)
            progress(++steps, total);
    };
    CodeCheckOutcome outcome = checkHtmlText(editor.text(), messages, done);
    // The editor keeps the text; a second copy here would only add to the peak memory.
    editor.setText(std::exchange(outcome.text, QString()));
    done();
    stampGeneratorElement(editor);
    done();
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
