#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QAction;
class FeatureContext;
struct EditorSettings;

// Browser, FTP, installer requests, backup files, help and the About box.
class OutsideController : public QObject {
    Q_OBJECT
public:
    explicit OutsideController(FeatureContext& context);

    // The multi-file chooser of the backup command; tests put their own in.
    std::function<QStringList(const QString& folder)> chooseBackupFiles;

    void ToolButtonBrowserClick();
    void FTP1Click();
    void NachUpdatesuchen1Click();
    void Deletebackupfiles1Click();
    void Help1Click();

private:
    // The settings as the file holds them now, read the way the window reads them.
    EditorSettings currentSettings() const;
    void startUpCheck();

    FeatureContext& m_context;
    bool m_started = false;
};
