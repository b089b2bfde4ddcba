#include "features/styles/div_dialog.h"

#include "foundation/messages/ui_text.h"
#include "widgets/dialog_parts.h"

#include "features/styles/css_dialog.h"
#include "foundation/messages/prompter.h"
#include "widgets/help.h"
#include "widgets/icons.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const UiText Caption{"Eigenschaften", "Properties"};
const UiText CancelCaption{"Abbrechen", "Cancel"};
const UiText LookupHint{"Style im Dokument anzeigen", "Show the style in the document"};
const UiText ClearHint{"Style leeren", "Clear the style"};

constexpr int HelpContext = 140;

QToolButton* iconButton(const char* name, const QString& icon) {
    auto* button = named(new QToolButton, name);
    button->setIcon(themedIcon(icon));
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

DivDialog::DivDialog(CssDialog& cssDialog, LookupServices services, QWidget* parent)
    : QDialog(parent), m_cssDialog(cssDialog), m_services(std::move(services)) {
    setObjectName(QStringLiteral("divDialog"));

    m_tagName = named(new QLabel, "tagNameLabel");
    // "<DIV>" would otherwise be taken for markup and show nothing.
    m_tagName->setTextFormat(Qt::PlainText);
    QFont bold = m_tagName->font();
    bold.setBold(true);
    m_tagName->setFont(bold);

    m_class = named(new QLineEdit, "classEdit");
    m_classLookupButton = iconButton("classLookupButton", QStringLiteral("hx-div-lookup"));
    m_id = named(new QLineEdit, "idEdit");
    m_idLookupButton = iconButton("idLookupButton", QStringLiteral("hx-div-lookup"));
    m_textAlign = named(new QComboBox, "textAlignCombo");
    m_textAlign->setEditable(true);
    m_textAlign->setInsertPolicy(QComboBox::NoInsert);
    m_textAlign->setMinimumContentsLength(10);
    m_textAlign->addItems({QStringLiteral("left"), QStringLiteral("right"),
                           QStringLiteral("center"), QStringLiteral("justify")});
    m_editStyleButton = named(new QPushButton(QStringLiteral("Style=")), "editStyleButton");
    m_editStyleButton->setAutoDefault(false);
    m_style = named(new QLineEdit, "styleEdit");
    m_style->setMinimumWidth(420);
    m_clearStyleButton = iconButton("clearStyleButton", QStringLiteral("hx-div-clear"));

    auto* classLabel = new QLabel(QStringLiteral("Class="));
    classLabel->setBuddy(m_class);
    auto* idLabel = new QLabel(QStringLiteral("ID="));
    idLabel->setBuddy(m_id);
    auto* alignLabel = new QLabel(QStringLiteral("text-align:"));
    alignLabel->setBuddy(m_textAlign);

    auto* grid = new QGridLayout;
    grid->addWidget(m_tagName, 0, 0, 1, 3);
    grid->addWidget(classLabel, 1, 0);
    grid->addWidget(m_class, 1, 1);
    grid->addWidget(m_classLookupButton, 1, 2);
    grid->addWidget(idLabel, 2, 0);
    grid->addWidget(m_id, 2, 1);
    grid->addWidget(m_idLookupButton, 2, 2);
    grid->addWidget(alignLabel, 3, 0);
    grid->addWidget(m_textAlign, 3, 1, Qt::AlignLeft);
    grid->addWidget(m_editStyleButton, 4, 0);
    grid->addWidget(m_style, 4, 1);
    grid->addWidget(m_clearStyleButton, 4, 2);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox;
    m_ok =
        named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "okButton");
    m_cancel = named(buttons->addButton(QString(), QDialogButtonBox::RejectRole), "cancelButton");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_ok->setDefault(true);

    const QList<QWidget*> chain{
        m_class, m_classLookupButton, m_id, m_idLookupButton, m_textAlign, m_editStyleButton,
        m_style, m_clearStyleButton,  m_ok, m_cancel};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    connect(m_ok, &QPushButton::clicked, this, &DivDialog::acceptTags);
    connect(m_cancel, &QPushButton::clicked, this, &DivDialog::reject);
    connect(m_clearStyleButton, &QToolButton::clicked, this, &DivDialog::clearStyle);
    connect(m_editStyleButton, &QPushButton::clicked, this, &DivDialog::editStyleInCssDialog);
    connect(m_idLookupButton, &QToolButton::clicked, this, &DivDialog::lookUpIdStyle);
    connect(m_classLookupButton, &QToolButton::clicked, this, &DivDialog::lookUpClassStyle);
    installHelpKey(this, HelpContext, [this] { return m_language; });

    applyLanguage();
}

void DivDialog::applyLanguage() {
    m_cancel->setText(CancelCaption.in(m_language));
    setWindowTitle(Caption.in(m_language));
    m_lookupMessage = styleNotFoundMessage(m_language);
    m_classLookupButton->setToolTip(LookupHint.in(m_language));
    m_idLookupButton->setToolTip(LookupHint.in(m_language));
    m_clearStyleButton->setToolTip(ClearHint.in(m_language));
}

int DivDialog::exec() {
    m_openingTag.clear();
    m_textAlign->setEnabled(true);
    applyLanguage();
    setFields(divFieldsForOpening(m_tag));
    m_tagName->setText(divSpanCaption(m_tag));
    m_closingTag = divSpanClosingTag(m_tag);
    m_class->setFocus();
    return QDialog::exec();
}

DivFields DivDialog::fields() const {
    return {m_class->text(), m_id->text(), m_style->text(), m_textAlign->currentText()};
}

void DivDialog::setFields(const DivFields& f) {
    m_class->setText(f.cssClass);
    m_id->setText(f.id);
    m_style->setText(f.style);
    m_textAlign->setCurrentIndex(-1);
    m_textAlign->setEditText(f.textAlign);
}

void DivDialog::acceptTags() {
    DivFields f = fields();
    const DivSpanTags tags = composeDivSpanTags(f, m_tag);
    m_openingTag = tags.openingTag;
    m_closingTag = tags.closingTag;
    setFields(f);
    accept();
}

void DivDialog::done(int result) {
    // OK, Cancel, Esc and the window frame all leave the fields empty.
    setFields(DivFields());
    QDialog::done(result);
}

void DivDialog::clearStyle() {
    m_style->clear();
}

void DivDialog::editStyleInCssDialog() {
    m_cssDialog.setLanguage(m_language);
    m_cssDialog.setOneLine(true);
    m_cssDialog.exec();
    // A Cancel there empties the style field too.
    m_style->setText(m_cssDialog.style());
}

void DivDialog::lookUpIdStyle() {
    lookUp(SelectorKind::Id, m_id->text());
}

void DivDialog::lookUpClassStyle() {
    lookUp(SelectorKind::Class, m_class->text());
}

void DivDialog::lookUp(SelectorKind kind, const QString& fieldText) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QString text = m_services.documentText ? m_services.documentText() : QString();
    const QString found = lookUpStyle(text, kind, fieldText);
    if (!found.isEmpty()) {
        clipboard->setText(found);
        if (m_services.showScratchWindow)
            m_services.showScratchWindow(m_language);
    } else if (m_services.prompter) {
        m_services.prompter->information(m_lookupMessage);
    }
}
