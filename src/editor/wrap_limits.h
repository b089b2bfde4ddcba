#pragma once

#include <QByteArrayView>

// The control lays out every line of a wrapped document after each load, and a line in one
// piece, so beyond these sizes a document opens with word wrap off until the next smaller one.
struct WrapLimits {
    // Wrapping takes about half a second per MiB on a slow machine.
    qsizetype documentBytes = 2 * 1024 * 1024;
    qsizetype lineBytes = 256 * 1024;

    // True when the UTF-8 text is larger than the document limit or holds a longer line than
    // the line limit.
    bool exceededBy(QByteArrayView text) const;
};

// Wrapped or not, the control lays out a whole line before it paints any part of it or places
// the caret in it, about half a microsecond per character; a screenful of lines this long
// still paints at once. Opening offers to break longer lines where a line is so long that
// laying it out alone takes a tenth of a second: a few lines between these lengths only slow
// the screen they are on a little, and asking about them on every such page would be noise.
constexpr qsizetype QuickLayoutLineLength = 4096;
constexpr qsizetype SlowLayoutLineLength = 256 * 1024;
