#pragma once

#include "foundation/messages/ui_language.h"

#include "features/find_replace/document_search.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The texts of the find and replace dialogs, by the UI language.
enum class SearchText {
    FindTitle,
    ReplaceTitle,
    FindWhat,
    ReplaceWith,
    MatchCase,
    WholeWord,
    FindNext,
    Replace,
    ReplaceAll,
    Cancel,
};
QString searchDialogText(SearchText key, UiLanguage uiLanguage);

// The modeless find dialog: downward only, match case and whole word. The user keeps working
// in the editor while it is open; Esc closes it and it keeps its texts for the next opening.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);

    void setLanguage(UiLanguage uiLanguage);
    FindFields fields() const;

signals:
    void findNext();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_findLabel;
    QLineEdit* m_findEdit;
    QCheckBox* m_matchCase;
    QCheckBox* m_wholeWord;
    QPushButton* m_findNextButton;
    QPushButton* m_cancelButton;
};
