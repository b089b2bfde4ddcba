#pragma once

#include "foundation/messages/prompter.h"
#include "foundation/messages/ui_language.h"

#include <QDialog>

class QLabel;
class QPushButton;

// Asks whether a new row or cell goes before or behind the one around the caret.
class PlacementDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlacementDialog(QWidget* parent = nullptr);

    // Read when the dialog opens.
    void setLanguage(UiLanguage language) { m_language = language; }
    // The commands place only before or behind; they switch the end-of-table choice off.
    void setEndOfTableEnabled(bool enabled);

    // Before or Behind as chosen; Cancel when the user cancelled or chose the end of the table.
    Prompter::Placement placement() const { return m_placement; }
    // The user pressed Cancel or Esc.
    bool wasCancelled() const { return m_cancelled; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(Prompter::Placement placement);

    Prompter::Placement m_placement = Prompter::Placement::Cancel;
    bool m_cancelled = false;
    UiLanguage m_language = UiLanguage::German;

    QLabel* m_questionLabel;
    QPushButton* m_beforeButton;
    QPushButton* m_behindButton;
    QPushButton* m_endOfTableButton;
    QPushButton* m_cancelButton;
};
