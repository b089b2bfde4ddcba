#pragma once

#include <QString>

struct CommandContext;

// Joins all lines: every CR LF outside script and style blocks goes (a word at the end of a
// line and one at the start of the next become one word), blank runs are halved six times.
QString removeLineFeeds(const QString& text);

// Puts a CR LF behind every ">" outside script and style blocks, so every tag ends a line;
// a protected block ends a line too.
QString insertLineFeeds(const QString& text);

// The edit menu's commands: each rewrites the editor's whole text as one undo step.
void removeLineFeedsCommand(const CommandContext& context);
void insertLineFeedsCommand(const CommandContext& context);
