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

TFormDIV::TFormDIV(TFormCss& css, LookupServices services, QWidget* parent)
    : QDialog(parent), m_css(css), m_services(std::move(services)) {
    setObjectName(QStringLiteral("FormDIV"));
    setWindowTitle(QStringLiteral("Property"));

    m_tagName = named(new QLabel, "TagName");
    // "<DIV>" would otherwise be taken for markup and show nothing.
    m_tagName->setTextFormat(Qt::PlainText);
    QFont bold = m_tagName->font();
    bold.setBold(true);
    m_tagName->setFont(bold);

    m_class = named(new QLineEdit, "Edit1");
    m_classLookup = iconButton("SpeedButton2", QStringLiteral("hx-div-lookup"));
    m_id = named(new QLineEdit, "Edit2");
    m_idLookup = iconButton("SpeedButton1", QStringLiteral("hx-div-lookup"));
    m_align = named(new QComboBox, "ComboBox1");
    m_align->setEditable(true);
    m_align->setInsertPolicy(QComboBox::NoInsert);
    m_align->setMinimumContentsLength(10);
    m_align->addItems({QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("center"),
                       QStringLiteral("justify")});
    m_styleButton = named(new QPushButton(QStringLiteral("Style=")), "Button1");
    m_styleButton->setAutoDefault(false);
    m_style = named(new QLineEdit, "Edit3");
    m_style->setMinimumWidth(420);
    m_clearStyle = iconButton("BitBtn3", QStringLiteral("hx-div-clear"));

    auto* classLabel = new QLabel(QStringLiteral("Class="));
    classLabel->setBuddy(m_class);
    auto* idLabel = new QLabel(QStringLiteral("ID="));
    idLabel->setBuddy(m_id);
    auto* alignLabel = new QLabel(QStringLiteral("text-align:"));
    alignLabel->setBuddy(m_align);

    auto* grid = new QGridLayout;
    grid->addWidget(m_tagName, 0, 0, 1, 3);
    grid->addWidget(classLabel, 1, 0);
    grid->addWidget(m_class, 1, 1);
    grid->addWidget(m_classLookup, 1, 2);
    grid->addWidget(idLabel, 2, 0);
    grid->addWidget(m_id, 2, 1);
    grid->addWidget(m_idLookup, 2, 2);
    grid->addWidget(alignLabel, 3, 0);
    grid->addWidget(m_align, 3, 1, Qt::AlignLeft);
    grid->addWidget(m_styleButton, 4, 0);
    grid->addWidget(m_style, 4, 1);
    grid->addWidget(m_clearStyle, 4, 2);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox;
    m_ok = named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "BitBtn1");
    m_cancel = named(buttons->addButton(QString(), QDialogButtonBox::RejectRole), "BitBtn2");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_ok->setDefault(true);

    const QList<QWidget*> chain{m_class,       m_classLookup, m_id,         m_idLookup, m_align,
                                m_styleButton, m_style,       m_clearStyle, m_ok,       m_cancel};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    connect(m_ok, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(m_clearStyle, &QToolButton::clicked, this, [this] { BitBtn3Click(); });
    connect(m_styleButton, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(m_idLookup, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(m_classLookup, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    installHelpKey(this, HelpContext, [this] { return Sprache; });

    applyLanguage();
}

void TFormDIV::applyLanguage() {
    m_cancel->setText(CancelCaption.in(Sprache));
    m_lookupMessage = DivLookupMessage(Sprache);
    m_classLookup->setToolTip(LookupHint.in(Sprache));
    m_idLookup->setToolTip(LookupHint.in(Sprache));
    m_clearStyle->setToolTip(ClearHint.in(Sprache));
}

int TFormDIV::ShowModal() {
    HtmlCode.clear();
    m_align->setEnabled(true);
    applyLanguage();
    setFields(DivDialogOpening(Typ));
    m_tagName->setText(DivTagName(Typ));
    HTMClose = DivClosingLiteral(Typ);
    m_class->setFocus();
    return exec();
}

DivFields TFormDIV::fields() const {
    return {m_class->text(), m_id->text(), m_style->text(), m_align->currentText()};
}

void TFormDIV::setFields(const DivFields& f) {
    m_class->setText(f.Edit1);
    m_id->setText(f.Edit2);
    m_style->setText(f.Edit3);
    m_align->setCurrentIndex(-1);
    m_align->setEditText(f.ComboBox1);
}

void TFormDIV::BitBtn1Click() {
    DivFields f = fields();
    const DivResult result = DivDialogOk(f, Typ);
    HtmlCode = result.HtmlCode;
    HTMClose = result.HTMClose;
    setFields(f);
    accept();
}

void TFormDIV::BitBtn2Click() {
    reject();
}

void TFormDIV::done(int result) {
    // OK, Cancel, Esc and the window frame all leave the fields empty.
    setFields(DivFields());
    QDialog::done(result);
}

void TFormDIV::BitBtn3Click() {
    m_style->clear();
}

void TFormDIV::Button1Click() {
    m_css.Sprache = Sprache;
    m_css.OneLine = true;
    m_css.ShowModal();
    // A Cancel there empties the style field too.
    m_style->setText(m_css.MyStyle);
}

void TFormDIV::SpeedButton1Click() {
    lookUp(DivLookup::Id, m_id->text());
}

void TFormDIV::SpeedButton2Click() {
    lookUp(DivLookup::Class, m_class->text());
}

void TFormDIV::lookUp(DivLookup kind, const QString& fieldText) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QString text = m_services.documentText ? m_services.documentText() : QString();
    const QString found = DivLookupResult(text, kind, fieldText);
    if (!found.isEmpty()) {
        clipboard->setText(found);
        if (m_services.showScratchWindow)
            m_services.showScratchWindow(Sprache);
    } else if (m_services.prompter) {
        m_services.prompter->information(m_lookupMessage);
    }
}
