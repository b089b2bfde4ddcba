#include "app/help.h"

#include "app/help_window.h"
#include "app/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

namespace {

QPointer<HelpWindow> helpWindow;

TMainForm* mainFormOf(QWidget* from) {
    for (QWidget* widget = from; widget; widget = widget->parentWidget()) {
        if (auto* form = qobject_cast<TMainForm*>(widget))
            return form;
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<TMainForm*>(widget))
            return form;
    }
    return nullptr;
}

// A modal dialog blocks every window but its own; asked from one, the help window becomes
// the dialog's so that it can be read and scrolled while the dialog is open.
QWidget* ownerFor(QWidget* from, TMainForm* form) {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (form)
        return form;
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

void ShowHelpContext(QWidget* from, int context) {
    TMainForm* form = mainFormOf(from);
    HelpWindow& window = sharedHelpWindow(ownerFor(from, form));
    window.showTopic(form ? form->uiLanguage() : UiEnglish, context);
    window.show();
    window.raise();
    window.activateWindow();
}

void installHelpKey(QWidget* widget, int context) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), widget);
    key->setObjectName(QStringLiteral("HelpKey"));
    key->setContext(widget->isWindow() ? Qt::WindowShortcut : Qt::WidgetWithChildrenShortcut);
    QObject::connect(key, &QShortcut::activated, widget,
                     [widget, context] { ShowHelpContext(widget, context); });
}

void connectHelpButton(QAbstractButton* button, int context) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button, context] { ShowHelpContext(button, context); });
}

QPushButton* newHelpButton(int context, QWidget* parent) {
    auto* button =
        new QPushButton(QIcon::fromTheme(QStringLiteral("help-contents"),
                                         QIcon(QStringLiteral(":/icons/hx-help-topic.svg"))),
                        QString(), parent);
    button->setObjectName(QStringLiteral("SpeedButton1"));
    button->setAutoDefault(false);
    button->setToolTip(QStringLiteral("F1"));
    connectHelpButton(button, context);
    return button;
}

QAbstractButton* addHelpButton(QDialogButtonBox* box, int context) {
    QPushButton* button = newHelpButton(context);
    box->addButton(button, QDialogButtonBox::HelpRole);
    return button;
}
