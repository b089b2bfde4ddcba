#pragma once

#include "foundation/messages/ui_language.h"

#include "features/find_replace/text_find.h"

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

    QLabel* FindLabel;
    QLineEdit* FindText;
    QCheckBox* MatchCase;
    QCheckBox* WholeWord;
    QPushButton* FindNextButton;
    QPushButton* CancelButton;

signals:
    // The "find next" button (FindDialog1Find).
    void findNext();

protected:
    void showEvent(QShowEvent* event) override;
};
