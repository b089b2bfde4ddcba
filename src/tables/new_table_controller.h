#pragma once

#include <QObject>

class TFormTable;
class TMainForm;

// The new-table command and its dialog, which lives as long as the window.
class NewTableController : public QObject {
    Q_OBJECT
public:
    explicit NewTableController(TMainForm& window);

    void Table1Click();
    TFormTable& dialog() const { return *m_dialog; }

private:
    TMainForm& m_window;
    TFormTable* m_dialog;
};
