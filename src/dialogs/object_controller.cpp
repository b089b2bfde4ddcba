#include "dialogs/object_controller.h"

#include "app/main_actions.h"
#include "app/main_window.h"
#include "dialogs/object_dialog.h"

#include <QAction>
#include <QMenu>

ObjectController::ObjectController(TMainForm& window)
    : QObject(&window), m_window(window), m_dialog(new TFormObject(&window)) {
    // The caption is the same English word in either language.
    QAction* object = window.actions().htmlMenu->addAction(QStringLiteral("Object..."));
    object->setObjectName(QStringLiteral("Object1"));
    connect(object, &QAction::triggered, this, [this] { Object1Click(); });
}

void ObjectController::Object1Click() {
    m_dialog->Sprache = m_window.uiLanguage();
    m_dialog->exec();
    InsertObject(m_window.buffer(), m_dialog->ObjectTag);
}
