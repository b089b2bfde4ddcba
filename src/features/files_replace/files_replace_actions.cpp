#include "features/files_replace/files_replace_actions.h"

#include "features/files_replace/files_replace_dialog.h"
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

FilesReplaceActions::FilesReplaceActions(FeatureContext& context)
    : QObject(&context), m_context(context), m_dialog(new FilesReplaceDialog(context)) {
    QMenu* menu = m_context.menus().edit;
    m_item = new QAction(QStringLiteral("Multi Suchen/Ersetzen..."), menu);
    m_item->setObjectName(QStringLiteral("filesReplaceItem"));
    m_context.captionFromMessage(m_item, 150);
    m_item->setShortcut(QKeySequence(QStringLiteral("Ctrl+M")));
    menu->insertAction(placeBefore(menu), m_item);
    connect(m_item, &QAction::triggered, this, &FilesReplaceActions::showFilesReplaceDialog);
    connect(&m_context, &FeatureContext::languageChanged, this,
            [this] { m_dialog->setLanguage(m_context.uiLanguage()); });
}

void FilesReplaceActions::showFilesReplaceDialog() {
    const QString fileName = m_context.document().fileName();
    if (!fileName.isEmpty() && asciiLower(fileName) != QLatin1String("untitled"))
        m_dialog->setStartFolder(QFileInfo(fileName).absolutePath());
    m_dialog->setLanguage(m_context.uiLanguage());
    if (!m_dialog->isVisible())
        m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}
