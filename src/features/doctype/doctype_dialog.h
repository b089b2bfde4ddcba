#pragma once

#include "features/doctype/doctype_command.h"
#include "foundation/messages/message_table.h"

#include <QDialog>
#include <QList>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The choice of a document type. Lives as long as the window but always opens on HTML 5,
// whatever was chosen before.
class DocTypeDialog : public QDialog {
    Q_OBJECT
public:
    explicit DocTypeDialog(QWidget* parent = nullptr);

    // Read when the dialog opens.
    void setLanguage(UiLanguage language) { m_language = language; }
    // The chosen type's code after OK, 0 after Cancel.
    int chosenCode() const { return m_chosenCode; }

    DocTypeFields fields() const;
    void setFields(const DocTypeFields& fields);

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* makeRadioGroup(const char* name, const std::array<const char*, 3>& itemNames,
                              QButtonGroup*& group, QList<QRadioButton*>& items);
    void applyTexts();
    void showSpecificationState();

    UiLanguage m_language = UiLanguage::German;
    int m_chosenCode = 0;
    QGroupBox* m_documentGroup;
    QGroupBox* m_specificationGroup;
    QList<QRadioButton*> m_documentButtons;
    QList<QRadioButton*> m_specificationButtons;
    QLabel* m_noteLabel;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QButtonGroup* m_documents = nullptr;
    QButtonGroup* m_specifications = nullptr;
};
