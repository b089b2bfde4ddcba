#include "widgets/work_progress.h"

#include "widgets/feature_context.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>
#include <Qsci/qsciscintilla.h>

#include <exception>

WorkProgress::WorkProgress(const FeatureContext& context)
    : m_exceptionsAtStart(std::uncaught_exceptions()) {
    auto* window = qobject_cast<QMainWindow*>(context.window());
    const QsciScintilla* editor = context.editor();
    if (!window || !editor ||
        editor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH) < BarFromBytes)
        return;
    m_bar = new QProgressBar(window->statusBar());
    m_bar->setObjectName(QStringLiteral("workProgressBar"));
    // The command runs in one go on this thread, so the bar can only say that work goes on.
    m_bar->setRange(0, 0);
    m_bar->setMaximumWidth(160);
    // A new command ends the note of the last one. Adding the bar while a note shows would
    // also bring the panels back under it: the status bar lays them out anew and shows them.
    window->statusBar()->clearMessage();
    window->statusBar()->addPermanentWidget(m_bar);
    m_bar->show();
    // Painted now, before the command takes the thread; input waits until it is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

WorkProgress::~WorkProgress() {
    // The control lays out the lines it shows at its next paint, which after a rewrite into
    // long lines takes longer than the command itself: painted here, the result is on screen
    // before the wait cursor and the bar go.
    if (m_bar && std::uncaught_exceptions() == m_exceptionsAtStart)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    delete m_bar.data();
}
