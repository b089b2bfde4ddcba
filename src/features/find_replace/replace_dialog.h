#pragma once

#include "foundation/messages/ui_language.h"

#include "features/find_replace/text_find.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The modeless replace dialog: downward only, match case, no whole-word choice; find next,
// replace and replace all. Esc closes it.
class ReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReplaceDialog(QWidget* parent = nullptr);

    void setLanguage(UiLanguage uiLanguage);
    ReplaceFields fields() const;
    // Opening the dialog from the menu starts with both texts empty.
    void clearTexts();

    QLabel* FindLabel;
    QLineEdit* FindText;
    QLabel* ReplaceLabel;
    QLineEdit* ReplaceText;
    QCheckBox* MatchCase;
    QPushButton* FindNextButton;
    QPushButton* ReplaceButton;
    QPushButton* ReplaceAllButton;
    QPushButton* CancelButton;

signals:
    void findNext();   // ReplaceDialog1Find
    void replace();    // ReplaceDialog1Replace
    void replaceAll(); // ReplaceDialog1Replace with replace all

protected:
    void showEvent(QShowEvent* event) override;
};
