#pragma once

#include <QObject>

class TMainForm;

// The object command and its dialog.
class ObjectController : public QObject {
    Q_OBJECT
public:
    explicit ObjectController(TMainForm& window);

private:
    TMainForm& m_window;
};
