#include "features/frames_objects/frames_actions.h"

#include "features/frames_objects/frameset_dialog.h"
#include "features/frames_objects/iframe_dialog.h"
#include "foundation/document/document.h"
#include "foundation/messages/prompter.h"
#include "widgets/feature_context.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

FramesActions::FramesActions(FeatureContext& context)
    : QObject(&context), m_context(context),
      m_framesetDialog(new FramesetDialog(m_context.window())),
      m_iFrameDialog(new IFrameDialog(m_context.window())) {
    m_framesetDialog->chooseSourceFile = [this] { return chooseSourceFile(); };
    m_iFrameDialog->chooseSourceFile = [this] { return chooseSourceFile(); };

    // Both captions are the elements' names in either language.
    QMenu* menu = m_context.menus().frames;
    QAction* frameset = menu->addAction(QStringLiteral("Frameset..."));
    frameset->setObjectName(QStringLiteral("framesetItem"));
    connect(frameset, &QAction::triggered, this, [this] { newFramesetPage(); });
    QAction* iFrame = menu->addAction(QStringLiteral("iFrame..."));
    iFrame->setObjectName(QStringLiteral("iFrameItem"));
    connect(iFrame, &QAction::triggered, this, [this] { insertIFrame(); });
}

void FramesActions::newFramesetPage() {
    m_framesetDialog->setLanguage(m_context.uiLanguage());
    if (m_framesetDialog->exec() == QDialog::Rejected || m_framesetDialog->page().isEmpty())
        return;
    m_context.document().newWithPage(m_framesetDialog->page());
}

void FramesActions::insertIFrame() {
    m_iFrameDialog->setLanguage(m_context.uiLanguage());
    if (m_iFrameDialog->exec() == QDialog::Rejected)
        return;
    ::insertIFrame(m_context.buffer(), m_iFrameDialog->element());
}

QString FramesActions::chooseSourceFile() const {
    // Frame sources are names relative to the page, so the page's own folder is the start.
    const QString name = m_context.document().fileName();
    const QFileInfo file(name);
    const QString folder =
        !name.isEmpty() && file.isAbsolute() ? file.absolutePath() : QDir::homePath();
    return m_context.prompter().chooseOpenFile(folder, QString());
}
