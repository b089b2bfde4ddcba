#pragma once

#include <QObject>

class TableDialog;
class FeatureContext;

// The new-table menu item and button, and their dialog, which lives as long as the window.
class NewTableActions : public QObject {
    Q_OBJECT
public:
    explicit NewTableActions(FeatureContext& context);

    void insertNewTable();
    TableDialog& dialog() const { return *m_dialog; }

private:
    FeatureContext& m_context;
    TableDialog* m_dialog;
};
