#pragma once

#include <QObject>

class TFormSetup;
class FeatureContext;

// The settings dialog and re-reading the settings after it.
class SetupController : public QObject {
    Q_OBJECT
public:
    explicit SetupController(FeatureContext& context);

    TFormSetup& dialog() const { return *m_dialog; }
    void Settings2Click();

private:
    FeatureContext& m_context;
    TFormSetup* m_dialog;
};
