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
class TFormObject : public QDialog {
    Q_OBJECT
public:
    explicit TFormObject(QWidget* parent = nullptr);

    UiLanguage Sprache = UiLanguage::German;
    QString ObjectTag; // the built element; empty unless OK built one

    // Resets the dialog as every showing does, then runs modally.
    int exec() override;

    // The fields as they stand in the widgets.
    ObjectFields fields() const;

private:
    void FormShow();
    void ComboBox1Select(int index);
    void ComboBox2Select(int index);
    void ButtonAddClick();
    void Button1Click();
    void BitBtn1Click();
    // Puts the struct's values into the widgets after a core operation changed them.
    void showFields();

    ObjectFields m_fields;
    QComboBox* m_types;
    QComboBox* m_mimeTypes;
    QLabel* m_label1;
    QLabel* m_label2;
    QLabel* m_label11;
    QLineEdit* m_class;
    QLineEdit* m_code;
    QLineEdit* m_name;
    QLineEdit* m_width;
    QLineEdit* m_height;
    QLineEdit* m_border;
    QLineEdit* m_map;
    QLineEdit* m_pName;
    QLineEdit* m_pValue;
    QPlainTextEdit* m_parameters;
    std::array<QLabel*, 9> m_hinted; // the labels with a hint, in the order of the texts
    QLabel* m_typeLabel;
    QPushButton* m_add;
    QPushButton* m_delete;
    QPushButton* m_cancel;
};
