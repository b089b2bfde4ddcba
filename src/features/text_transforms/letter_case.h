#pragma once

#include <QString>

struct CommandContext;

// Raises the letters a-z only; umlauts, "ß" and every other character stay.
QString asciiUpper(QString text);

// Replace the selection by itself with A-Z lowered (a-z raised); the caret ends after it as
// after any replaced selection. Nothing happens without a selection.
void upperToLowerCommand(const CommandContext& context);
void lowerToUpperCommand(const CommandContext& context);
