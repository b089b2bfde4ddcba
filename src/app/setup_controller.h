#pragma once

#include <QObject>

class TFormSetup;
class TMainForm;

// The settings dialog and re-reading the settings after it.
class SetupController : public QObject {
    Q_OBJECT
public:
    explicit SetupController(TMainForm& window);

    TFormSetup& dialog() const { return *m_dialog; }
    void Settings2Click();

private:
    TMainForm& m_window;
    TFormSetup* m_dialog;
};
