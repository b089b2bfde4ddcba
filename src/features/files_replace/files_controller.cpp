#include "features/files_replace/files_controller.h"

#include "features/files_replace/files_dialog.h"
#include "foundation/document/document.h"
#include "foundation/text/text_rules.h"
#include "widgets/feature_context.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace {

// After the single-document search commands when they are there, else ahead of the text
// transformations that close the menu.
QAction* placeBefore(QMenu* menu) {
    const QList<QAction*> items = menu->actions();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i]->objectName() == QLatin1String("replaceItem"))
            return i + 1 < items.size() ? items[i + 1] : nullptr;
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i]->objectName() == QLatin1String("removeLineFeedsItem"))
            return i > 0 && items[i - 1]->isSeparator() ? items[i - 1] : items[i];
    }
    return nullptr;
}

} // namespace

FilesController::FilesController(FeatureContext& context)
    : QObject(&context), m_context(context), m_dialog(new TFormFiles(context)) {
    QMenu* menu = m_context.menus().edit;
    m_item = new QAction(QStringLiteral("Multi Suchen/Ersetzen..."), menu);
    m_item->setObjectName(QStringLiteral("MultiReplace1"));
    m_context.captionFromMessage(m_item, 150);
    m_item->setShortcut(QKeySequence(QStringLiteral("Ctrl+M")));
    menu->insertAction(placeBefore(menu), m_item);
    connect(m_item, &QAction::triggered, this, &FilesController::MultiReplace1Click);
    connect(&m_context, &FeatureContext::languageChanged, this, [this] {
        m_dialog->Sprache = m_context.uiLanguage();
        m_dialog->applyTexts();
    });
}

void FilesController::MultiReplace1Click() {
    const QString fileName = m_context.document().fileName();
    if (!fileName.isEmpty() && asciiLower(fileName) != QLatin1String("untitled"))
        m_dialog->CurDir = QFileInfo(fileName).absolutePath();
    m_dialog->Sprache = m_context.uiLanguage();
    if (m_dialog->isVisible()) {
        m_dialog->applyTexts();
    } else {
        m_dialog->show();
    }
    m_dialog->raise();
    m_dialog->activateWindow();
}
