#include "transform/remove_format_controller.h"

#include "app/icons.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "transform/remove_format.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QMenu>
#include <QToolBar>

RemoveFormatController::RemoveFormatController(TMainForm& window)
    : QObject(&window), m_window(window) {
    // Caption and hint come from the message table by these names; until the first language
    // switch they show the built-in German texts.
    MainActions& a = m_window.actions();
    QAction* item = a.htmlMenu->addAction(QStringLiteral("Schriftformatierung entfernen"));
    item->setObjectName(QStringLiteral("RemoveFormat1"));
    connect(item, &QAction::triggered, this, [this] { RemoveFormat1Click(); });

    const QString hint = QStringLiteral("Alle Schriftformatierungen entfernen");
    QAction* button = a.toolBar1->addAction(themedIcon(QStringLiteral("hx-remove-format")), hint);
    button->setObjectName(QStringLiteral("ToolButtonRemoveF"));
    button->setToolTip(hint);
    button->setStatusTip(hint);
    connect(button, &QAction::triggered, this, [this] { RemoveFormat1Click(); });
}

void RemoveFormatController::RemoveFormat1Click() {
    const int line = ::RemoveFormat1Click(m_window.buffer());
    if (line >= 0)
        centreLine(line);
}

void RemoveFormatController::centreLine(int line) {
    QsciScintilla* editor = m_window.SynMemo1();
    editor->SendScintilla(QsciScintillaBase::SCI_ENSUREVISIBLE, line);
    const long shown = editor->SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, line);
    const long onScreen = editor->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
    editor->setFirstVisibleLine(int(qMax(0L, shown - onScreen / 2)));
}
