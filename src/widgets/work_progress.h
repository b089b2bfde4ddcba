#pragma once

#include "widgets/busy_cursor.h"

#include <QPointer>

class FeatureContext;
class QProgressBar;

// What a whole-document command shows while it runs: the wait cursor always, and on a document
// large enough that the command takes more than a second, a progress bar in the status bar of
// the main window. Both go however the command ends.
class WorkProgress {
public:
    explicit WorkProgress(const FeatureContext& context);
    ~WorkProgress();
    WorkProgress(const WorkProgress&) = delete;
    WorkProgress& operator=(const WorkProgress&) = delete;

    // Documents from this many bytes on show the bar: the slowest whole-document commands
    // take about a second for this much on a slow machine.
    static constexpr long BarFromBytes = 4L * 1024 * 1024;

private:
    BusyCursor m_busy;
    QPointer<QProgressBar> m_bar;
    // Exceptions in flight when the work began: the result is painted only when no new one is.
    const int m_exceptionsAtStart;
};
