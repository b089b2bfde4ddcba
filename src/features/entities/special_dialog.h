#pragma once

#include "foundation/messages/ui_language.h"

#include "features/entities/entities.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The special-characters dialog: entity buttons, a sample editor whose characters turn into
// numeric references, and the result field. Created once; the sample editor keeps what the
// user typed.
class TFormSpecial : public QDialog {
    Q_OBJECT
public:
    explicit TFormSpecial(QWidget* parent = nullptr);

    UiLanguage Language = UiLanguage::German;
    QString sCode; // what the command inserts, however the dialog closes

    // Clears sCode and Edit1 and sets the texts for Language, then runs modally.
    int exec() override;

private:
    void FormShow();
    void entityClick(const SpecialEntity& entity);
    void BitBtn3Click();
    void BitBtnOkClick();
    SpecialFields fields() const;
    void showFields(const SpecialFields& fields);

    QWidget* m_entities;
    QPlainTextEdit* m_sample;
    QLineEdit* m_code;
    QLabel* m_codeLabel;
    QPushButton* m_keyCode;
    QPushButton* m_close;
};
