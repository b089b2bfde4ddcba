#pragma once

#include <QString>
#include <QStringList>

class Document;
class EditorBuffer;

// The main window's document as the multi-file window sees it: unsaved work is offered for
// saving before its file may be rewritten, and the document is reloaded only when its own
// file was.
class FilesMainDocument {
public:
    FilesMainDocument(Document& document, EditorBuffer& editor)
        : m_document(document), m_editor(editor) {}

    // The document's file; empty for a document that was never saved.
    QString ownFile() const;
    // Before a replace run: false when the user cancelled the question about unsaved changes
    // (or the save failed), and the run must not start.
    bool prepareReplaceRun(const QStringList& paths);
    // The document's own file is among these.
    bool isAmong(const QStringList& paths) const;
    // After a run: reloads the document when its own file is among the rewritten ones.
    void reloadIfRewritten(const QStringList& rewritten);
    // "Show file": asks about a modified document first; the file opens unless the user
    // cancels or the save fails.
    bool showFile(const QString& path);

    static bool sameFile(const QString& a, const QString& b);

private:
    Document& m_document;
    EditorBuffer& m_editor;
};
