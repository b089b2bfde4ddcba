#include "features/images/image_actions.h"

#include "features/images/image_dialog.h"
#include "features/images/image_markup.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

namespace {

const UiText ImageText{"Grafik...", "Image..."};

} // namespace

ImageActions::ImageActions(FeatureContext& context)
    : QObject(&context), m_context(context),
      m_dialog(new ImageDialog(m_context.prompter(), m_context.window())) {
    setObjectName(QStringLiteral("imageActions"));
    const QIcon icon = themedIcon(QStringLiteral("insert-image"));
    const FeatureMenus& menus = m_context.menus();

    QAction* item = menus.html->addAction(icon, QString());
    m_context.captionFromText(item, ImageText);
    item->setObjectName(QStringLiteral("imageItem"));
    item->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+M")));

    QAction* button = menus.insertBar->addAction(icon, QString());
    button->setObjectName(QStringLiteral("imageButton"));
    m_context.hintFromMessage(button, 97);

    for (QAction* action : {item, button})
        connect(action, &QAction::triggered, this, [this] { insertImage(); });
}

void ImageActions::insertImage() {
    m_dialog->setLanguage(m_context.uiLanguage());
    m_dialog->exec();
    insertImageMarkup(m_context.buffer(), m_dialog->markup());
}
