#pragma once

#include "foundation/messages/prompter.h"

#include <QStringList>

// The words that answer the document-type choice, in the dialog's order, then "cancel".
const QStringList& docTypeAnswerWords();

// Answers questions from a list of words and records every text shown, in order.
// Used by hexlume-cli and the tests. With no answer left a question gets its cancelling
// answer (No for Yes/No) and a file chooser returns nothing.
class ScriptedPrompter : public Prompter {
public:
    explicit ScriptedPrompter(QStringList answers = {}) : m_answers(std::move(answers)) {}

    void addAnswer(const QString& word) { m_answers.append(word); }
    void addFile(const QString& path) { m_files.append(path); }
    const QStringList& messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }

    void information(const QString& text) override { m_messages.append(text); }
    void error(const QString& text) override { m_messages.append(text); }
    void message(const QString& text) override { m_messages.append(text); }
    Answer askYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    Answer askOkCancel(const QString& text) override;
    // "before" or "behind"; any other word or none cancels.
    Placement choosePlacement(const QString& text) override;
    // A document-type word (docTypeAnswerWords); any other word or none cancels. Records the
    // dialog's caption "DocType" like a question.
    int chooseDocType() override;
    QString chooseOpenFile(const QString& folder, const QString& filter) override;
    QString chooseSaveFile(const QString& folder, const QString& fileName,
                           const QString& filter) override;

    // What the file choosers were asked, for tests.
    QString lastChooserFolder;
    QString lastChooserFileName;
    QString lastChooserFilter;

    // Takes the next answer word; empty when none is left.
    QString takeAnswer();

private:
    Answer ask(const QString& text, Answer cancelling);

    QStringList m_answers;
    QStringList m_files;
    QStringList m_messages;
};
