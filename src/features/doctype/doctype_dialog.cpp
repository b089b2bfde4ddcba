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

DocTypeDialog::DocTypeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("docTypeDialog"));
    m_documentGroup = makeRadioGroup("documentGroup", {"html4Button", "xhtmlButton", "html5Button"},
                                     m_documents, m_documentButtons);
    m_specificationGroup = makeRadioGroup("specificationGroup",
                                          {"transitionalButton", "strictButton", "framesetButton"},
                                          m_specifications, m_specificationButtons);

    m_noteLabel = new QLabel(this);
    m_noteLabel->setObjectName(QStringLiteral("noteLabel"));
    m_noteLabel->setWordWrap(true);

    const OkCancelButtons buttons = makeOkCancelButtons(this);
    m_okButton = buttons.ok;
    m_cancelButton = buttons.cancel;
    m_okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    m_cancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(m_okButton, &QPushButton::clicked, this, &DocTypeDialog::accept);

    auto* groups = new QHBoxLayout;
    groups->addWidget(m_documentGroup);
    groups->addWidget(m_specificationGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(m_noteLabel);
    layout->addWidget(buttons.box);
    setMinimumWidth(360);
    connect(m_documents, &QButtonGroup::idToggled, this, [this] { showSpecificationState(); });
    setFields({});
    applyTexts();
}

QGroupBox* DocTypeDialog::makeRadioGroup(const char* name,
                                         const std::array<const char*, 3>& itemNames,
                                         QButtonGroup*& group, QList<QRadioButton*>& items) {
    auto* box = new QGroupBox(this);
    box->setObjectName(QLatin1String(name));
    group = new QButtonGroup(this);
    auto* column = new QVBoxLayout(box);
    for (int i = 0; i < ItemCount; ++i) {
        auto* item = new QRadioButton(box);
        item->setObjectName(QLatin1String(itemNames[i]));
        group->addButton(item, i);
        column->addWidget(item);
        items << item;
    }
    return box;
}

DocTypeFields DocTypeDialog::fields() const {
    return {qMax(0, m_documents->checkedId()), qMax(0, m_specifications->checkedId())};
}

void DocTypeDialog::setFields(const DocTypeFields& fields) {
    m_documentButtons.value(fields.documentIndex, m_documentButtons.last())->setChecked(true);
    m_specificationButtons.value(fields.specificationIndex, m_specificationButtons.first())
        ->setChecked(true);
    showSpecificationState();
}

void DocTypeDialog::showSpecificationState() {
    m_specificationGroup->setEnabled(specificationApplies(fields()));
}

void DocTypeDialog::applyTexts() {
    const DocTypeDialogTexts texts = docTypeDialogTexts(m_language);
    setWindowTitle(texts.caption);
    m_documentGroup->setTitle(texts.documentGroup);
    m_specificationGroup->setTitle(texts.specificationGroup);
    for (int i = 0; i < ItemCount; ++i) {
        m_documentButtons[i]->setText(texts.documentItems.value(i));
        m_specificationButtons[i]->setText(texts.specificationItems.value(i));
    }
    m_noteLabel->setText(texts.note);
    m_okButton->setText(texts.ok);
    m_cancelButton->setText(texts.cancel);
}

void DocTypeDialog::showEvent(QShowEvent* event) {
    setFields({});
    m_chosenCode = 0;
    applyTexts();
    QDialog::showEvent(event);
}

void DocTypeDialog::accept() {
    m_chosenCode = docTypeResult(fields(), true);
    QDialog::accept();
}

void DocTypeDialog::reject() {
    m_chosenCode = docTypeResult(fields(), false);
    QDialog::reject();
}
