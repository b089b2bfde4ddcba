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

TFormIFrame::TFormIFrame(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormIFrame"));
    setWindowTitle(QStringLiteral("iFrame"));
    const IFrameFields start;

    m_name = namedField("EditName", start.EditName);
    m_width = namedField("EditBreite", start.EditBreite);
    m_height = namedField("EditHohe", start.EditHohe);
    m_source = namedField("EditSource", start.EditSource);
    m_sourceLabel = namedLabel("Label4", QString(), m_source);
    m_sourceButton = new QPushButton(themedIcon(QStringLiteral("document-open")), QString());
    m_sourceButton->setObjectName(QStringLiteral("BitBtn3"));
    m_sourceButton->setAutoDefault(false);
    connect(m_sourceButton, &QPushButton::clicked, this, [this] { BitBtn3Click(); });

    auto* form = new QFormLayout;
    form->addRow(namedLabel("Label1", QStringLiteral("Name"), m_name), m_name);
    form->addRow(namedLabel("Label2", QStringLiteral("Width"), m_width), m_width);
    form->addRow(namedLabel("Label3", QStringLiteral("Height"), m_height), m_height);
    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(m_source, 1);
    sourceRow->addWidget(m_sourceButton);
    form->addRow(m_sourceLabel, sourceRow);

    const OkCancelButtons buttons = makeOkCancelButtons(this);
    addHelpButton(buttons.box, 210, [this] { return Sprache; });
    installHelpKey(this, 210, [this] { return Sprache; });
    m_cancel = buttons.cancel;
    connect(buttons.ok, &QPushButton::clicked, this, [this] { MakeFrame(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons.box);
    m_source->setMinimumWidth(260);
    FormShow();
}

int TFormIFrame::exec() {
    FormShow();
    return QDialog::exec();
}

void TFormIFrame::FormShow() {
    iFrameSource.clear();
    const IFrameTexts& t = Sprache == UiLanguage::German ? german : english;
    m_sourceLabel->setText(QString::fromUtf8(t.source));
    m_name->setToolTip(QString::fromUtf8(t.nameHint));
    m_width->setToolTip(QString::fromUtf8(t.widthHint));
    m_height->setToolTip(QString::fromUtf8(t.heightHint));
    m_source->setToolTip(QString::fromUtf8(t.sourceHint));
    m_sourceButton->setToolTip(QString::fromUtf8(t.sourceHint));
    m_cancel->setText(QString::fromUtf8(t.cancel));
}

IFrameFields TFormIFrame::fields() const {
    IFrameFields f;
    f.Sprache = Sprache;
    f.EditName = m_name->text();
    f.EditBreite = m_width->text();
    f.EditHohe = m_height->text();
    f.EditSource = m_source->text();
    return f;
}

void TFormIFrame::MakeFrame() {
    iFrameSource = ::MakeFrame(fields());
    accept();
}

void TFormIFrame::BitBtn3Click() {
    if (!chooseSourceFile)
        return;
    const QString path = chooseSourceFile();
    if (!path.isEmpty())
        m_source->setText(SourceFieldText(path));
}
