#pragma once

#include <QObject>

class TMainForm;

// The table toolbar: select, insert and delete rows and cells, merge and split.
class TableController : public QObject {
    Q_OBJECT
public:
    explicit TableController(TMainForm& window);

private:
    TMainForm& m_window;
};
