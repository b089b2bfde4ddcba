#pragma once

#include "foundation/messages/ui_language.h"

#include "features/forms/form_markup.h"

#include "widgets/dialog_parts.h"

#include <QDialog>

#include <functional>
#include <utility>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The form-control dialog: one form control of a chosen type. Created once; the fields keep
// what the user typed except where the type set-up overwrites them.
class FormControlDialog : public QDialog {
    Q_OBJECT
public:
    explicit FormControlDialog(QWidget* parent = nullptr);

    void setLanguage(UiLanguage language) { m_language = language; }
    // Empty unless OK built markup.
    QString htmlCode() const { return m_htmlCode; }

    // Sets the type index and the button flag as the command leaves them, then runs modally.
    int execFor(InputCommand command);
    // Clears the code, sets the texts for the language and the type of the last command, then
    // runs modally.
    int exec() override;

    InputFields fields() const;

    // What the browse button asks for a picture with: it returns the path, empty when none was
    // chosen. The desktop's file dialog by default; tests put their own here.
    void setPictureChooser(std::function<QString()> chooser) {
        m_choosePicture = std::move(chooser);
    }

private:
    void prepareToShow();
    void applyType(int index);
    void browseForPicture();
    void buildMarkup();
    void showFields(const InputFields& fields);

    UiLanguage m_language = UiLanguage::German;
    // The type index and button flag as the last command left them.
    InputDialogState m_state;
    QString m_htmlCode;
    std::function<QString()> m_choosePicture;
    QComboBox* m_type;
    QLineEdit* m_name;
    QLineEdit* m_size;
    QLineEdit* m_length;
    QLineEdit* m_value;
    QLineEdit* m_clickScript;
    QLineEdit* m_image;
    DialogCaptions m_captions;
    QLabel* m_sizeLabel;
    QLabel* m_lengthLabel;
    QLabel* m_imageLabel;
    QPushButton* m_browse;
    QPushButton* m_cancel;
};
