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
class LinkDialog : public QDialog {
    Q_OBJECT
public:
    // Incomplete input is reported through the prompter while the dialog stays open.
    explicit LinkDialog(Prompter& prompter, QWidget* parent = nullptr);

    // The caller sets the initial protocol, the language, the target and the description,
    // runs exec() and reads the markup.
    LinkFields& fields() { return m_fields; }

    int exec() override;
    void reject() override;

private:
    // Applies the opening rules and the language, then shows the fields.
    void prepare();
    void chooseProtocol(LinkProtocol protocol);
    // OK closes the dialog only when the input is complete.
    void acceptIfComplete();
    // The dialog only moves values between its widgets and the fields.
    void showFields();
    void readFields();

    LinkFields m_fields;
    Prompter& m_prompter;
    QGroupBox* m_protocolGroup;
    QRadioButton* m_protocolButtons[4];
    QLabel* m_targetLabel;
    QLabel* m_descriptionLabel;
    QLabel* m_titleLabel;
    QLabel* m_targetFrameLabel;
    QLineEdit* m_targetEdit;
    QLineEdit* m_descriptionEdit;
    QLineEdit* m_titleEdit;
    QComboBox* m_targetFrameCombo;
    QPushButton* m_cancelButton;
};
