#pragma once

#include "foundation/messages/ui_language.h"

#include "foundation/document/document_file.h"

#include <QMainWindow>

#include <functional>

class QPlainTextEdit;
class QToolButton;

// The plain-text scratch window beside the main editor. Every showing starts afresh with the
// clipboard's text.
class TFormText : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormText(QWidget* parent = nullptr);

    // 1 English, otherwise German; set before showing.
    UiLanguage AppLanguage = UiLanguage::English;

    // Modeless, from the Extras menu.
    void showModeless();
    // Modal, for the look-ups that put their result on the clipboard first; returns when the
    // window is closed.
    void showModal();

    // The file last opened or saved in this showing; empty after each showing.
    QString CurrentFile() const { return m_currentFile; }
    QPlainTextEdit* Memo() const { return m_memo; }
    bool wordWrap() const { return m_wordWrap; }

    // The file choosers (an empty result means cancelled) and the error box; the desktop's
    // dialogs unless the owner routes them elsewhere.
    std::function<QString(const QString& folder)> chooseOpenFile;
    std::function<QString(const QString& proposed)> chooseSaveFile;
    std::function<void(const QString& text)> showError;

    // Open and Save with a path already chosen; false after reporting a failure.
    bool LoadFromFile(const QString& path);
    bool SaveToFile(const QString& path);

    void ToolButton1Click();  // New
    void ToolButton2Click();  // Open
    void ToolButton3Click();  // Save
    void ToolButton10Click(); // Delete the selection
    void ToolButton12Click(); // Copy the entire text
    void ToolButton13Click(); // Word wrap on/off

signals:
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void applyHints();
    void setWordWrap(bool on);
    QToolButton* addButton(const char* name, const char* icon, void (TFormText::*click)());

    QPlainTextEdit* m_memo;
    QString m_currentFile;
    TextEncoding m_encoding = TextEncoding::Ansi;
    bool m_byteOrderMark = false;
    bool m_wordWrap = true;
};

// The scratch text as a file: every line ended by CR LF, in the given encoding. A text the
// ANSI code page cannot hold is written as UTF-8 instead, so no character turns into "?".
QByteArray scratchFileBytes(const QString& text, TextEncoding encoding, bool byteOrderMark);
