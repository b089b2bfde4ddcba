#pragma once

#include "app/command_context.h"
#include "app/messages.h"

#include <QMainWindow>

#include <memory>

class Document;
class EditorBuffer;
class Highlighters;
class MainActions;
class Platform;
class Prompter;
class QsciScintilla;
class RecentFiles;
class StatusPanels;
class TagCompletion;
class TFormText;
struct EditorSettings;

// The main window: one document in the source editor, its menus, toolbars and status bar.
// Handlers gather what the user chose and hand it to the document and command logic.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // With no prompter given, message boxes and the desktop's file dialogs are used.
    explicit TMainForm(Platform& platform, Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Reads the settings, applies the language, opens a file named by the first argument and
    // shows the recent files.
    void startUp(const QStringList& arguments);

    QsciScintilla* SynMemo1() const { return m_editor; }
    EditorBuffer& buffer() const { return *m_buffer; }
    Document& document() const { return *m_document; }
    MainActions& actions() const { return *m_actions; }
    StatusPanels& statusPanels() const { return *m_status; }
    const MessageTable& messages() const { return m_messages; }
    int uiLanguage() const { return m_uiLanguage; }
    Prompter& prompter() const { return m_prompter; }
    Platform& platform() const { return m_platform; }
    // The one scratch window, shared by the commands that show text in it.
    TFormText& scratchWindow() const { return *m_scratch; }
    // The editor, the prompter and the current message table, for a command.
    CommandContext commandContext() const;

    void ApplyLanguage();
    void LoadSettings();
    void WriteBackSettings();

signals:
    // After the captions changed language; controllers rewrite what the table does not cover.
    void languageApplied();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectActions();
    void createControllers();
    void UpdateCaretStatus();
    void showRecentFiles();
    void OpenRecentFile(int slot);
    void DelLastClick();
    void showAbout();
    bool acceptsDrop(const class QMimeData* data) const;
    void openDropped(const class QMimeData* data);

    Platform& m_platform;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter& m_prompter;
    MessageTable m_messages;
    int m_uiLanguage = UiEnglish;
    QsciScintilla* m_editor;
    std::unique_ptr<EditorBuffer> m_buffer;
    std::unique_ptr<Highlighters> m_highlighters;
    TagCompletion* m_completion;
    std::unique_ptr<Document> m_document;
    std::unique_ptr<RecentFiles> m_recent;
    std::unique_ptr<EditorSettings> m_settings;
    MainActions* m_actions;
    StatusPanels* m_status;
    TFormText* m_scratch;
    bool m_closeAsked = false;
};
