#include "widgets/help.h"

#include "widgets/help_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

namespace {

QPointer<HelpWindow> helpWindow;

// A modal dialog blocks every window but its own; asked from one, the help window becomes
// the dialog's so that it can be read and scrolled while the dialog is open.
QWidget* ownerFor(QWidget* from) {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return from ? from->window() : nullptr;
}

HelpWindow& sharedHelpWindow(QWidget* owner) {
    if (!helpWindow) {
        helpWindow = new HelpWindow(owner);
    } else if (helpWindow->parentWidget() != owner) {
        const QRect geometry = helpWindow->geometry();
        helpWindow->setParent(owner, helpWindow->windowFlags());
        helpWindow->setGeometry(geometry);
    }
    return *helpWindow;
}

} // namespace

void showHelpTopic(QWidget* from, int context, UiLanguage uiLanguage) {
    HelpWindow& window = sharedHelpWindow(ownerFor(from));
    window.showTopic(uiLanguage, context);
    window.show();
    window.raise();
    window.activateWindow();
}

void installHelpKey(QWidget* widget, int context, HelpLanguage language) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), widget);
    key->setObjectName(QStringLiteral("helpKey"));
    key->setContext(widget->isWindow() ? Qt::WindowShortcut : Qt::WidgetWithChildrenShortcut);
    QObject::connect(key, &QShortcut::activated, widget,
                     [widget, context, language] { showHelpTopic(widget, context, language()); });
}

void connectHelpButton(QAbstractButton* button, int context, HelpLanguage language) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button, context, language] { showHelpTopic(button, context, language()); });
}

QPushButton* newHelpButton(int context, HelpLanguage language, QWidget* parent) {
    auto* button =
        new QPushButton(QIcon::fromTheme(QStringLiteral("help-contents"),
                                         QIcon(QStringLiteral(":/icons/hx-help-topic.svg"))),
                        QString(), parent);
    button->setObjectName(QStringLiteral("helpButton"));
    button->setAutoDefault(false);
    button->setToolTip(QStringLiteral("F1"));
    connectHelpButton(button, context, std::move(language));
    return button;
}

QAbstractButton* addHelpButton(QDialogButtonBox* box, int context, HelpLanguage language) {
    QPushButton* button = newHelpButton(context, std::move(language));
    box->addButton(button, QDialogButtonBox::HelpRole);
    return button;
}
