#pragma once

#include "foundation/messages/ui_language.h"

#include "features/find_replace/document_search.h"

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

signals:
    void findNext();
    void replace();
    void replaceAll();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_findLabel;
    QLineEdit* m_findEdit;
    QLabel* m_replaceLabel;
    QLineEdit* m_replaceEdit;
    QCheckBox* m_matchCase;
    QPushButton* m_findNextButton;
    QPushButton* m_replaceButton;
    QPushButton* m_replaceAllButton;
    QPushButton* m_cancelButton;
};
