#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class BlockChoiceDialog;
class PlacementDialog;
class FeatureContext;
enum class SelectionKind;
struct ElementTags;

// The table toolbar and the table menu's row, cell, merge and split items: selects the
// element around the caret, inserts and deletes rows and cells, merges and splits. Owns the
// DIV/SPAN choice and the before/behind dialog.
class TableActions : public QObject {
    Q_OBJECT
public:
    explicit TableActions(FeatureContext& context);

    void selectCell();
    void selectRow();
    void selectTable();
    // Asks DIV or SPAN, then selects that element.
    void selectBlock();
    void selectForm();
    void insertRow();
    void insertCell();
    void deleteRow();
    void deleteCell();
    void deleteTable();
    void mergeCells();
    void splitCell();

    // What the last locator call left selected.
    bool isCellSelected() const { return m_cellSelected; }
    bool isRowOrTableSelected() const { return m_rowOrTableSelected; }

    BlockChoiceDialog& blockChoiceDialog() const { return *m_blockChoice; }
    PlacementDialog& placementDialog() const { return *m_placement; }

private:
    QAction* button(const char* name, const QString& icon, int hintLine);
    QAction* menuItem(QMenu* menu, const char* name, const QString& caption, int captionLine);
    void select(const ElementTags& tags);
    void remember(SelectionKind kind);

    FeatureContext& m_context;
    BlockChoiceDialog* m_blockChoice;
    PlacementDialog* m_placement;
    bool m_cellSelected = false;
    bool m_rowOrTableSelected = false;
};
