#pragma once

#include <QString>

// Six passes that each turn every two adjacent blanks into one (left to right, no overlap):
// a run of up to 64 blanks ends as one, 65 to 128 as two.
QString halveBlankRuns(const QString& text);

// Deletes every CR, LF and TAB, then halves the blank runs; used to flatten table cells.
QString collapseWhitespace(const QString& text);

// Deletes every CR LF pair (lone CR or LF stay), then halves the blank runs.
QString joinLines(const QString& text);
