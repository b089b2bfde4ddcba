#include "features/find_replace/find_dialog.h"

#include "foundation/messages/messages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString searchDialogText(SearchText key, UiLanguage uiLanguage) {
    struct Pair {
        const char16_t* german;
        const char16_t* english;
    };
    static constexpr Pair texts[] = {
        {u"Suchen", u"Find"},
        {u"Ersetzen", u"Replace"},
        {u"Suchen &nach:", u"Fi&nd what:"},
        {u"Ersetzen &durch:", u"Re&place with:"},
        {u"Groß-/&Kleinschreibung beachten", u"Match &case"},
        {u"Nur &ganzes Wort suchen", u"Match &whole word only"},
        {u"&Weitersuchen", u"&Find Next"},
        {u"&Ersetzen", u"&Replace"},
        {u"&Alle ersetzen", u"Replace &All"},
        {u"Abbrechen", u"Cancel"},
    };
    const Pair& pair = texts[int(key)];
    return QString::fromUtf16(uiLanguage == UiLanguage::German ? pair.german : pair.english);
}

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog1"));
    setModal(false);

    FindLabel = new QLabel(this);
    FindText = new QLineEdit(this);
    FindText->setObjectName(QStringLiteral("FindText"));
    FindText->setMinimumWidth(220);
    FindLabel->setBuddy(FindText);
    MatchCase = new QCheckBox(this);
    MatchCase->setObjectName(QStringLiteral("MatchCase"));
    WholeWord = new QCheckBox(this);
    WholeWord->setObjectName(QStringLiteral("WholeWord"));

    FindNextButton = new QPushButton(this);
    FindNextButton->setObjectName(QStringLiteral("FindNextButton"));
    FindNextButton->setDefault(true);
    FindNextButton->setEnabled(false);
    CancelButton = new QPushButton(this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);

    // An empty text finds nothing; the button waits for one, as Enter in the field does.
    connect(FindText, &QLineEdit::textChanged, this,
            [this](const QString& text) { FindNextButton->setEnabled(!text.isEmpty()); });
    connect(FindNextButton, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(FindLabel, 0, 0);
    grid->addWidget(FindText, 0, 1);
    auto* options = new QVBoxLayout;
    options->addWidget(WholeWord);
    options->addWidget(MatchCase);
    grid->addLayout(options, 1, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(FindNextButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    setLanguage(UiLanguage::German);
}

void FindDialog::setLanguage(UiLanguage uiLanguage) {
    setWindowTitle(searchDialogText(SearchText::FindTitle, uiLanguage));
    FindLabel->setText(searchDialogText(SearchText::FindWhat, uiLanguage));
    MatchCase->setText(searchDialogText(SearchText::MatchCase, uiLanguage));
    WholeWord->setText(searchDialogText(SearchText::WholeWord, uiLanguage));
    FindNextButton->setText(searchDialogText(SearchText::FindNext, uiLanguage));
    CancelButton->setText(searchDialogText(SearchText::Cancel, uiLanguage));
}

FindFields FindDialog::fields() const {
    return {FindText->text(), MatchCase->isChecked(), WholeWord->isChecked()};
}

void FindDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FindText->setFocus();
    FindText->selectAll();
}
