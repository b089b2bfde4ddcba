#pragma once

#include "foundation/commands/command_context.h"
#include "foundation/messages/captions.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/messages/ui_text.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class Document;
class EditorBuffer;
class Platform;
class QAction;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class QWidget;
class QsciScintilla;

// Where a feature adds its menu items and buttons. The anchors are the window's own items that
// features insert before or after, so the menus keep their order whichever feature comes first.
struct FeatureMenus {
    QMenu* file = nullptr;
    // The separator above Exit: the file commands of features go before it.
    QAction* fileEnd = nullptr;
    QMenu* edit = nullptr;
    QMenu* html = nullptr;
    // Submenus of the HTML menu.
    QMenu* format = nullptr;
    QMenu* table = nullptr;
    QMenu* frames = nullptr;
    QMenu* extras = nullptr;
    QMenu* help = nullptr;
    // The About item: help items go before it.
    QAction* about = nullptr;
    // The editor's pop-up menu.
    QMenu* editorPopup = nullptr;
    QToolBar* standardBar = nullptr;
    QAction* saveButton = nullptr;
    QAction* undoButton = nullptr;
    // The row below: links, images, fonts and styles.
    QToolBar* insertBar = nullptr;
    // The second bar: tables, forms, preview, search.
    QToolBar* tableBar = nullptr;
};

// A control whose caption or hint comes from a message line at every language switch.
struct CaptionBinding {
    QPointer<QObject> control;
    int line;
    CaptionKind kind;
};

// What the main window hands each feature: the document and its editor, where to ask and tell,
// the language, and where to add menu items and buttons. Features see the window only through
// this, so none of them depends on it.
class FeatureContext : public QObject {
    Q_OBJECT
public:
    FeatureContext(QWidget* window, QsciScintilla* editor, EditorBuffer& buffer, Document& document,
                   Prompter& prompter, const MessageTable& messages, Platform& platform,
                   const FeatureMenus& menus);

    // The parent of a feature's dialogs and windows.
    QWidget* window() const { return m_window; }
    QsciScintilla* editor() const { return m_editor; }
    EditorBuffer& buffer() const { return m_buffer; }
    Document& document() const { return m_document; }
    Prompter& prompter() const { return m_prompter; }
    const MessageTable& messages() const { return m_messages; }
    UiLanguage uiLanguage() const;
    Platform& platform() const { return m_platform; }
    const FeatureMenus& menus() const { return m_menus; }
    // The editor, the prompter and the current message table, for a command.
    CommandContext commandContext() const { return {m_buffer, m_prompter, m_messages}; }

    // The text of a menu, menu item or toolbar button comes from a message line at every
    // language switch. A hint is a button's text, tooltip and status tip.
    void captionFromMessage(QMenu* menu, int line);
    void captionFromMessage(QAction* item, int line);
    void hintFromMessage(QAction* button, int line);
    const QList<CaptionBinding>& captionBindings() const { return m_bindings; }
    // The same for texts the message table does not hold, kept beside the feature's items.
    void captionFromText(QMenu* menu, const UiText& text);
    void captionFromText(QAction* item, const UiText& text);
    void hintFromText(QAction* button, const UiText& text);

    // Called by the window after the message table switched language.
    void applyLanguage();

    // Services of the window that a feature asks for; the window fills them in.
    // Switches the UI language as the language menu does.
    std::function<void(UiLanguage uiLanguage)> switchLanguage;
    // Reads the settings file again and applies it to the editor.
    std::function<void()> reloadSettings;
    // Shows the word-wrap state in the status bar.
    std::function<void(const QString& text)> showWordWrapState;
    // Shows the shared scratch window modally, in the given language.
    std::function<void(UiLanguage uiLanguage)> showScratchWindowModal;
    // The window's message boxes ask these questions with a feature's own dialog; a prompter
    // given to the window (tests, scripts) answers them itself.
    std::function<void(std::function<Prompter::Placement(const QString&)>)> usePlacementDialog;
    std::function<void(std::function<int()>)> useDocTypeDialog;
    // The scratch window's text, and showing it with a given text (a recovered one).
    QPointer<QPlainTextEdit> scratchTextEdit;
    std::function<void(const QString& text)> showScratchText;
    // A passing note in the status bar.
    std::function<void(const QString& text)> showStatusNote;

    // Asked in turn when the window is about to close, after the document: a feature holding
    // unsaved text of its own asks about it and returns false to keep the window open.
    void addCloseQuery(std::function<bool()> query) { m_closeQueries.push_back(std::move(query)); }
    bool mayClose() const;

signals:
    // After every caption from the message table changed language; features rewrite what the
    // table does not cover.
    void languageChanged();
    // A load turned word wrap off because the document is too large to wrap, or a later
    // load turned it on again.
    void wordWrapHeld(bool held);
    // The window has read its settings, applied its language and opened the file it was
    // started with.
    void startedUp();

private:
    struct TextBinding {
        QPointer<QObject> control;
        UiText text;
        CaptionKind kind;
    };
    void bind(QObject* control, int line, CaptionKind kind);
    void apply(const CaptionBinding& binding) const;
    void bindText(QObject* control, const UiText& text, CaptionKind kind);
    void apply(const TextBinding& binding) const;

    QWidget* m_window;
    QsciScintilla* m_editor;
    EditorBuffer& m_buffer;
    Document& m_document;
    Prompter& m_prompter;
    const MessageTable& m_messages;
    Platform& m_platform;
    FeatureMenus m_menus;
    QList<CaptionBinding> m_bindings;
    std::vector<std::function<bool()>> m_closeQueries;
    QList<TextBinding> m_textBindings;
};
