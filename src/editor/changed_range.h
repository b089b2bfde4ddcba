#pragma once

#include <QByteArrayView>

// The part of a UTF-8 text that a rewrite really changes: the old bytes [start, oldEnd) become
// the new bytes [start, newEnd). Both ends fall between characters and never between the CR and
// LF of a line break, so the control sees whole characters and whole line breaks.
struct ChangedRange {
    qsizetype start = 0;
    qsizetype oldEnd = 0;
    qsizetype newEnd = 0;

    bool isEmpty() const { return start == oldEnd && start == newEnd; }
};

// Linear in the common prefix and suffix, which is what makes undo and re-layout of a
// whole-document command cover only what it changed.
ChangedRange changedRange(QByteArrayView before, QByteArrayView after);
