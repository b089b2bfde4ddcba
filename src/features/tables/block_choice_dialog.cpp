#include "features/tables/block_choice_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

BlockChoiceDialog::BlockChoiceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("blockChoiceDialog"));
    setWindowTitle(QStringLiteral("DIV/SPAN"));

    m_elementGroup = new QGroupBox(this);
    m_elementGroup->setObjectName(QStringLiteral("elementGroup"));
    m_divButton = new QRadioButton(QStringLiteral("<div>"), m_elementGroup);
    m_divButton->setObjectName(QStringLiteral("divButton"));
    m_spanButton = new QRadioButton(QStringLiteral("<span>"), m_elementGroup);
    m_spanButton->setObjectName(QStringLiteral("spanButton"));
    auto* columns = new QGridLayout(m_elementGroup);
    columns->addWidget(m_divButton, 0, 0);
    columns->addWidget(m_spanButton, 0, 1);
    m_divButton->setChecked(true);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_elementGroup);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

BlockElement BlockChoiceDialog::element() const {
    return m_spanButton->isChecked() ? BlockElement::Span : BlockElement::Div;
}

void BlockChoiceDialog::setElement(BlockElement element) {
    (element == BlockElement::Span ? m_spanButton : m_divButton)->setChecked(true);
}

void BlockChoiceDialog::showEvent(QShowEvent* event) {
    const bool german = m_language == UiLanguage::German;
    m_elementGroup->setTitle(german ? QStringLiteral("Auswählen") : QStringLiteral("Select"));
    m_cancelButton->setText(german ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"));
    QDialog::showEvent(event);
}
