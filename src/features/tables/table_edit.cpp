#include "features/tables/table_edit.h"

#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/markup/blank_selection.h"
#include "foundation/messages/messages.h"
#include "foundation/messages/prompter.h"
#include "foundation/text/text_search.h"

namespace {

constexpr int DeleteQuestion = 29;

bool startsAndEndsWith(const QString& text, const QString& head, const QString& tail) {
    return matchesIgnoreAsciiCaseAt(text, 0, head) &&
           matchesIgnoreAsciiCaseAt(text, text.size() - tail.size(), tail);
}

} // namespace

QString newCellMarkup() {
    return QStringLiteral("<td align=\"left\" valign=\"top\">&nbsp;</td>");
}

QString newRowMarkup() {
    return QStringLiteral("<tr>") + newCellMarkup() + QStringLiteral("</tr>");
}

InsTrTexts insTrTexts(UiLanguage uiLanguage) {
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

void PlaceInsertPoint(const CommandContext& context, bool After, bool IsCell) {
    EditorBuffer& editor = context.editor;
    const ElementTags& tags = IsCell ? cellTags() : rowTags();
    if (!startsAndEndsWith(editor.selText(), tags.openTag, tags.closeTag))
        SelectEnclosingElement(context, tags);
    const int start = editor.selStart();
    const int end = start + editor.selLength();
    editor.setSelStart(After ? end : start);
}

void InsertRowOrCell(const CommandContext& context, bool IsCell) {
    EditorBuffer& editor = context.editor;
    dropBlankSelection(editor);
    const Prompter::Placement placement =
        context.prompter.choosePlacement(insTrTexts(context.messages.language()).label);
    if (placement == Prompter::Placement::Cancel)
        return;
    PlaceInsertPoint(context, placement == Prompter::Placement::Behind, IsCell);
    const int at = editor.selStart();
    editor.setSelText(IsCell ? newCellMarkup() : newRowMarkup());
    editor.setSelStart(at);
    editor.setSelLength(1);
}

SelectionKind DeleteEnclosingElement(const CommandContext& context, const ElementTags& tags) {
    const SelectionKind selected = SelectEnclosingElement(context, tags);
    if (selected == SelectionKind::None || selected != selectionKindOf(tags.openTag))
        return selected;
    if (context.prompter.askYesNo(context.messages.message(DeleteQuestion)) ==
        Prompter::Answer::Yes)
        context.editor.setSelText(QString());
    return selected;
}
