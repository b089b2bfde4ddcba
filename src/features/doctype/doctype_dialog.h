#pragma once

#include "features/doctype/doctype_command.h"
#include "foundation/messages/messages.h"

#include <QDialog>
#include <QList>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The choice of a document type. Lives as long as the window but always opens on HTML 4 /
// Transitional, whatever was chosen before.
class TFormDocType : public QDialog {
    Q_OBJECT
public:
    explicit TFormDocType(QWidget* parent = nullptr);

    // 0 German, anything else English; read when the dialog opens.
    UiLanguage Language = UiLanguage::German;
    // The chosen type's code after OK, 0 after Cancel.
    int DType = 0;

    DocTypeFields fields() const;
    void setFields(const DocTypeFields& fields);

    QGroupBox* RadioGroup1;
    QGroupBox* RadioGroup2;
    QList<QRadioButton*> documentItems;
    QList<QRadioButton*> specificationItems;
    QLabel* Label1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* radioGroup(const char* name, const char* itemPrefix, QButtonGroup*& group,
                          QList<QRadioButton*>& items);
    void applyTexts();

    QButtonGroup* m_documents = nullptr;
    QButtonGroup* m_specifications = nullptr;
};
