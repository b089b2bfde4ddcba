#include "features/find_replace/replace_dialog.h"

#include "features/find_replace/find_dialog.h"
#include "foundation/messages/messages.h"

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
    setObjectName(QStringLiteral("ReplaceDialog1"));
    setModal(false);

    FindLabel = new QLabel(this);
    FindText = new QLineEdit(this);
    FindText->setObjectName(QStringLiteral("FindText"));
    FindText->setMinimumWidth(220);
    FindLabel->setBuddy(FindText);
    ReplaceLabel = new QLabel(this);
    ReplaceText = new QLineEdit(this);
    ReplaceText->setObjectName(QStringLiteral("ReplaceText"));
    ReplaceLabel->setBuddy(ReplaceText);
    MatchCase = new QCheckBox(this);
    MatchCase->setObjectName(QStringLiteral("MatchCase"));

    FindNextButton = namedButton(this, "FindNextButton");
    FindNextButton->setDefault(true);
    ReplaceButton = namedButton(this, "ReplaceButton");
    ReplaceAllButton = namedButton(this, "ReplaceAllButton");
    CancelButton = namedButton(this, "CancelButton");

    // Without a text to find only Cancel has work to do.
    auto enable = [this] {
        const bool any = !FindText->text().isEmpty();
        for (QPushButton* b : {FindNextButton, ReplaceButton, ReplaceAllButton})
            b->setEnabled(any);
    };
    connect(FindText, &QLineEdit::textChanged, this, enable);
    enable();
    connect(FindNextButton, &QPushButton::clicked, this, &ReplaceDialog::findNext);
    connect(ReplaceButton, &QPushButton::clicked, this, &ReplaceDialog::replace);
    connect(ReplaceAllButton, &QPushButton::clicked, this, &ReplaceDialog::replaceAll);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(FindLabel, 0, 0);
    grid->addWidget(FindText, 0, 1);
    grid->addWidget(ReplaceLabel, 1, 0);
    grid->addWidget(ReplaceText, 1, 1);
    grid->addWidget(MatchCase, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {FindNextButton, ReplaceButton, ReplaceAllButton, CancelButton})
        buttons->addWidget(b);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 4, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    setLanguage(UiLanguage::German);
}

void ReplaceDialog::setLanguage(UiLanguage uiLanguage) {
    setWindowTitle(searchDialogText(SearchText::ReplaceTitle, uiLanguage));
    FindLabel->setText(searchDialogText(SearchText::FindWhat, uiLanguage));
    ReplaceLabel->setText(searchDialogText(SearchText::ReplaceWith, uiLanguage));
    MatchCase->setText(searchDialogText(SearchText::MatchCase, uiLanguage));
    FindNextButton->setText(searchDialogText(SearchText::FindNext, uiLanguage));
    ReplaceButton->setText(searchDialogText(SearchText::Replace, uiLanguage));
    ReplaceAllButton->setText(searchDialogText(SearchText::ReplaceAll, uiLanguage));
    CancelButton->setText(searchDialogText(SearchText::Cancel, uiLanguage));
}

ReplaceFields ReplaceDialog::fields() const {
    return {FindText->text(), ReplaceText->text(), MatchCase->isChecked()};
}

void ReplaceDialog::clearTexts() {
    FindText->clear();
    ReplaceText->clear();
}

void ReplaceDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FindText->setFocus();
}
