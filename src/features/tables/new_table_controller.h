#pragma once

#include <QObject>

class TFormTable;
class FeatureContext;

// The new-table command and its dialog, which lives as long as the window.
class NewTableController : public QObject {
    Q_OBJECT
public:
    explicit NewTableController(FeatureContext& context);

    void Table1Click();
    TFormTable& dialog() const { return *m_dialog; }

private:
    FeatureContext& m_context;
    TFormTable* m_dialog;
};
