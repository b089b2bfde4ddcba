#pragma once

#include <QObject>

class TMainForm;

// The code check of the HTML menu.
class CodeCheckController : public QObject {
    Q_OBJECT
public:
    explicit CodeCheckController(TMainForm& window);

private:
    TMainForm& m_window;
};
