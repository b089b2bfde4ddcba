#include "dialogs/frames_controller.h"

#include "app/document.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "app/prompter.h"
#include "dialogs/frames_dialog.h"
#include "dialogs/iframe_dialog.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

FramesController::FramesController(TMainForm& window)
    : QObject(&window), m_window(window), m_frames(new TFormFrames(&window)),
      m_iFrame(new TFormIFrame(&window)) {
    m_frames->chooseSourceFile = [this] { return chooseSourceFile(); };
    m_iFrame->chooseSourceFile = [this] { return chooseSourceFile(); };

    // Both captions are English words in either language.
    QMenu* menu = window.actions().framesMenu;
    QAction* frameset = menu->addAction(QStringLiteral("Frameset"));
    frameset->setObjectName(QStringLiteral("Frameset1"));
    connect(frameset, &QAction::triggered, this, [this] { Frameset1Click(); });
    QAction* iFrame = menu->addAction(QStringLiteral("iFrame"));
    iFrame->setObjectName(QStringLiteral("iFrame1"));
    connect(iFrame, &QAction::triggered, this, [this] { iFrame1Click(); });
}

void FramesController::Frameset1Click() {
    m_frames->Sprache = m_window.uiLanguage();
    if (m_frames->exec() == QDialog::Rejected || m_frames->FrameSeite.isEmpty())
        return;
    m_window.document().FileNewWithPage(m_frames->FrameSeite);
}

void FramesController::iFrame1Click() {
    m_iFrame->Sprache = m_window.uiLanguage();
    if (m_iFrame->exec() == QDialog::Rejected)
        return;
    InsertIFrame(m_window.buffer(), m_iFrame->iFrameSource);
}

QString FramesController::chooseSourceFile() const {
    // Frame sources are names relative to the page, so the page's own folder is the start.
    const QString name = m_window.document().FFileName();
    const QFileInfo file(name);
    const QString folder =
        !name.isEmpty() && file.isAbsolute() ? file.absolutePath() : QDir::homePath();
    return m_window.prompter().chooseOpenFile(folder, QString());
}
