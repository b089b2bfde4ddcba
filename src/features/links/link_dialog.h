#pragma once

#include "features/links/link_markup.h"

#include <QDialog>

class Prompter;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The link dialog: protocol, target, text, title and target frame of a hyperlink. Created
// once; LinkFields is its state and the rules of link_markup decide every change.
class TFormSettings : public QDialog {
    Q_OBJECT
public:
    // Incomplete input is reported through the prompter while the dialog stays open.
    explicit TFormSettings(Prompter& prompter, QWidget* parent = nullptr);

    // The caller sets LinkTyp, DLanguage, the target and the description, runs exec() and
    // reads LinkStart.
    LinkFields fields;

    int exec() override;
    void reject() override;

private:
    void FormShow();
    void RadioButtonClick(LinkProtocol protocol);
    void BitBtn1Click();
    // The dialog only moves values between its widgets and the fields.
    void showFields();
    void readFields();

    Prompter& m_prompter;
    QGroupBox* m_group;
    QRadioButton* m_radio[4];
    QLabel* m_targetLabel;
    QLineEdit* m_target;
    QLineEdit* m_description;
    QLineEdit* m_title;
    QComboBox* m_frame;
    QPushButton* m_cancel;
};
