#include "transform/files_controller.h"

#include "app/document.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "app/text_rules.h"
#include "transform/files_dialog.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace {

// After the single-document search commands when they are there, else ahead of the text
// transformations that close the menu.
QAction* placeBefore(QMenu* menu) {
    const QList<QAction*> items = menu->actions();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i]->objectName() == QLatin1String("Replace1"))
            return i + 1 < items.size() ? items[i + 1] : nullptr;
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i]->objectName() == QLatin1String("NoLineFeed1"))
            return i > 0 && items[i - 1]->isSeparator() ? items[i - 1] : items[i];
    }
    return nullptr;
}

} // namespace

FilesController::FilesController(TMainForm& window)
    : QObject(&window), m_window(window), m_dialog(new TFormFiles(window)) {
    QMenu* menu = window.actions().editMenu;
    m_item = new QAction(QStringLiteral("Multi Suchen/Ersetzen..."), menu);
    m_item->setObjectName(QStringLiteral("MultiReplace1"));
    m_item->setShortcut(QKeySequence(QStringLiteral("Ctrl+M")));
    menu->insertAction(placeBefore(menu), m_item);
    connect(m_item, &QAction::triggered, this, &FilesController::MultiReplace1Click);
    connect(&window, &TMainForm::languageApplied, this, [this] {
        m_dialog->Sprache = m_window.uiLanguage();
        m_dialog->applyTexts();
    });
}

void FilesController::MultiReplace1Click() {
    const QString fileName = m_window.document().FFileName();
    if (!fileName.isEmpty() && asciiLower(fileName) != QLatin1String("untitled"))
        m_dialog->CurDir = QFileInfo(fileName).absolutePath();
    m_dialog->Sprache = m_window.uiLanguage();
    if (m_dialog->isVisible()) {
        m_dialog->applyTexts();
    } else {
        m_dialog->show();
    }
    m_dialog->raise();
    m_dialog->activateWindow();
}
