#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QsciScintilla;

// The tag completion list of the editor: typing "<" opens it after a short delay, Ctrl+Space
// opens it for the token before the caret. It holds the entries that begin with the typed
// token, shrinks as the token grows, and closes when nothing matches or an end-of-token
// character is typed. Enter or Tab replaces the token by the chosen entry's inserted text.
class TagCompletion : public QObject {
    Q_OBJECT
public:
    explicit TagCompletion(QsciScintilla* editor);

    static constexpr int TriggerDelayMs = 100;
    static constexpr int VisibleLines = 10;

    // Opens the list for the token before the caret; false when no entry matches.
    bool showForToken();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void charAdded(int character);
    void charDeleted();
    void triggerElapsed();
    void entryChosen(int listId, const QString& shown);
    // The token's start as a byte position, and the token itself.
    long tokenStart(QString* token) const;
    bool listActive() const;
    void closeList();
    void refilter();

    QPointer<QsciScintilla> m_editor;
    QTimer m_trigger;
    QList<int> m_shown;
};
