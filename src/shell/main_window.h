#pragma once

#include "foundation/messages/message_table.h"

#include <QMainWindow>

#include <memory>

class Document;
class EditorBuffer;
class FeatureContext;
class Highlighters;
class MainActions;
class Platform;
class Prompter;
class QsciScintilla;
class RecentFiles;
class StatusPanels;
class TagCompletion;
struct EditorSettings;

// The main window: one document in the source editor, its menus, toolbars and status bar.
// It builds the features and hands each a FeatureContext; its own handlers are the file
// commands, the clipboard, the language switch and the recent files.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // With no prompter given, message boxes and the desktop's file dialogs are used.
    explicit MainWindow(Platform& platform, Prompter* prompter = nullptr,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Reads the settings, applies the language, opens a file named by the first argument and
    // shows the recent files.
    void startUp(const QStringList& arguments);

    QsciScintilla* editor() const { return m_editor; }
    EditorBuffer& buffer() const { return *m_buffer; }
    Document& document() const { return *m_document; }
    MainActions& actions() const { return *m_actions; }
    StatusPanels& statusPanels() const { return *m_status; }
    FeatureContext& featureContext() const { return *m_context; }
    const MessageTable& messages() const { return m_messages; }
    UiLanguage uiLanguage() const { return m_uiLanguage; }
    Prompter& prompter() const { return m_prompter; }
    Platform& platform() const { return m_platform; }

    void setUiLanguage(UiLanguage uiLanguage);
    void loadSettings();
    void writeBackSettings();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLanguage();
    void connectActions();
    void createFeatures();
    void updateCaretStatus();
    // The document's name, a modified marker and its full path in the status bar.
    void updateTitle();
    // F10: the first menu opens, as on other desktops.
    void openMenuBar();
    QString altShortcutLetters() const;
    void showRecentFiles();
    void openRecentFile(int slot);
    void clearRecentFiles();
    void showAbout();
    bool acceptsDrop(const class QMimeData* data) const;
    void openDropped(const class QMimeData* data);

    Platform& m_platform;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter& m_prompter;
    MessageTable m_messages;
    UiLanguage m_uiLanguage = UiLanguage::English;
    QsciScintilla* m_editor;
    std::unique_ptr<EditorBuffer> m_buffer;
    std::unique_ptr<Highlighters> m_highlighters;
    TagCompletion* m_completion;
    std::unique_ptr<Document> m_document;
    std::unique_ptr<RecentFiles> m_recent;
    std::unique_ptr<EditorSettings> m_settings;
    MainActions* m_actions;
    StatusPanels* m_status;
    FeatureContext* m_context;
};
