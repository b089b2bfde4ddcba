#pragma once

#include "foundation/messages/ui_language.h"

#include "features/files_replace/files_replace_state.h"
#include "features/files_replace/files_run.h"
#include "features/files_replace/replace_record.h"

#include <QDialog>

#include <functional>
#include <limits>
#include <memory>
#include <utility>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;
class QToolButton;
class FeatureContext;

// The modeless multi-file search and replace window. Its lists live in FilesReplaceState; a run
// works through the files a few at a time between turns of the event loop, so the window
// stays responsive and Close stops it after the current file.
class FilesReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit FilesReplaceDialog(FeatureContext& context);
    ~FilesReplaceDialog() override;

    // Takes effect at once, also while the window is open.
    void setLanguage(UiLanguage language);
    // Where the open dialog starts; emptied when the window closes.
    void setStartFolder(const QString& folder) { m_startFolder = folder; }
    const QString& startFolder() const { return m_startFolder; }

    const FilesReplaceState& state() const { return m_state; }
    bool isRunning() const { return m_run != nullptr; }
    // Picks the files to load, starting in a folder; the desktop's open dialog unless replaced.
    using FileChooser = std::function<QStringList(const QString& folder)>;
    void setFileChooser(FileChooser chooser) { m_chooseFiles = std::move(chooser); }
    // At most this many files per turn of the event loop.
    void setMaxFilesPerTurn(int count) { m_maxFilesPerTurn = count; }

signals:
    void runFinished();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyTexts();
    void resetForShowing();
    void loadFiles();
    void startRun();
    void newSearch();
    void removeSelectedFiles();
    void moveResultsBackToSearch();
    void showSearchListFile();
    void showResultListFile();
    void showHelp();
    void undoLastReplace();
    void lockMainEditor(bool locked);
    void runTurn();
    void endRun();
    void setRunning(bool running);
    void showLists();
    void showCounters();
    void openFrom(FilesReplaceState::List list);
    int selectedRow(QListWidget* list) const;

    FeatureContext& m_context;
    UiLanguage m_language = UiLanguage::German;
    QString m_startFolder;
    FileChooser m_chooseFiles;
    int m_maxFilesPerTurn = std::numeric_limits<int>::max();
    FilesReplaceState m_state;
    std::unique_ptr<FilesRun> m_run;
    QTimer* m_turn;
    std::pair<bool, bool> m_openWasEnabled{false, false};
    ReplaceRecord m_record;
    // The main editor takes no typing while a run may rewrite its file.
    bool m_lockedMainEditor = false;

    QGroupBox* m_options;
    QLabel* m_searchLabel;
    QLabel* m_replaceLabel;
    QLabel* m_matchCountLabel;
    QLabel* m_searchListLabel;
    QLabel* m_resultListLabel;
    QLineEdit* m_searchEdit;
    QLineEdit* m_replaceEdit;
    QLineEdit* m_searchCount;
    QLineEdit* m_resultCount;
    QLineEdit* m_matchCount;
    QCheckBox* m_caseSensitive;
    QCheckBox* m_wholeWord;
    QCheckBox* m_searchOnly;
    QCheckBox* m_findAll;
    QListWidget* m_searchList;
    QListWidget* m_resultList;
    QPushButton* m_showSearchFile;
    QPushButton* m_showResultFile;
    QPushButton* m_load;
    QPushButton* m_close;
    QPushButton* m_start;
    QPushButton* m_new;
    QPushButton* m_undo;
    QToolButton* m_remove;
    QToolButton* m_back;
    QToolButton* m_help;
    QProgressBar* m_progress;
};
