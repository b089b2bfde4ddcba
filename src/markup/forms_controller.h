#pragma once

#include <QObject>

class TMainForm;

// The form and form-control commands of HTML > Forms... and the second toolbar.
class FormsController : public QObject {
    Q_OBJECT
public:
    explicit FormsController(TMainForm& window);

private:
    TMainForm& m_window;
};
