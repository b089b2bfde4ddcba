#include "features/tables/table_controller.h"

#include "features/tables/block_dialog.h"
#include "features/tables/cell_merge.h"
#include "features/tables/element_locator.h"
#include "features/tables/ins_tr_dialog.h"
#include "features/tables/table_edit.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

namespace {

// The DIV/SPAN button's hint is the same in both languages.
const QString ShowDivHint = QStringLiteral("Select DIV/SPAN");
constexpr int NoHint = -1;

} // namespace

TableController::TableController(FeatureContext& context)
    : QObject(&context), m_context(context), m_block(new TFormBlock(m_context.window())),
      m_insTr(new TFormInsTR(m_context.window())) {
    connect(button("ToolButton8", QStringLiteral("hx-table-select-cell"), 99), &QAction::triggered,
            this, [this] { ToolButton8Click(); });
    connect(button("ToolButton11", QStringLiteral("hx-table-select-row"), 100), &QAction::triggered,
            this, [this] { ToolButton11Click(); });
    connect(button("ToolButton12", QStringLiteral("hx-table-select-table"), 101),
            &QAction::triggered, this, [this] { ToolButton12Click(); });
    connect(button("ToolButtonShowDiv", QStringLiteral("hx-table-select-block"), NoHint),
            &QAction::triggered, this, [this] { ToolButtonShowDivClick(); });
    connect(button("ToolButton19", QStringLiteral("hx-table-select-form"), 102),
            &QAction::triggered, this, [this] { ToolButton19Click(); });
    m_context.menus().tableBar->addSeparator();
    connect(button("ToolButtonInsRow", QStringLiteral("hx-table-insert-row"), 105),
            &QAction::triggered, this, [this] { InsertRow1Click(); });
    connect(button("ToolButtonInsTD", QStringLiteral("hx-table-insert-cell"), 107),
            &QAction::triggered, this, [this] { InsertColumn1Click(); });
    connect(button("ToolButtonDelRow", QStringLiteral("hx-table-delete-row"), 106),
            &QAction::triggered, this, [this] { ToolButtonDelRowClick(); });
    connect(button("ToolButtonDelTD", QStringLiteral("hx-table-delete-cell"), 108),
            &QAction::triggered, this, [this] { ToolButtonDelTDClick(); });
    connect(button("ToolButtonDelTable", QStringLiteral("hx-table-delete"), 104),
            &QAction::triggered, this, [this] { ToolButtonDelTableClick(); });
    connect(button("ToolButtonMerge", QStringLiteral("hx-table-merge"), 109), &QAction::triggered,
            this, [this] { ToolButtonMergeClick(); });
    connect(button("ToolButtonSplit", QStringLiteral("hx-table-split"), 110), &QAction::triggered,
            this, [this] { ToolButtonSplitClick(); });

    // German captions are the built-in ones; the language switch rewrites them.
    QMenu* table = m_context.menus().table;
    connect(menuItem(table, "InsertRow1", QStringLiteral("Tabellenzeile (TR) einfügen"), 158),
            &QAction::triggered, this, [this] { InsertRow1Click(); });
    connect(menuItem(table, "InsertColumn1", QStringLiteral("Tabellenzelle (TD) einfügen"), 159),
            &QAction::triggered, this, [this] { InsertColumn1Click(); });
    connect(menuItem(table, "Mergecells1", QStringLiteral("Zellen zusammenfügen"), 160),
            &QAction::triggered, this, [this] { ToolButtonMergeClick(); });
    connect(menuItem(table, "Splitcell1", QStringLiteral("Zelle splitten"), 161),
            &QAction::triggered, this, [this] { ToolButtonSplitClick(); });

    // The window's own message boxes ask before/behind with this dialog; an injected prompter
    // (tests, scripts) answers by itself.
    if (m_context.usePlacementDialog)
        m_context.usePlacementDialog([this](const QString&) {
            m_insTr->Sprache = m_context.uiLanguage();
            m_insTr->BitBtn4->setEnabled(false);
            m_insTr->exec();
            m_insTr->BitBtn4->setEnabled(true);
            if (m_insTr->Vor == 0)
                return Prompter::Placement::Before;
            if (m_insTr->Vor == 1)
                return Prompter::Placement::Behind;
            return Prompter::Placement::Cancel;
        });
}

QAction* TableController::button(const char* name, const QString& icon, int hintLine) {
    QAction* action = m_context.menus().tableBar->addAction(themedIcon(icon), QString());
    action->setObjectName(QLatin1String(name));
    if (hintLine == NoHint) {
        action->setText(ShowDivHint);
        action->setToolTip(ShowDivHint);
        action->setStatusTip(ShowDivHint);
    } else {
        m_context.hintFromMessage(action, hintLine);
    }
    return action;
}

QAction* TableController::menuItem(QMenu* menu, const char* name, const QString& caption,
                                   int captionLine) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    m_context.captionFromMessage(action, captionLine);
    return action;
}

void TableController::remember(SelectionKind kind) {
    m_cellSelected = kind == SelectionKind::Cell;
    m_rowOrTableSelected = kind == SelectionKind::RowOrTable;
}

void TableController::select(const ElementTags& tags) {
    remember(SelectEnclosingElement(m_context.commandContext(), tags));
}

void TableController::ToolButton8Click() {
    select(cellTags());
}

void TableController::ToolButton11Click() {
    select(rowTags());
}

void TableController::ToolButton12Click() {
    select(tableTags());
}

void TableController::ToolButtonShowDivClick() {
    m_block->Sprache = m_context.uiLanguage();
    if (m_block->exec() == QDialog::Rejected)
        return;
    select(blockTags(m_block->itemIndex()));
}

void TableController::ToolButton19Click() {
    select(formTags());
}

void TableController::InsertRow1Click() {
    InsertRowOrCell(m_context.commandContext(), false);
}

void TableController::InsertColumn1Click() {
    InsertRowOrCell(m_context.commandContext(), true);
}

void TableController::ToolButtonDelRowClick() {
    remember(DeleteEnclosingElement(m_context.commandContext(), rowTags()));
}

void TableController::ToolButtonDelTDClick() {
    remember(DeleteEnclosingElement(m_context.commandContext(), cellTags()));
}

void TableController::ToolButtonDelTableClick() {
    remember(DeleteEnclosingElement(m_context.commandContext(), tableTags()));
}

void TableController::ToolButtonMergeClick() {
    MergeSelectedCells(m_context.commandContext());
}

void TableController::ToolButtonSplitClick() {
    SplitSelectedCell(m_context.commandContext());
}
