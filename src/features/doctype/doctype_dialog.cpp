#include "features/doctype/doctype_dialog.h"

#include "widgets/dialog_parts.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int ItemCount = 3;

} // namespace

TFormDocType::TFormDocType(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormDocType"));
    RadioGroup1 = radioGroup("RadioGroup1", "Document", m_documents, documentItems);
    RadioGroup2 = radioGroup("RadioGroup2", "Specification", m_specifications, specificationItems);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    const OkCancelButtons buttons = makeOkCancelButtons(this);
    BitBtn1 = buttons.ok;
    BitBtn2 = buttons.cancel;
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(BitBtn1, &QPushButton::clicked, this, &TFormDocType::accept);

    auto* groups = new QHBoxLayout;
    groups->addWidget(RadioGroup1);
    groups->addWidget(RadioGroup2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(Label1);
    layout->addWidget(buttons.box);
    setMinimumWidth(360);
    applyTexts();
}

QGroupBox* TFormDocType::radioGroup(const char* name, const char* itemPrefix, QButtonGroup*& group,
                                    QList<QRadioButton*>& items) {
    auto* box = new QGroupBox(this);
    box->setObjectName(QLatin1String(name));
    group = new QButtonGroup(this);
    auto* column = new QVBoxLayout(box);
    for (int i = 0; i < ItemCount; ++i) {
        auto* item = new QRadioButton(box);
        item->setObjectName(QLatin1String(itemPrefix) + QString::number(i));
        group->addButton(item, i);
        column->addWidget(item);
        items << item;
    }
    items.first()->setChecked(true);
    return box;
}

DocTypeFields TFormDocType::fields() const {
    return {qMax(0, m_documents->checkedId()), qMax(0, m_specifications->checkedId())};
}

void TFormDocType::setFields(const DocTypeFields& fields) {
    documentItems.value(fields.documentIndex, documentItems.first())->setChecked(true);
    specificationItems.value(fields.specificationIndex, specificationItems.first())
        ->setChecked(true);
}

void TFormDocType::applyTexts() {
    const DocTypeDialogTexts texts = docTypeDialogTexts(Language);
    setWindowTitle(texts.caption);
    RadioGroup1->setTitle(texts.documentGroup);
    RadioGroup2->setTitle(texts.specificationGroup);
    for (int i = 0; i < ItemCount; ++i) {
        documentItems[i]->setText(texts.documentItems.value(i));
        specificationItems[i]->setText(texts.specificationItems.value(i));
    }
    Label1->setText(texts.note);
    BitBtn1->setText(texts.ok);
    BitBtn2->setText(texts.cancel);
}

void TFormDocType::showEvent(QShowEvent* event) {
    setFields({});
    DType = 0;
    applyTexts();
    QDialog::showEvent(event);
}

void TFormDocType::accept() {
    DType = docTypeResult(fields(), true);
    QDialog::accept();
}

void TFormDocType::reject() {
    DType = docTypeResult(fields(), false);
    QDialog::reject();
}
