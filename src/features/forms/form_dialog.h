#pragma once

#include "foundation/messages/ui_language.h"

#include "features/forms/form_markup.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The form dialog: a new FORM element with a few ready controls. Created once; the fields
// keep what the user left in them.
class TFormFormular : public QDialog {
    Q_OBJECT
public:
    explicit TFormFormular(QWidget* parent = nullptr);

    UiLanguage Sprache = UiLanguage::German;
    QString FormCode; // empty unless OK built the form

    // Clears FormCode and sets the texts for Sprache, then runs modally.
    int exec() override;

    FormFields fields() const;

private:
    void FormShow();
    void CheckUploadClick();
    void BitBtn1Click();

    QLineEdit* m_name;
    QLineEdit* m_action;
    QComboBox* m_method;
    QComboBox* m_encType;
    QLineEdit* m_submit;
    QCheckBox* m_input;
    QCheckBox* m_upload;
    QCheckBox* m_submitBox;
    QCheckBox* m_reset;
    QPushButton* m_cancel;
};
