#pragma once

#include <QObject>

class TMainForm;

// The settings dialog and re-reading the settings after it.
class SetupController : public QObject {
    Q_OBJECT
public:
    explicit SetupController(TMainForm& window);

private:
    TMainForm& m_window;
};
