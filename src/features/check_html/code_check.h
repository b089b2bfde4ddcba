#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>

#include <functional>

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
    // What else changed.
    int quotedAttributes = 0;
    int loweredTags = 0;
    int closedEmptyElements = 0;
    int flaggedTags = 0;
};

// The text part of the check: correctMarkup, the empty elements of the eleven kinds removed,
// the tags the balance check disabled for div, span, table, tr and td marked for the user,
// and the text trimmed. Script and style blocks, comments and quoted attribute values come out
// as they were.
CodeCheckOutcome checkHtmlText(const QString& text, const MessageTable& messages,
                               const std::function<void()>& stepDone = {});
// How often checkHtmlText calls stepDone.
int checkHtmlTextSteps();

// Told how many of the command's steps are done, so that a window can show progress.
using CodeCheckProgress = std::function<void(int done, int total)>;

// The note about removed empty elements; these two texts are not in the message table.
QString emptyTagsNote(UiLanguage uiLanguage);

// The text of the closing report: the message line, the balance check's lines, the note about
// empty elements, then a line for each kind of change that happened.
QString codeCheckReport(const CodeCheckOutcome& outcome, const MessageTable& messages,
                        UiLanguage uiLanguage);

// The command's work on the editor: the whole text rewritten as one edit, then the generator
// element stamped. The outcome's text is left empty: the editor holds it.
CodeCheckOutcome runCodeCheck(EditorBuffer& editor, const MessageTable& messages,
                              const CodeCheckProgress& progress = {});
// Its end: the report in an information box, and the document marked modified even when
// nothing had to change.
void finishCodeCheck(const CommandContext& context, const CodeCheckOutcome& outcome,
                     UiLanguage uiLanguage);

// The command "Prüfe HTML" / "Check HTML": both of the above.
void checkHtml(const CommandContext& context, UiLanguage uiLanguage);
