#include "features/tables/new_table_actions.h"

#include "features/tables/table_dialog.h"
#include "features/tables/table_markup.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

NewTableActions::NewTableActions(FeatureContext& context)
    : QObject(&context), m_context(context), m_dialog(new TableDialog(m_context.window())) {
    const FeatureMenus& a = m_context.menus();
    // "Neue Tabelle erstellen" is the built-in caption; the language switch rewrites it.
    auto* item = new QAction(QStringLiteral("Neue Tabelle erstellen"), a.table);
    item->setObjectName(QStringLiteral("newTableItem"));
    m_context.captionFromMessage(item, 157);
    // The menu's first entry, whatever the row and cell commands put there.
    a.table->insertAction(a.table->actions().value(0), item);
    connect(item, &QAction::triggered, this, [this] { insertNewTable(); });

    auto* button = new QAction(themedIcon(QStringLiteral("hx-table-new")), QString(), a.tableBar);
    button->setObjectName(QStringLiteral("newTableButton"));
    m_context.hintFromMessage(button, 103);
    // The table buttons follow their hints' order: new table before the delete and edit ones.
    QAction* before = nullptr;
    for (QAction* existing : a.tableBar->actions())
        if (existing->objectName() == QLatin1String("deleteTableButton"))
            before = existing;
    a.tableBar->insertAction(before, button);
    connect(button, &QAction::triggered, this, [this] { insertNewTable(); });
}

void NewTableActions::insertNewTable() {
    ::insertNewTable(m_context.buffer(), [this] {
        m_dialog->setLanguage(m_context.uiLanguage());
        m_dialog->exec();
        return m_dialog->markup();
    });
}
