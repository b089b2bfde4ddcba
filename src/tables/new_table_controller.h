#pragma once

#include <QObject>

class TMainForm;

// The new-table command and its dialog.
class NewTableController : public QObject {
    Q_OBJECT
public:
    explicit NewTableController(TMainForm& window);

private:
    TMainForm& m_window;
};
