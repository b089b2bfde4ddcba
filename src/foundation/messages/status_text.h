#pragma once

#include <QSize>
#include <QString>

// Fills each "%3d" of the caret template in turn with a number right-aligned in three places.
QString formatCaretStatus(const QString& pattern, int line, int column);

// The main window's first size on a screen of the given size; current is the size it was
// built with.
QSize initialWindowSize(QSize screen, QSize current);

// The right-edge column for an editor this many pixels wide.
int rightEdgeColumn(int editorWidthPixels);
