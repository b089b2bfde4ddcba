#pragma once

#include "foundation/messages/ui_language.h"

#include "features/forms/form_markup.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The input dialog: one form control of a chosen type. Created once; the fields keep what the
// user typed except where the type set-up overwrites them.
class TFormInput : public QDialog {
    Q_OBJECT
public:
    explicit TFormInput(QWidget* parent = nullptr);

    UiLanguage Sprache = UiLanguage::German;
    // InpTyp and NotInput as the last command left them.
    InputDialogState state;
    QString HTMCode; // empty unless OK built markup

    // Clears HTMCode, sets the texts for Sprache and the type InpTyp, then runs modally.
    int exec() override;

    InputFields fields() const;

    // Asks for a picture and returns its path, empty when none was chosen. The desktop's file
    // dialog by default; tests put their own here.
    std::function<QString()> choosePicture;
    void BitBtn1Click();

private:
    void FormShow();
    void ComboBoxTypeSelect(int index);
    void BitBtn2Click();
    void showFields(const InputFields& fields);

    QComboBox* m_type;
    QLineEdit* m_name;
    QLineEdit* m_size;
    QLineEdit* m_length;
    QLineEdit* m_value;
    QLineEdit* m_click;
    QLineEdit* m_image;
    QLabel* m_sizeLabel;
    QLabel* m_lengthLabel;
    QLabel* m_imageLabel;
    QPushButton* m_browse;
    QPushButton* m_cancel;
};
