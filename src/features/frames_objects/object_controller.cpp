#include "features/frames_objects/object_controller.h"

#include "features/frames_objects/object_dialog.h"
#include "widgets/feature_context.h"

#include <QAction>
#include <QMenu>

ObjectController::ObjectController(FeatureContext& context)
    : QObject(&context), m_context(context), m_dialog(new TFormObject(m_context.window())) {
    // The caption is the same English word in either language.
    QAction* object = m_context.menus().html->addAction(QStringLiteral("Object..."));
    object->setObjectName(QStringLiteral("Object1"));
    connect(object, &QAction::triggered, this, [this] { Object1Click(); });
}

void ObjectController::Object1Click() {
    m_dialog->Sprache = m_context.uiLanguage();
    m_dialog->exec();
    InsertObject(m_context.buffer(), m_dialog->ObjectTag);
}
