#include "tables/new_table_controller.h"

#include "app/icons.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "tables/table_dialog.h"
#include "tables/table_markup.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

NewTableController::NewTableController(TMainForm& window)
    : QObject(&window), m_window(window), m_dialog(new TFormTable(&window)) {
    MainActions& a = window.actions();
    // "Neue Tabelle erstellen" is the built-in caption; the language switch rewrites it.
    auto* item = new QAction(QStringLiteral("Neue Tabelle erstellen"), a.tableMenu);
    item->setObjectName(QStringLiteral("Table1"));
    // The menu's first entry, whatever the row and cell commands put there.
    a.tableMenu->insertAction(a.tableMenu->actions().value(0), item);
    connect(item, &QAction::triggered, this, [this] { Table1Click(); });

    auto* button = new QAction(themedIcon(QStringLiteral("hx-table-new")), QString(), a.toolBar2);
    button->setObjectName(QStringLiteral("ToolButtonInsTable"));
    // The table buttons follow their hints' order: new table before the delete and edit ones.
    QAction* before = nullptr;
    for (QAction* existing : a.toolBar2->actions())
        if (existing->objectName() == QLatin1String("ToolButtonDelTable"))
            before = existing;
    a.toolBar2->insertAction(before, button);
    connect(button, &QAction::triggered, this, [this] { Table1Click(); });
}

void NewTableController::Table1Click() {
    ::Table1Click(m_window.buffer(), [this] {
        m_dialog->TLanguage = m_window.uiLanguage();
        m_dialog->NewTable = true;
        m_dialog->ShowModal();
        return m_dialog->Tabelle;
    });
}
