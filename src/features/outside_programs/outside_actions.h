#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <utility>

class QAction;
class FeatureContext;
struct EditorSettings;

// The commands that hand over to outside programs: browser preview, FTP, installer requests,
// deleting backup files, and the help contents with the main window's help key.
class OutsideActions : public QObject {
    Q_OBJECT
public:
    using BackupChooser = std::function<QStringList(const QString& folder)>;

    explicit OutsideActions(FeatureContext& context);

    // The multi-file chooser of the backup command; tests put their own in.
    void setBackupChooser(BackupChooser chooser) { m_chooseBackupFiles = std::move(chooser); }

    void showInBrowser();
    void openFtp();
    void checkForUpdates();
    void deleteBackupFiles();
    void showHelpContents();

private:
    // The settings as the file holds them now, read the way the window reads them.
    EditorSettings currentSettings() const;
    void checkForUpdatesAtStartUp();

    FeatureContext& m_context;
    BackupChooser m_chooseBackupFiles;
    bool m_started = false;
};
