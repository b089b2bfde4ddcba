#include "features/frames_objects/object_actions.h"

#include "features/frames_objects/object_dialog.h"
#include "widgets/feature_context.h"

#include <QAction>
#include <QMenu>

namespace {

const UiText ObjectText{"Objekt...", "Object..."};

} // namespace

ObjectActions::ObjectActions(FeatureContext& context)
    : QObject(&context), m_context(context), m_dialog(new ObjectDialog(m_context.window())) {
    QAction* object = m_context.menus().html->addAction(QString());
    m_context.captionFromText(object, ObjectText);
    object->setObjectName(QStringLiteral("objectItem"));
    connect(object, &QAction::triggered, this, [this] { insertObject(); });
}

void ObjectActions::insertObject() {
    m_dialog->setLanguage(m_context.uiLanguage());
    m_dialog->exec();
    ::insertObject(m_context.buffer(), m_dialog->element());
}
