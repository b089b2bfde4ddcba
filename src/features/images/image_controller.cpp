#include "features/images/image_controller.h"

#include "features/images/image_dialog.h"
#include "features/images/image_markup.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

ImageController::ImageController(FeatureContext& context)
    : QObject(&context), m_context(context),
      m_dialog(new TFormImage(m_context.prompter(), m_context.window())) {
    setObjectName(QStringLiteral("ImageController"));
    const QIcon icon = themedIcon(QStringLiteral("insert-image"));
    const FeatureMenus& menus = m_context.menus();

    // "Image..." reads the same in both languages.
    QAction* item = menus.html->addAction(icon, QStringLiteral("Image..."));
    item->setObjectName(QStringLiteral("Image1"));
    item->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+M")));

    QAction* button = menus.standardBar->addAction(icon, QString());
    button->setObjectName(QStringLiteral("ToolButtonImage"));
    m_context.hintFromMessage(button, 97);

    for (QAction* action : {item, button})
        connect(action, &QAction::triggered, this, [this] { Image1Click(); });
}

void ImageController::Image1Click() {
    m_dialog->Sprache = m_context.uiLanguage();
    m_dialog->exec();
    insertImageMarkup(m_context.buffer(), m_dialog->ImageSrc);
}
