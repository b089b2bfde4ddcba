#pragma once

#include <QString>

// The selected lines as one JavaScript string expression: each line quoted, joined by "+"
// and CR LF, ";" after the last. Blanks and line breaks around the selection are dropped;
// backslashes and single quotes in a line are escaped. Empty for blank text.
QString javaScriptString(const QString& selected);
