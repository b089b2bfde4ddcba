#include "features/frames_objects/iframe_dialog.h"

#include "widgets/dialog_parts.h"
#include "widgets/help.h"

#include "features/frames_objects/frames_markup.h"
#include "widgets/icons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct IFrameTexts {
    const char* source;
    const char* nameHint;
    const char* widthHint;
    const char* heightHint;
    const char* sourceHint;
    const char* cancel;
};

const IFrameTexts german{
    .source = "Quelle/URL",
    .nameHint = "Name des iFrames",
    .widthHint = "Breite angeben",
    .heightHint = "Höhe angeben",
    .sourceHint = "Datei/Url angeben, die im iFrame angezeigt werden soll",
    .cancel = "Abbrechen",
};
const IFrameTexts english{
    .source = "Resource/Url",
    .nameHint = "Name of the iframe",
    .widthHint = "Width",
    .heightHint = "Height",
    .sourceHint = "Resource/Url",
    .cancel = "Cancel",
};

} // namespace

IFrameDialog::IFrameDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("iFrameDialog"));
    setWindowTitle(QStringLiteral("iFrame"));
    const IFrameFields start;

    m_name = namedField("nameEdit", start.name);
    m_width = namedField("widthEdit", start.width);
    m_height = namedField("heightEdit", start.height);
    m_source = namedField("sourceEdit", start.source);
    m_sourceLabel = namedLabel("sourceLabel", QString(), m_source);
    m_browseButton = new QPushButton(themedIcon(QStringLiteral("document-open")), QString());
    m_browseButton->setObjectName(QStringLiteral("browseButton"));
    m_browseButton->setAutoDefault(false);
    connect(m_browseButton, &QPushButton::clicked, this, [this] { browseForSource(); });

    auto* form = new QFormLayout;
    form->addRow(namedLabel("nameLabel", QStringLiteral("Name"), m_name), m_name);
    m_widthLabel = namedLabel("widthLabel", QString(), m_width);
    m_heightLabel = namedLabel("heightLabel", QString(), m_height);
    form->addRow(m_widthLabel, m_width);
    form->addRow(m_heightLabel, m_height);
    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(m_source, 1);
    sourceRow->addWidget(m_browseButton);
    form->addRow(m_sourceLabel, sourceRow);

    const OkCancelButtons buttons = makeOkCancelButtons(this);
    addHelpButton(buttons.box, 210, [this] { return m_language; });
    installHelpKey(this, 210, [this] { return m_language; });
    m_cancel = buttons.cancel;
    connect(buttons.ok, &QPushButton::clicked, this, [this] { buildElementAndAccept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons.box);
    m_source->setMinimumWidth(260);
    prepareToShow();
}

int IFrameDialog::exec() {
    prepareToShow();
    return QDialog::exec();
}

void IFrameDialog::prepareToShow() {
    m_element.clear();
    const IFrameTexts& t = m_language == UiLanguage::German ? german : english;
    m_sourceLabel->setText(QString::fromUtf8(t.source));
    const bool german = m_language == UiLanguage::German;
    m_widthLabel->setText(german ? QStringLiteral("Breite") : QStringLiteral("Width"));
    m_heightLabel->setText(german ? QStringLiteral("Höhe") : QStringLiteral("Height"));
    m_name->setToolTip(QString::fromUtf8(t.nameHint));
    m_width->setToolTip(QString::fromUtf8(t.widthHint));
    m_height->setToolTip(QString::fromUtf8(t.heightHint));
    m_source->setToolTip(QString::fromUtf8(t.sourceHint));
    m_browseButton->setToolTip(QString::fromUtf8(t.sourceHint));
    m_cancel->setText(QString::fromUtf8(t.cancel));
}

IFrameFields IFrameDialog::fields() const {
    IFrameFields f;
    f.language = m_language;
    f.name = m_name->text();
    f.width = m_width->text();
    f.height = m_height->text();
    f.source = m_source->text();
    return f;
}

void IFrameDialog::buildElementAndAccept() {
    m_element = iFrameElement(fields());
    accept();
}

void IFrameDialog::browseForSource() {
    if (!chooseSourceFile)
        return;
    const QString path = chooseSourceFile();
    if (!path.isEmpty())
        m_source->setText(sourceFieldText(path));
}
