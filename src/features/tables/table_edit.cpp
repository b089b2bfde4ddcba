#include "features/tables/table_edit.h"

#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/markup/blank_selection.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/text/text_search.h"

namespace {

constexpr int DeleteQuestion = 29;

bool startsAndEndsWith(const QString& text, const QString& head, const QString& tail) {
    return matchesIgnoreAsciiCaseAt(text, 0, head) &&
           matchesIgnoreAsciiCaseAt(text, text.size() - tail.size(), tail);
}

void insertElement(const CommandContext& context, const ElementTags& tags, const QString& markup) {
    EditorBuffer& editor = context.editor;
    dropBlankSelection(editor);
    const Prompter::Placement placement =
        context.prompter.choosePlacement(placementTexts(context.messages.language()).label);
    if (placement == Prompter::Placement::Cancel)
        return;
    placeInsertPoint(context, placement, tags);
    const int at = editor.selStart();
    editor.setSelText(markup);
    editor.setSelStart(at);
    editor.setSelLength(1);
}

} // namespace

QString newCellMarkup() {
    return QStringLiteral("<td align=\"left\" valign=\"top\">&nbsp;</td>");
}

QString newRowMarkup() {
    return QStringLiteral("<tr>") + newCellMarkup() + QStringLiteral("</tr>");
}

PlacementTexts placementTexts(UiLanguage uiLanguage) {
    if (uiLanguage == UiLanguage::German)
        return {QStringLiteral("TR/TD"),
                QStringLiteral("TR/TD einfügen..."),
                QStringLiteral("Vor akt. Position"),
                QStringLiteral("Nach akt. Position"),
                QStringLiteral("Ende Tabelle"),
                QStringLiteral("Abbrechen")};
    return {QStringLiteral("TR/TD"),
            QStringLiteral("Insert TR/TD ..."),
            QStringLiteral("Before current position"),
            QStringLiteral("Behind current position"),
            QStringLiteral("End of table"),
            QStringLiteral("Cancel")};
}

void placeInsertPoint(const CommandContext& context, Prompter::Placement placement,
                      const ElementTags& tags) {
    EditorBuffer& editor = context.editor;
    if (!startsAndEndsWith(editor.selText(), tags.openTag, tags.closeTag))
        selectEnclosingElement(context, tags);
    const int start = editor.selStart();
    const int end = start + editor.selLength();
    editor.setSelStart(placement == Prompter::Placement::Behind ? end : start);
}

void insertRow(const CommandContext& context) {
    insertElement(context, rowTags(), newRowMarkup());
}

void insertCell(const CommandContext& context) {
    insertElement(context, cellTags(), newCellMarkup());
}

SelectionKind deleteEnclosingElement(const CommandContext& context, const ElementTags& tags) {
    const SelectionKind selected = selectEnclosingElement(context, tags);
    if (selected == SelectionKind::None || selected != selectionKindOf(tags.openTag))
        return selected;
    if (context.prompter.askYesNo(context.messages.message(DeleteQuestion)) ==
        Prompter::Answer::Yes)
        context.editor.setSelText(QString());
    return selected;
}
