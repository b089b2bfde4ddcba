#include "features/find_replace/replace_dialog.h"

#include "features/find_replace/find_dialog.h"
#include "foundation/messages/message_table.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* namedButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

ReplaceDialog::ReplaceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("replaceDialog"));
    setModal(false);

    m_findLabel = new QLabel(this);
    m_findEdit = new QLineEdit(this);
    m_findEdit->setObjectName(QStringLiteral("findEdit"));
    m_findEdit->setMinimumWidth(220);
    m_findLabel->setBuddy(m_findEdit);
    m_replaceLabel = new QLabel(this);
    m_replaceEdit = new QLineEdit(this);
    m_replaceEdit->setObjectName(QStringLiteral("replaceEdit"));
    m_replaceLabel->setBuddy(m_replaceEdit);
    m_matchCase = new QCheckBox(this);
    m_matchCase->setObjectName(QStringLiteral("matchCaseCheck"));

    m_findNextButton = namedButton(this, "findNextButton");
    m_findNextButton->setDefault(true);
    m_replaceButton = namedButton(this, "replaceButton");
    m_replaceAllButton = namedButton(this, "replaceAllButton");
    m_cancelButton = namedButton(this, "cancelButton");

    // Without a text to find only Cancel has work to do.
    auto enable = [this] {
        const bool any = !m_findEdit->text().isEmpty();
        for (QPushButton* b : {m_findNextButton, m_replaceButton, m_replaceAllButton})
            b->setEnabled(any);
    };
    connect(m_findEdit, &QLineEdit::textChanged, this, enable);
    enable();
    connect(m_findNextButton, &QPushButton::clicked, this, &ReplaceDialog::findNext);
    connect(m_replaceButton, &QPushButton::clicked, this, &ReplaceDialog::replace);
    connect(m_replaceAllButton, &QPushButton::clicked, this, &ReplaceDialog::replaceAll);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_findLabel, 0, 0);
    grid->addWidget(m_findEdit, 0, 1);
    grid->addWidget(m_replaceLabel, 1, 0);
    grid->addWidget(m_replaceEdit, 1, 1);
    grid->addWidget(m_matchCase, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_findNextButton, m_replaceButton, m_replaceAllButton, m_cancelButton})
        buttons->addWidget(b);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 4, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    setLanguage(UiLanguage::German);
}

void ReplaceDialog::setLanguage(UiLanguage uiLanguage) {
    setWindowTitle(searchDialogText(SearchText::ReplaceTitle, uiLanguage));
    m_findLabel->setText(searchDialogText(SearchText::FindWhat, uiLanguage));
    m_replaceLabel->setText(searchDialogText(SearchText::ReplaceWith, uiLanguage));
    m_matchCase->setText(searchDialogText(SearchText::MatchCase, uiLanguage));
    m_findNextButton->setText(searchDialogText(SearchText::FindNext, uiLanguage));
    m_replaceButton->setText(searchDialogText(SearchText::Replace, uiLanguage));
    m_replaceAllButton->setText(searchDialogText(SearchText::ReplaceAll, uiLanguage));
    m_cancelButton->setText(searchDialogText(SearchText::Cancel, uiLanguage));
}

ReplaceFields ReplaceDialog::fields() const {
    return {m_findEdit->text(), m_replaceEdit->text(), m_matchCase->isChecked()};
}

void ReplaceDialog::clearTexts() {
    m_findEdit->clear();
    m_replaceEdit->clear();
}

void ReplaceDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_findEdit->setFocus();
}
