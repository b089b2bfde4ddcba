#include "dialogs/image_controller.h"

#include "app/icons.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "dialogs/image_dialog.h"
#include "dialogs/image_markup.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

ImageController::ImageController(TMainForm& window)
    : QObject(&window), m_window(window), m_dialog(new TFormImage(window.prompter(), &window)) {
    setObjectName(QStringLiteral("ImageController"));
    const QIcon icon = themedIcon(QStringLiteral("insert-image"));
    MainActions& actions = window.actions();

    // "Image..." reads the same in both languages.
    QAction* item = actions.htmlMenu->addAction(icon, QStringLiteral("Image..."));
    item->setObjectName(QStringLiteral("Image1"));
    item->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+M")));

    QAction* button = actions.toolBar1->addAction(icon, window.messages().message(97));
    button->setObjectName(QStringLiteral("ToolButtonImage"));
    button->setToolTip(button->text());

    for (QAction* action : {item, button})
        connect(action, &QAction::triggered, this, [this] { Image1Click(); });
}

void ImageController::Image1Click() {
    m_dialog->Sprache = m_window.uiLanguage();
    m_dialog->exec();
    insertImageMarkup(m_window.buffer(), m_dialog->ImageSrc);
}
