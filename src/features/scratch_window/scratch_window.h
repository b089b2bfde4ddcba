#pragma once

#include "foundation/messages/ui_language.h"

#include "foundation/document/document_file.h"

#include <QMainWindow>

#include <functional>

class QPlainTextEdit;

// The plain-text scratch window beside the main editor. Every showing starts afresh with the
// clipboard's text.
class ScratchWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ScratchWindow(QWidget* parent = nullptr);

    // Set before showing.
    void setLanguage(UiLanguage language) { m_language = language; }
    UiLanguage language() const { return m_language; }

    // Modeless, from the Extras menu.
    void showModeless();
    // Modal, for the look-ups that put their result on the clipboard first; returns when the
    // window is closed.
    void exec();

    // The file last opened or saved in this showing; empty after each showing.
    QString currentFile() const { return m_currentFile; }
    QPlainTextEdit* textEdit() const { return m_textEdit; }
    bool wordWrap() const { return m_wordWrap; }

    // The file choosers (an empty result means cancelled) and the error box; the desktop's
    // dialogs unless the owner routes them elsewhere.
    std::function<QString(const QString& folder)> chooseOpenFile;
    std::function<QString(const QString& proposed)> chooseSaveFile;
    std::function<void(const QString& text)> showError;
    // Asked before Save replaces an existing file; true replaces it.
    std::function<bool(const QString& path)> confirmReplace;

    // The text changed since it was shown, opened or saved.
    bool isTextChanged() const;

    // Open and Save with a path already chosen; false after reporting a failure.
    bool loadFromFile(const QString& path);
    bool saveToFile(const QString& path);

    void newText();
    void openFile();
    // True when the text was written.
    bool saveFile();
    void deleteSelection();
    void copyAllText();
    void toggleWordWrap();

signals:
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void startFromClipboard();
    void applyHints();
    void setWordWrap(bool on);

    UiLanguage m_language = UiLanguage::English;
    QPlainTextEdit* m_textEdit;
    QString m_currentFile;
    TextEncoding m_encoding = TextEncoding::Ansi;
    bool m_byteOrderMark = false;
    bool m_wordWrap = true;
};

// The scratch text as a file: every line ended by CR LF, in the given encoding. A text the
// ANSI code page cannot hold is written as UTF-8 instead, so no character turns into "?".
QByteArray scratchFileBytes(const QString& text, TextEncoding encoding, bool byteOrderMark);
