#pragma once

#include "foundation/messages/messages.h"

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

// The choice between DIV and SPAN before the enclosing block is selected. Lives as long as
// the window, so the choice stays as the user left it.
class TFormBlock : public QDialog {
    Q_OBJECT
public:
    explicit TFormBlock(QWidget* parent = nullptr);

    // 0 German, anything else English; read when the dialog opens.
    UiLanguage Sprache = UiLanguage::German;

    // The chosen item of RadioGroup1: 0 "<div>", 1 "<span>".
    int itemIndex() const;
    void setItemIndex(int index);

    QGroupBox* RadioGroup1;
    QRadioButton* ItemDiv;
    QRadioButton* ItemSpan;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

protected:
    void showEvent(QShowEvent* event) override;
};
