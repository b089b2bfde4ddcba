#include "features/links/link_dialog.h"

#include "foundation/messages/ui_text.h"
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

struct ProtocolButton {
    LinkProtocol protocol;
    const char* name;
    const char* caption;
};
constexpr ProtocolButton kProtocolButtons[4] = {
    {LinkProtocol::Http, "httpButton", "http"},
    {LinkProtocol::Mailto, "mailtoButton", "mailto"},
    {LinkProtocol::Anchor, "anchorButton", "anchor"},
    {LinkProtocol::None, "noneButton", "ohne"},
};

const UiText AnchorButtonText{"Anker", "anchor"};
const UiText DescriptionText{"Beschreibung", "Description"};
const UiText TitleText{"Titel", "Title"};
const UiText TargetFrameText{"Ziel-Frame", "Target frame"};
const UiText UrlText{"URL", "URL"};
const UiText MailText{"E-Mail", "E-mail"};
const UiText AnchorText{"Anker (#)", "Anchor (#)"};

// The rules name the target "Url", "Mail" or "#"; the label says it in the dialog's language.
QString targetCaption(const QString& label, UiLanguage language) {
    if (label == QLatin1String("Mail"))
        return MailText.in(language);
    if (label == QLatin1String("#"))
        return AnchorText.in(language);
    return UrlText.in(language);
}

} // namespace

LinkDialog::LinkDialog(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("linkDialog"));

    m_protocolGroup = new QGroupBox;
    m_protocolGroup->setObjectName(QStringLiteral("protocolGroup"));
    auto* buttons = new QHBoxLayout(m_protocolGroup);
    for (int i = 0; i < 4; ++i) {
        const ProtocolButton& b = kProtocolButtons[i];
        m_protocolButtons[i] = named(new QRadioButton(QLatin1String(b.caption)), b.name);
        buttons->addWidget(m_protocolButtons[i]);
        const LinkProtocol protocol = b.protocol;
        connect(m_protocolButtons[i], &QRadioButton::clicked, this,
                [this, protocol] { chooseProtocol(protocol); });
    }

    m_targetEdit = namedField("targetEdit");
    m_descriptionEdit = namedField("descriptionEdit");
    m_titleEdit = namedField("titleEdit");
    m_targetFrameCombo = named(new QComboBox, "targetFrameCombo");
    m_targetFrameCombo->setEditable(true);
    m_targetFrameCombo->setInsertPolicy(QComboBox::NoInsert);
    for (QLatin1String frame : LinkTargetFrames)
        m_targetFrameCombo->addItem(frame);
    m_targetLabel = namedLabel("targetLabel", QStringLiteral("Url"), m_targetEdit);

    auto* form = new QFormLayout;
    form->addRow(m_targetLabel, m_targetEdit);
    m_descriptionLabel = namedLabel("descriptionLabel", QString(), m_descriptionEdit);
    m_titleLabel = namedLabel("titleLabel", QString(), m_titleEdit);
    m_targetFrameLabel = namedLabel("targetFrameLabel", QString(), m_targetFrameCombo);
    form->addRow(m_descriptionLabel, m_descriptionEdit);
    form->addRow(m_titleLabel, m_titleEdit);
    form->addRow(m_targetFrameLabel, m_targetFrameCombo);
    m_targetEdit->setMinimumWidth(320);

    const OkCancelButtons okCancel = makeOkCancelButtons(this);
    m_cancelButton = okCancel.cancel;
    connect(okCancel.ok, &QPushButton::clicked, this, [this] { acceptIfComplete(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_protocolGroup);
    layout->addLayout(form);
    layout->addWidget(okCancel.box);
    setTabOrder(m_protocolButtons[3], m_targetEdit);
    installHelpKey(this, 140, [this] { return m_fields.language; });
    prepare();
}

int LinkDialog::exec() {
    prepare();
    return QDialog::exec();
}

void LinkDialog::prepare() {
    prepareLinkDialog(m_fields);
    const LinkTexts& t = linkTexts(m_fields.language);
    setWindowTitle(t.caption);
    m_protocolGroup->setTitle(t.protocolGroup);
    m_protocolButtons[2]->setText(AnchorButtonText.in(m_fields.language));
    m_protocolButtons[3]->setText(t.noneButton);
    m_descriptionLabel->setText(DescriptionText.in(m_fields.language));
    m_titleLabel->setText(TitleText.in(m_fields.language));
    m_targetFrameLabel->setText(TargetFrameText.in(m_fields.language));
    m_protocolButtons[0]->setToolTip(t.httpHint);
    m_protocolButtons[1]->setToolTip(t.mailtoHint);
    m_protocolButtons[2]->setToolTip(t.anchorHint);
    m_protocolButtons[3]->setToolTip(t.noneHint);
    m_cancelButton->setText(t.cancel);
    showFields();
    m_targetEdit->setFocus();
}

void LinkDialog::showFields() {
    for (int i = 0; i < 4; ++i)
        m_protocolButtons[i]->setChecked(kProtocolButtons[i].protocol == m_fields.protocol);
    m_targetLabel->setText(targetCaption(m_fields.targetLabel, m_fields.language));
    m_targetEdit->setText(m_fields.target);
    m_descriptionEdit->setText(m_fields.description);
    m_titleEdit->setText(m_fields.title);
    m_targetFrameCombo->setCurrentText(m_fields.targetFrame);
    m_targetFrameCombo->setEnabled(m_fields.targetFrameEnabled);
}

void LinkDialog::readFields() {
    for (int i = 0; i < 4; ++i)
        if (m_protocolButtons[i]->isChecked())
            m_fields.protocol = kProtocolButtons[i].protocol;
    m_fields.target = m_targetEdit->text();
    m_fields.description = m_descriptionEdit->text();
    m_fields.title = m_titleEdit->text();
    m_fields.targetFrame = m_targetFrameCombo->currentText();
    m_fields.targetFrameEnabled = m_targetFrameCombo->isEnabled();
}

void LinkDialog::chooseProtocol(LinkProtocol protocol) {
    readFields();
    chooseLinkProtocol(m_fields, protocol);
    showFields();
}

void LinkDialog::acceptIfComplete() {
    readFields();
    const bool done = acceptLinkDialog(m_fields, m_prompter);
    // The fields may have been tidied even when the dialog stays open.
    showFields();
    if (done)
        accept();
}

void LinkDialog::reject() {
    cancelLinkDialog(m_fields);
    showFields();
    QDialog::reject();
}
