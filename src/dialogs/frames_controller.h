#pragma once

#include <QObject>

class TMainForm;

// The frameset and iFrame commands and their dialogs.
class FramesController : public QObject {
    Q_OBJECT
public:
    explicit FramesController(TMainForm& window);

private:
    TMainForm& m_window;
};
