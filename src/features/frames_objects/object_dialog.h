#pragma once

#include "foundation/messages/ui_language.h"

#include "features/frames_objects/object_markup.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The object dialog: a type preset, the attribute fields and the param lines; OK builds the
// element. Created once; width and height keep what the user typed.
class ObjectDialog : public QDialog {
    Q_OBJECT
public:
    explicit ObjectDialog(QWidget* parent = nullptr);

    void setLanguage(UiLanguage language) { m_language = language; }
    // The built element; empty unless OK built one.
    QString element() const { return m_element; }

    // Resets the dialog as every showing does, then runs modally.
    int exec() override;

    // The fields as they stand in the widgets.
    ObjectFields fields() const;

private:
    void prepareToShow();
    void pickType(int index);
    void pickMimeType(int index);
    void addParameterLine();
    void clearParameters();
    void buildElementAndAccept();
    // Puts the struct's values into the widgets after a core operation changed them.
    void showFields();

    UiLanguage m_language = UiLanguage::German;
    QString m_element;
    ObjectFields m_fields;
    QComboBox* m_typeCombo;
    QComboBox* m_mimeTypeCombo;
    QLabel* m_classIdLabel;
    QLabel* m_codeBaseLabel;
    QLabel* m_nameLabel;
    QLineEdit* m_classId;
    QLineEdit* m_codeBase;
    QLineEdit* m_name;
    QLineEdit* m_width;
    QLineEdit* m_height;
    QLineEdit* m_border;
    QLineEdit* m_useMap;
    QLineEdit* m_parameterName;
    QLineEdit* m_parameterValue;
    QPlainTextEdit* m_parameters;
    std::array<QLabel*, 9> m_hinted; // the labels with a hint, in the order of the texts
    QLabel* m_typeLabel;
    QLabel* m_mimeTypeLabel;
    QPushButton* m_addParameterButton;
    QPushButton* m_clearParametersButton;
    QPushButton* m_cancel;
};
