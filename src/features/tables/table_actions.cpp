#include "features/tables/table_actions.h"

#include "features/tables/block_choice_dialog.h"
#include "features/tables/cell_merge.h"
#include "features/tables/element_locator.h"
#include "features/tables/placement_dialog.h"
#include "features/tables/table_edit.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

namespace {

const UiText SelectBlockHint{"DIV/SPAN auswählen", "Select DIV/SPAN"};
constexpr int NoHint = -1;

} // namespace

TableActions::TableActions(FeatureContext& context)
    : QObject(&context), m_context(context),
      m_blockChoice(new BlockChoiceDialog(m_context.window())),
      m_placement(new PlacementDialog(m_context.window())) {
    connect(button("selectCellButton", QStringLiteral("hx-table-select-cell"), 99),
            &QAction::triggered, this, [this] { selectCell(); });
    connect(button("selectRowButton", QStringLiteral("hx-table-select-row"), 100),
            &QAction::triggered, this, [this] { selectRow(); });
    connect(button("selectTableButton", QStringLiteral("hx-table-select-table"), 101),
            &QAction::triggered, this, [this] { selectTable(); });
    connect(button("selectBlockButton", QStringLiteral("hx-table-select-block"), NoHint),
            &QAction::triggered, this, [this] { selectBlock(); });
    connect(button("selectFormButton", QStringLiteral("hx-table-select-form"), 102),
            &QAction::triggered, this, [this] { selectForm(); });
    m_context.menus().tableBar->addSeparator();
    connect(button("insertRowButton", QStringLiteral("hx-table-insert-row"), 105),
            &QAction::triggered, this, [this] { insertRow(); });
    connect(button("insertCellButton", QStringLiteral("hx-table-insert-cell"), 107),
            &QAction::triggered, this, [this] { insertCell(); });
    connect(button("deleteRowButton", QStringLiteral("hx-table-delete-row"), 106),
            &QAction::triggered, this, [this] { deleteRow(); });
    connect(button("deleteCellButton", QStringLiteral("hx-table-delete-cell"), 108),
            &QAction::triggered, this, [this] { deleteCell(); });
    connect(button("deleteTableButton", QStringLiteral("hx-table-delete"), 104),
            &QAction::triggered, this, [this] { deleteTable(); });
    connect(button("mergeCellsButton", QStringLiteral("hx-table-merge"), 109), &QAction::triggered,
            this, [this] { mergeCells(); });
    connect(button("splitCellButton", QStringLiteral("hx-table-split"), 110), &QAction::triggered,
            this, [this] { splitCell(); });

    // German captions are the built-in ones; the language switch rewrites them.
    QMenu* table = m_context.menus().table;
    connect(menuItem(table, "insertRowItem", QStringLiteral("Tabellenzeile (TR) einfügen"), 158),
            &QAction::triggered, this, [this] { insertRow(); });
    connect(menuItem(table, "insertCellItem", QStringLiteral("Tabellenzelle (TD) einfügen"), 159),
            &QAction::triggered, this, [this] { insertCell(); });
    connect(menuItem(table, "mergeCellsItem", QStringLiteral("Zellen zusammenfügen"), 160),
            &QAction::triggered, this, [this] { mergeCells(); });
    connect(menuItem(table, "splitCellItem", QStringLiteral("Zelle teilen"), 161),
            &QAction::triggered, this, [this] { splitCell(); });

    // The window's own message boxes ask before/behind with this dialog; an injected prompter
    // (tests, scripts) answers by itself.
    if (m_context.usePlacementDialog)
        m_context.usePlacementDialog([this](const QString&) {
            m_placement->setLanguage(m_context.uiLanguage());
            m_placement->setEndOfTableEnabled(false);
            m_placement->exec();
            m_placement->setEndOfTableEnabled(true);
            return m_placement->placement();
        });
}

QAction* TableActions::button(const char* name, const QString& icon, int hintLine) {
    QAction* action = m_context.menus().tableBar->addAction(themedIcon(icon), QString());
    action->setObjectName(QLatin1String(name));
    if (hintLine == NoHint) {
        m_context.hintFromText(action, SelectBlockHint);
    } else {
        m_context.hintFromMessage(action, hintLine);
    }
    return action;
}

QAction* TableActions::menuItem(QMenu* menu, const char* name, const QString& caption,
                                int captionLine) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    m_context.captionFromMessage(action, captionLine);
    return action;
}

void TableActions::remember(SelectionKind kind) {
    m_cellSelected = kind == SelectionKind::Cell;
    m_rowOrTableSelected = kind == SelectionKind::RowOrTable;
}

void TableActions::select(const ElementTags& tags) {
    remember(selectEnclosingElement(m_context.commandContext(), tags));
}

void TableActions::selectCell() {
    select(cellTags());
}

void TableActions::selectRow() {
    select(rowTags());
}

void TableActions::selectTable() {
    select(tableTags());
}

void TableActions::selectBlock() {
    m_blockChoice->setLanguage(m_context.uiLanguage());
    if (m_blockChoice->exec() == QDialog::Rejected)
        return;
    select(blockTags(m_blockChoice->element()));
}

void TableActions::selectForm() {
    select(formTags());
}

void TableActions::insertRow() {
    ::insertRow(m_context.commandContext());
}

void TableActions::insertCell() {
    ::insertCell(m_context.commandContext());
}

void TableActions::deleteRow() {
    remember(deleteEnclosingElement(m_context.commandContext(), rowTags()));
}

void TableActions::deleteCell() {
    remember(deleteEnclosingElement(m_context.commandContext(), cellTags()));
}

void TableActions::deleteTable() {
    remember(deleteEnclosingElement(m_context.commandContext(), tableTags()));
}

void TableActions::mergeCells() {
    mergeSelectedCells(m_context.commandContext());
}

void TableActions::splitCell() {
    splitSelectedCell(m_context.commandContext());
}
