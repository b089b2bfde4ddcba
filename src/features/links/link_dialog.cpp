#include "features/links/link_dialog.h"

#include "widgets/dialog_parts.h"
#include "widgets/help.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr LinkProtocol kProtocols[4] = {LinkProtocol::Http, LinkProtocol::Mailto,
                                        LinkProtocol::Anchor, LinkProtocol::None};

} // namespace

TFormSettings::TFormSettings(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("FormSettings"));

    m_group = new QGroupBox;
    m_group->setObjectName(QStringLiteral("GroupBox1"));
    auto* radios = new QHBoxLayout(m_group);
    const char* radioCaptions[4] = {"http", "mailto", "anchor", "ohne"};
    for (int i = 0; i < 4; ++i) {
        m_radio[i] = new QRadioButton(QLatin1String(radioCaptions[i]));
        m_radio[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        radios->addWidget(m_radio[i]);
        const LinkProtocol protocol = kProtocols[i];
        connect(m_radio[i], &QRadioButton::clicked, this,
                [this, protocol] { RadioButtonClick(protocol); });
    }

    m_target = namedField("EditName");
    m_description = namedField("EditColor");
    m_title = namedField("EditMyTitle");
    m_frame = new QComboBox;
    m_frame->setObjectName(QStringLiteral("ComboBox1"));
    m_frame->setEditable(true);
    m_frame->setInsertPolicy(QComboBox::NoInsert);
    for (QLatin1String frame : LinkTargetFrames)
        m_frame->addItem(frame);
    m_targetLabel = namedLabel("Label1", QStringLiteral("Url"), m_target);

    auto* form = new QFormLayout;
    form->addRow(m_targetLabel, m_target);
    form->addRow(namedLabel("Label2", QStringLiteral("Description"), m_description), m_description);
    form->addRow(namedLabel("Label3", QStringLiteral("Title"), m_title), m_title);
    form->addRow(namedLabel("Label4", QStringLiteral("Target"), m_frame), m_frame);
    m_target->setMinimumWidth(320);

    const OkCancelButtons buttons = makeOkCancelButtons(this);
    m_cancel = buttons.cancel;
    connect(buttons.ok, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addLayout(form);
    layout->addWidget(buttons.box);
    setTabOrder(m_radio[3], m_target);
    installHelpKey(this, 140, [this] { return fields.DLanguage; });
    FormShow();
}

int TFormSettings::exec() {
    FormShow();
    return QDialog::exec();
}

void TFormSettings::FormShow() {
    OpenLinkDialog(fields);
    const LinkTexts& t = linkTexts(fields.DLanguage);
    setWindowTitle(t.caption);
    m_group->setTitle(t.protocolGroup);
    m_radio[3]->setText(t.noneButton);
    m_radio[0]->setToolTip(t.httpHint);
    m_radio[1]->setToolTip(t.mailtoHint);
    m_radio[2]->setToolTip(t.anchorHint);
    m_radio[3]->setToolTip(t.noneHint);
    m_cancel->setText(t.cancel);
    showFields();
    m_target->setFocus();
}

void TFormSettings::showFields() {
    for (int i = 0; i < 4; ++i)
        m_radio[i]->setChecked(kProtocols[i] == fields.protocol);
    m_targetLabel->setText(fields.Label1);
    m_target->setText(fields.EditName);
    m_description->setText(fields.EditColor);
    m_title->setText(fields.EditMyTitle);
    m_frame->setCurrentText(fields.ComboBox1);
    m_frame->setEnabled(fields.ComboBox1Enabled);
}

void TFormSettings::readFields() {
    for (int i = 0; i < 4; ++i)
        if (m_radio[i]->isChecked())
            fields.protocol = kProtocols[i];
    fields.EditName = m_target->text();
    fields.EditColor = m_description->text();
    fields.EditMyTitle = m_title->text();
    fields.ComboBox1 = m_frame->currentText();
    fields.ComboBox1Enabled = m_frame->isEnabled();
}

void TFormSettings::RadioButtonClick(LinkProtocol protocol) {
    readFields();
    ChooseLinkProtocol(fields, protocol);
    showFields();
}

void TFormSettings::BitBtn1Click() {
    readFields();
    const bool done = LinkDialogOk(fields, m_prompter);
    // The fields may have been tidied even when the dialog stays open.
    showFields();
    if (done)
        accept();
}

void TFormSettings::reject() {
    LinkDialogCancel(fields);
    showFields();
    QDialog::reject();
}
