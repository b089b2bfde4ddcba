#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>

class EditorBuffer;
class MessageTable;
struct CommandContext;

// What the code check makes of a document's text, before the generator element goes in.
struct CodeCheckOutcome {
    QString text;
    // The balance check's report lines.
    QString report;
    // Empty elements removed.
    int emptyCount = 0;
};

// The text part of the check: correctMarkup, the empty elements of the eleven kinds removed,
// the tags the balance check disabled for div, span, table, tr and td marked for the user,
// and the text trimmed.
CodeCheckOutcome checkHtmlText(const QString& text, const MessageTable& messages);

// The note about removed empty elements; these two texts are not in the message table.
QString emptyTagsNote(UiLanguage uiLanguage);

// The text of the closing information box.
QString codeCheckReport(const CodeCheckOutcome& outcome, const MessageTable& messages,
                        UiLanguage uiLanguage);

// The command's work on the editor: the whole text rewritten as one edit, then the generator
// element stamped.
CodeCheckOutcome runCodeCheck(EditorBuffer& editor, const MessageTable& messages);
// Its end: the report in an information box, and the document marked modified even when
// nothing had to change.
void finishCodeCheck(const CommandContext& context, const CodeCheckOutcome& outcome,
                     UiLanguage uiLanguage);

// The command "Prüfe HTML" / "Check HTML": both of the above.
void checkHtml(const CommandContext& context, UiLanguage uiLanguage);
