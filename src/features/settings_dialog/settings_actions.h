#pragma once

#include <QObject>

class SettingsDialog;
class FeatureContext;

// Owns the settings dialog and its menu item, and re-reads the settings after the dialog.
class SettingsActions : public QObject {
    Q_OBJECT
public:
    explicit SettingsActions(FeatureContext& context);

    SettingsDialog& dialog() const { return *m_dialog; }
    void showSettingsDialog();

private:
    FeatureContext& m_context;
    SettingsDialog* m_dialog;
};
