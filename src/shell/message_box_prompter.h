#pragma once

#include "foundation/messages/prompter.h"

#include <functional>

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
    Placement choosePlacement(const QString& text) override;
    int chooseDocType() override;
    QString chooseOpenFile(const QString& folder, const QString& filter) override;
    QString chooseSaveFile(const QString& folder, const QString& fileName,
                           const QString& filter) override;

    // The window's own before/behind dialog; without one a three-button box asks.
    void setPlacementDialog(std::function<Placement(const QString&)> dialog) {
        m_placementDialog = std::move(dialog);
    }

    // The window's document-type dialog; without one the choice is cancelled.
    void setDocTypeDialog(std::function<int()> dialog) { m_docTypeDialog = std::move(dialog); }

private:
    QWidget* m_parent;
    std::function<Placement(const QString&)> m_placementDialog;
    std::function<int()> m_docTypeDialog;
};
