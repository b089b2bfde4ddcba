#pragma once

#include "foundation/messages/ui_language.h"

#include "features/forms/form_markup.h"

#include "widgets/dialog_parts.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The form dialog: a new FORM element with a few ready controls. Created once; the fields
// keep what the user left in them.
class FormDialog : public QDialog {
    Q_OBJECT
public:
    explicit FormDialog(QWidget* parent = nullptr);

    void setLanguage(UiLanguage language) { m_language = language; }
    // Empty unless OK built the form.
    QString htmlCode() const { return m_htmlCode; }

    // Clears the code and sets the texts for the language, then runs modally.
    int exec() override;

    FormFields fields() const;

private:
    void prepareToShow();
    void applyUploadBox();
    void buildForm();

    UiLanguage m_language = UiLanguage::German;
    DialogCaptions m_captions;
    QString m_htmlCode;
    QLineEdit* m_name;
    QLineEdit* m_action;
    QComboBox* m_method;
    QComboBox* m_encoding;
    QLineEdit* m_onSubmit;
    QCheckBox* m_inputCheck;
    QCheckBox* m_uploadCheck;
    QCheckBox* m_submitCheck;
    QCheckBox* m_resetCheck;
    QPushButton* m_cancel;
};
