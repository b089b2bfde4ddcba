#pragma once

#include "foundation/messages/messages.h"

#include <QDialog>

class QLabel;
class QPushButton;

// Asks whether a new row or cell goes before or behind the one around the caret.
class TFormInsTR : public QDialog {
    Q_OBJECT
public:
    explicit TFormInsTR(QWidget* parent = nullptr);

    // 0 before the current position, 1 behind it, -1 no choice.
    int Vor = -1;
    // The user pressed Cancel or Esc.
    bool Abbruch = false;
    // 0 German, anything else English; read when the dialog opens.
    UiLanguage Sprache = UiLanguage::German;

    QLabel* Label1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(int vor);
};
