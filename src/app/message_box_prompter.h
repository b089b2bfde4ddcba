#pragma once

#include "app/prompter.h"

class QWidget;

// The window's prompter: modal message boxes and the desktop's file dialogs.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent) : m_parent(parent) {}

    void information(const QString& text) override;
    void error(const QString& text) override;
    void message(const QString& text) override;
    Answer askYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    Answer askOkCancel(const QString& text) override;
    QString chooseOpenFile(const QString& folder, const QString& filter) override;
    QString chooseSaveFile(const QString& folder, const QString& fileName,
                           const QString& filter) override;

private:
    QWidget* m_parent;
};
