#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>

class Prompter;
struct LongLineBreaking;

// Opening a page whose lines are too long for the window to show quickly: whether the person
// wants them broken where the markup allows (the default answer), and what the status bar says
// afterwards.
bool askToBreakLongLines(Prompter& prompter, UiLanguage language, const LongLineBreaking& breaking,
                         qsizetype limit);
QString longLinesBrokenNote(UiLanguage language, const LongLineBreaking& breaking);
// The page kept its long lines: either nowhere to break them, or the person declined.
QString longLinesKeptNote(UiLanguage language, qsizetype limit);
