#include "features/tables/block_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

TFormBlock::TFormBlock(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormBlock"));
    setWindowTitle(QStringLiteral("DIV/SPAN"));

    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    ItemDiv = new QRadioButton(QStringLiteral("<div>"), RadioGroup1);
    ItemDiv->setObjectName(QStringLiteral("ItemDiv"));
    ItemSpan = new QRadioButton(QStringLiteral("<span>"), RadioGroup1);
    ItemSpan->setObjectName(QStringLiteral("ItemSpan"));
    auto* columns = new QGridLayout(RadioGroup1);
    columns->addWidget(ItemDiv, 0, 0);
    columns->addWidget(ItemSpan, 0, 1);
    ItemDiv->setChecked(true);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TFormBlock::itemIndex() const {
    return ItemSpan->isChecked() ? 1 : 0;
}

void TFormBlock::setItemIndex(int index) {
    (index <= 0 ? ItemDiv : ItemSpan)->setChecked(true);
}

void TFormBlock::showEvent(QShowEvent* event) {
    const bool german = Sprache == UiLanguage::German;
    RadioGroup1->setTitle(german ? QStringLiteral("Auswählen") : QStringLiteral("Select"));
    BitBtn2->setText(german ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"));
    QDialog::showEvent(event);
}
