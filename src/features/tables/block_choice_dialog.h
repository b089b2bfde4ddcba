#pragma once

#include "features/tables/element_locator.h"
#include "foundation/messages/ui_language.h"

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

// The choice between DIV and SPAN before the enclosing block is selected. Lives as long as
// the window, so the choice stays as the user left it.
class BlockChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit BlockChoiceDialog(QWidget* parent = nullptr);

    // Read when the dialog opens.
    void setLanguage(UiLanguage language) { m_language = language; }

    BlockElement element() const;
    void setElement(BlockElement element);

protected:
    void showEvent(QShowEvent* event) override;

private:
    UiLanguage m_language = UiLanguage::German;
    QGroupBox* m_elementGroup;
    QRadioButton* m_divButton;
    QRadioButton* m_spanButton;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
};
