#include "foundation/document/long_line_question.h"

#include "foundation/markup/long_line_breaks.h"
#include "foundation/messages/prompter.h"
#include "foundation/messages/ui_text.h"

namespace {

const UiText BreakLongLinesQuestion{
    "Dieses Dokument hat %1 Zeilen mit mehr als %2 Zeichen. Solche Zeilen zeigt der Editor nur "
    "sehr langsam an.\n\nSollen sie innerhalb von Tags umbrochen werden, wo ein Zeilenumbruch "
    "nichts an der Seite ändert? Die Datei selbst ändert sich erst, wenn Sie speichern.\n\n"
    "Ja: umbrechen (%3 Zeilenumbrüche)\nNein: so öffnen, wie sie ist (langsam)",
    "This document has %1 lines longer than %2 characters, which the editor shows only very "
    "slowly.\n\nBreak them inside tags, where a line break changes nothing about the page? "
    "The file itself changes only when you save.\n\nYes: break them (%3 line breaks)\n"
    "No: open it as it is (slow)"};
const UiText BreakOneLongLineQuestion{
    "Dieses Dokument hat eine Zeile mit mehr als %1 Zeichen. Eine solche Zeile zeigt der Editor "
    "nur sehr langsam an.\n\nSoll sie innerhalb von Tags umbrochen werden, wo ein Zeilenumbruch "
    "nichts an der Seite ändert? Die Datei selbst ändert sich erst, wenn Sie speichern.\n\n"
    "Ja: umbrechen (%2 Zeilenumbrüche)\nNein: so öffnen, wie sie ist (langsam)",
    "This document has a line longer than %1 characters, which the editor shows only very "
    "slowly.\n\nBreak it inside tags, where a line break changes nothing about the page? "
    "The file itself changes only when you save.\n\nYes: break it (%2 line breaks)\n"
    "No: open it as it is (slow)"};
const UiText LongLinesBroken{
    "%1 lange Zeilen beim Öffnen innerhalb von Tags umbrochen (%2 Zeilenumbrüche); das Dokument "
    "gilt als geändert",
    "%1 long lines broken inside tags on opening (%2 line breaks); the document counts as "
    "changed"};
const UiText OneLongLineBroken{
    "Eine lange Zeile beim Öffnen innerhalb von Tags umbrochen (%1 Zeilenumbrüche); das "
    "Dokument gilt als geändert",
    "One long line broken inside tags on opening (%1 line breaks); the document counts as "
    "changed"};
const UiText LongLinesKept{
    "Das Dokument hat Zeilen mit mehr als %1 Zeichen; der Editor reagiert darin langsam",
    "The document has lines longer than %1 characters; the editor is slow in them"};

} // namespace

bool askToBreakLongLines(Prompter& prompter, UiLanguage language, const LongLineBreaking& breaking,
                         qsizetype limit) {
    const qsizetype breaks = qsizetype(breaking.insertedAt.size());
    const QString question =
        breaking.linesBroken == 1
            ? BreakOneLongLineQuestion.in(language).arg(limit).arg(breaks)
            : BreakLongLinesQuestion.in(language).arg(breaking.linesBroken).arg(limit).arg(breaks);
    return prompter.askYesNo(question) == Prompter::Answer::Yes;
}

QString longLinesBrokenNote(UiLanguage language, const LongLineBreaking& breaking) {
    const qsizetype breaks = qsizetype(breaking.insertedAt.size());
    return breaking.linesBroken == 1
               ? OneLongLineBroken.in(language).arg(breaks)
               : LongLinesBroken.in(language).arg(breaking.linesBroken).arg(breaks);
}

QString longLinesKeptNote(UiLanguage language, qsizetype limit) {
    return LongLinesKept.in(language).arg(limit);
}
