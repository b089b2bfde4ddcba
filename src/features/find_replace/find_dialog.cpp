#include "features/find_replace/find_dialog.h"

#include "foundation/messages/message_table.h"

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
    setObjectName(QStringLiteral("findDialog"));
    setModal(false);

    m_findLabel = new QLabel(this);
    m_findEdit = new QLineEdit(this);
    m_findEdit->setObjectName(QStringLiteral("findEdit"));
    m_findEdit->setMinimumWidth(220);
    m_findLabel->setBuddy(m_findEdit);
    m_matchCase = new QCheckBox(this);
    m_matchCase->setObjectName(QStringLiteral("matchCaseCheck"));
    m_wholeWord = new QCheckBox(this);
    m_wholeWord->setObjectName(QStringLiteral("wholeWordCheck"));

    m_findNextButton = new QPushButton(this);
    m_findNextButton->setObjectName(QStringLiteral("findNextButton"));
    m_findNextButton->setDefault(true);
    m_findNextButton->setEnabled(false);
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setAutoDefault(false);

    // An empty text finds nothing; the button waits for one, as Enter in the field does.
    connect(m_findEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_findNextButton->setEnabled(!text.isEmpty()); });
    connect(m_findNextButton, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_findLabel, 0, 0);
    grid->addWidget(m_findEdit, 0, 1);
    auto* options = new QVBoxLayout;
    options->addWidget(m_wholeWord);
    options->addWidget(m_matchCase);
    grid->addLayout(options, 1, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_findNextButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    setLanguage(UiLanguage::German);
}

void FindDialog::setLanguage(UiLanguage uiLanguage) {
    setWindowTitle(searchDialogText(SearchText::FindTitle, uiLanguage));
    m_findLabel->setText(searchDialogText(SearchText::FindWhat, uiLanguage));
    m_matchCase->setText(searchDialogText(SearchText::MatchCase, uiLanguage));
    m_wholeWord->setText(searchDialogText(SearchText::WholeWord, uiLanguage));
    m_findNextButton->setText(searchDialogText(SearchText::FindNext, uiLanguage));
    m_cancelButton->setText(searchDialogText(SearchText::Cancel, uiLanguage));
}

FindFields FindDialog::fields() const {
    return {m_findEdit->text(), m_matchCase->isChecked(), m_wholeWord->isChecked()};
}

void FindDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_findEdit->setFocus();
    m_findEdit->selectAll();
}
