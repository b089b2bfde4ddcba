#pragma once

#include "foundation/messages/ui_language.h"

#include "features/files_replace/files_dialog_state.h"
#include "features/files_replace/files_run.h"

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

// The modeless multi-file search and replace window. Its lists live in FilesDialogState; a run
// works through the files a few at a time between turns of the event loop, so the window
// stays responsive and Close stops it after the current file.
class TFormFiles : public QDialog {
    Q_OBJECT
public:
    explicit TFormFiles(FeatureContext& context);
    ~TFormFiles() override;

    // 0 German, anything else English; set before showing.
    UiLanguage Sprache = UiLanguage::German;
    // Where the open dialog starts; emptied when the window closes.
    QString CurDir;

    const FilesDialogState& state() const { return m_state; }
    bool isRunning() const { return m_run != nullptr; }
    // Picks the files to load, starting in a folder; the desktop's open dialog unless replaced.
    std::function<QStringList(const QString& folder)> chooseFiles;
    // At most this many files per turn of the event loop.
    int maxFilesPerTurn = std::numeric_limits<int>::max();

    // Texts of the current language, also while the window is open.
    void applyTexts();

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BtnBackToSearchClick();
    void ButtonSearchOpenClick();
    void ButtonResultOpenClick();
    void SpeedButton1Click();

signals:
    void runFinished();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void runTurn();
    void endRun();
    void setRunning(bool running);
    void showLists();
    void showCounters();
    void openFrom(FilesDialogState::List list);
    int selectedRow(QListWidget* list) const;

    FeatureContext& m_main;
    FilesDialogState m_state;
    std::unique_ptr<FilesRun> m_run;
    QTimer* m_turn;
    std::pair<bool, bool> m_openWasEnabled{false, false};

    QGroupBox* m_options;
    QLabel* m_label1;
    QLabel* m_label2;
    QLabel* m_labelTreffer;
    QLabel* m_staticText1;
    QLabel* m_staticText2;
    QLineEdit* m_editSearch;
    QLineEdit* m_editReplace;
    QLineEdit* m_edit1;
    QLineEdit* m_edit2;
    QLineEdit* m_editTreffer;
    QCheckBox* m_case;
    QCheckBox* m_word;
    QCheckBox* m_searchOnly;
    QCheckBox* m_all;
    QListWidget* m_searchList;
    QListWidget* m_resultList;
    QPushButton* m_searchOpen;
    QPushButton* m_resultOpen;
    QPushButton* m_load;
    QPushButton* m_close;
    QPushButton* m_start;
    QPushButton* m_new;
    QToolButton* m_remove;
    QToolButton* m_back;
    QToolButton* m_help;
    QProgressBar* m_progress;
};
