#include "tables/table_controller.h"

#include "app/captions.h"
#include "app/icons.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "app/message_box_prompter.h"
#include "tables/block_dialog.h"
#include "tables/cell_merge.h"
#include "tables/element_locator.h"
#include "tables/ins_tr_dialog.h"
#include "tables/table_edit.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

namespace {

// The DIV/SPAN button's hint is the same in both languages.
const QString ShowDivHint = QStringLiteral("Select DIV/SPAN");

} // namespace

TableController::TableController(TMainForm& window)
    : QObject(&window), m_window(window), m_block(new TFormBlock(&window)),
      m_insTr(new TFormInsTR(&window)) {
    connect(button("ToolButton8", QStringLiteral("hx-table-select-cell")), &QAction::triggered,
            this, [this] { ToolButton8Click(); });
    connect(button("ToolButton11", QStringLiteral("hx-table-select-row")), &QAction::triggered,
            this, [this] { ToolButton11Click(); });
    connect(button("ToolButton12", QStringLiteral("hx-table-select-table")), &QAction::triggered,
            this, [this] { ToolButton12Click(); });
    connect(button("ToolButtonShowDiv", QStringLiteral("hx-table-select-block")),
            &QAction::triggered, this, [this] { ToolButtonShowDivClick(); });
    connect(button("ToolButton19", QStringLiteral("hx-table-select-form")), &QAction::triggered,
            this, [this] { ToolButton19Click(); });
    m_window.actions().toolBar2->addSeparator();
    connect(button("ToolButtonInsRow", QStringLiteral("hx-table-insert-row")), &QAction::triggered,
            this, [this] { InsertRow1Click(); });
    connect(button("ToolButtonInsTD", QStringLiteral("hx-table-insert-cell")), &QAction::triggered,
            this, [this] { InsertColumn1Click(); });
    connect(button("ToolButtonDelRow", QStringLiteral("hx-table-delete-row")), &QAction::triggered,
            this, [this] { ToolButtonDelRowClick(); });
    connect(button("ToolButtonDelTD", QStringLiteral("hx-table-delete-cell")), &QAction::triggered,
            this, [this] { ToolButtonDelTDClick(); });
    connect(button("ToolButtonDelTable", QStringLiteral("hx-table-delete")), &QAction::triggered,
            this, [this] { ToolButtonDelTableClick(); });
    connect(button("ToolButtonMerge", QStringLiteral("hx-table-merge")), &QAction::triggered, this,
            [this] { ToolButtonMergeClick(); });
    connect(button("ToolButtonSplit", QStringLiteral("hx-table-split")), &QAction::triggered, this,
            [this] { ToolButtonSplitClick(); });

    // German captions are the built-in ones; the language switch rewrites them.
    QMenu* table = m_window.actions().tableMenu;
    connect(menuItem(table, "InsertRow1", QStringLiteral("Tabellenzeile (TR) einfügen")),
            &QAction::triggered, this, [this] { InsertRow1Click(); });
    connect(menuItem(table, "InsertColumn1", QStringLiteral("Tabellenzelle (TD) einfügen")),
            &QAction::triggered, this, [this] { InsertColumn1Click(); });
    connect(menuItem(table, "Mergecells1", QStringLiteral("Zellen zusammenfügen")),
            &QAction::triggered, this, [this] { ToolButtonMergeClick(); });
    connect(menuItem(table, "Splitcell1", QStringLiteral("Zelle splitten")), &QAction::triggered,
            this, [this] { ToolButtonSplitClick(); });

    applyHints();
    connect(&m_window, &TMainForm::languageApplied, this, [this] { applyHints(); });

    // The window's own message boxes ask before/behind with this dialog; an injected prompter
    // (tests, scripts) answers by itself.
    if (auto* boxes = dynamic_cast<MessageBoxPrompter*>(&m_window.prompter()))
        boxes->setPlacementDialog([this](const QString&) {
            m_insTr->Sprache = m_window.uiLanguage();
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

QAction* TableController::button(const char* name, const QString& icon) {
    QAction* action = m_window.actions().toolBar2->addAction(themedIcon(icon), QString());
    action->setObjectName(QLatin1String(name));
    m_buttons << action;
    return action;
}

QAction* TableController::menuItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void TableController::applyHints() {
    // The language switch rewrites the message-table hints too; setting them here gives the
    // buttons their hints before the first switch. The DIV/SPAN hint is not in the table.
    auto setHint = [](QAction* action, const QString& text) {
        action->setText(text);
        action->setToolTip(text);
        action->setStatusTip(text);
    };
    for (const CaptionAssignment& a : captionAssignments())
        for (QAction* action : std::as_const(m_buttons))
            if (a.kind == CaptionKind::Hint && action->objectName() == QLatin1String(a.objectName))
                setHint(action, m_window.messages().message(a.line));
    for (QAction* action : std::as_const(m_buttons))
        if (action->objectName() == QLatin1String("ToolButtonShowDiv"))
            setHint(action, ShowDivHint);
}

void TableController::remember(SelectionKind kind) {
    m_cellSelected = kind == SelectionKind::Cell;
    m_rowOrTableSelected = kind == SelectionKind::RowOrTable;
}

void TableController::select(const ElementTags& tags) {
    remember(SelectEnclosingElement(m_window.commandContext(), tags));
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
    m_block->Sprache = m_window.uiLanguage();
    if (m_block->exec() == QDialog::Rejected)
        return;
    select(blockTags(m_block->itemIndex()));
}

void TableController::ToolButton19Click() {
    select(formTags());
}

void TableController::InsertRow1Click() {
    InsertRowOrCell(m_window.commandContext(), false);
}

void TableController::InsertColumn1Click() {
    InsertRowOrCell(m_window.commandContext(), true);
}

void TableController::ToolButtonDelRowClick() {
    remember(DeleteEnclosingElement(m_window.commandContext(), rowTags()));
}

void TableController::ToolButtonDelTDClick() {
    remember(DeleteEnclosingElement(m_window.commandContext(), cellTags()));
}

void TableController::ToolButtonDelTableClick() {
    remember(DeleteEnclosingElement(m_window.commandContext(), tableTags()));
}

void TableController::ToolButtonMergeClick() {
    MergeSelectedCells(m_window.commandContext());
}

void TableController::ToolButtonSplitClick() {
    SplitSelectedCell(m_window.commandContext());
}
