#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class TFormBlock;
class TFormInsTR;
class FeatureContext;
enum class SelectionKind;
struct ElementTags;

// The table toolbar and the table menu's row, cell, merge and split items: selects the
// element around the caret, inserts and deletes rows and cells, merges and splits. Owns the
// DIV/SPAN choice and the before/behind dialog.
class TableController : public QObject {
    Q_OBJECT
public:
    explicit TableController(FeatureContext& context);

    void ToolButton8Click();
    void ToolButton11Click();
    void ToolButton12Click();
    void ToolButtonShowDivClick();
    void ToolButton19Click();
    void InsertRow1Click();
    void InsertColumn1Click();
    void ToolButtonDelRowClick();
    void ToolButtonDelTDClick();
    void ToolButtonDelTableClick();
    void ToolButtonMergeClick();
    void ToolButtonSplitClick();

    // What the last locator call left selected.
    bool CellSelected() const { return m_cellSelected; }
    bool RowOrTableSelected() const { return m_rowOrTableSelected; }

    TFormBlock& blockDialog() const { return *m_block; }
    TFormInsTR& insTrDialog() const { return *m_insTr; }

private:
    QAction* button(const char* name, const QString& icon, int hintLine);
    QAction* menuItem(QMenu* menu, const char* name, const QString& caption, int captionLine);
    void select(const ElementTags& tags);
    void remember(SelectionKind kind);

    FeatureContext& m_context;
    TFormBlock* m_block;
    TFormInsTR* m_insTr;
    bool m_cellSelected = false;
    bool m_rowOrTableSelected = false;
};
