#include "features/frames_objects/frames_controller.h"

#include "features/frames_objects/frames_dialog.h"
#include "features/frames_objects/iframe_dialog.h"
#include "foundation/document/document.h"
#include "foundation/messages/prompter.h"
#include "widgets/feature_context.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

FramesController::FramesController(FeatureContext& context)
    : QObject(&context), m_context(context), m_frames(new TFormFrames(m_context.window())),
      m_iFrame(new TFormIFrame(m_context.window())) {
    m_frames->chooseSourceFile = [this] { return chooseSourceFile(); };
    m_iFrame->chooseSourceFile = [this] { return chooseSourceFile(); };

    // Both captions are English words in either language.
    QMenu* menu = m_context.menus().frames;
    QAction* frameset = menu->addAction(QStringLiteral("Frameset"));
    frameset->setObjectName(QStringLiteral("Frameset1"));
    connect(frameset, &QAction::triggered, this, [this] { Frameset1Click(); });
    QAction* iFrame = menu->addAction(QStringLiteral("iFrame"));
    iFrame->setObjectName(QStringLiteral("iFrame1"));
    connect(iFrame, &QAction::triggered, this, [this] { iFrame1Click(); });
}

void FramesController::Frameset1Click() {
    m_frames->Sprache = m_context.uiLanguage();
    if (m_frames->exec() == QDialog::Rejected || m_frames->FrameSeite.isEmpty())
        return;
    m_context.document().newWithPage(m_frames->FrameSeite);
}

void FramesController::iFrame1Click() {
    m_iFrame->Sprache = m_context.uiLanguage();
    if (m_iFrame->exec() == QDialog::Rejected)
        return;
    InsertIFrame(m_context.buffer(), m_iFrame->iFrameSource);
}

QString FramesController::chooseSourceFile() const {
    // Frame sources are names relative to the page, so the page's own folder is the start.
    const QString name = m_context.document().fileName();
    const QFileInfo file(name);
    const QString folder =
        !name.isEmpty() && file.isAbsolute() ? file.absolutePath() : QDir::homePath();
    return m_context.prompter().chooseOpenFile(folder, QString());
}
