#include "dialogs/iframe_dialog.h"

#include "app/icons.h"
#include "dialogs/frames_markup.h"

#include <QDialogButtonBox>
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

QLineEdit* field(const char* name, const QString& text) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QLabel* label(const char* name, const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text);
    l->setObjectName(QLatin1String(name));
    l->setBuddy(buddy);
    return l;
}

} // namespace

TFormIFrame::TFormIFrame(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormIFrame"));
    setWindowTitle(QStringLiteral("iFrame"));
    const IFrameFields start;

    m_name = field("EditName", start.EditName);
    m_width = field("EditBreite", start.EditBreite);
    m_height = field("EditHohe", start.EditHohe);
    m_source = field("EditSource", start.EditSource);
    m_sourceLabel = label("Label4", QString(), m_source);
    m_sourceButton = new QPushButton(themedIcon(QStringLiteral("document-open")), QString());
    m_sourceButton->setObjectName(QStringLiteral("BitBtn3"));
    m_sourceButton->setAutoDefault(false);
    connect(m_sourceButton, &QPushButton::clicked, this, [this] { BitBtn3Click(); });

    auto* form = new QFormLayout;
    form->addRow(label("Label1", QStringLiteral("Name"), m_name), m_name);
    form->addRow(label("Label2", QStringLiteral("Width"), m_width), m_width);
    form->addRow(label("Label3", QStringLiteral("Height"), m_height), m_height);
    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(m_source, 1);
    sourceRow->addWidget(m_sourceButton);
    form->addRow(m_sourceLabel, sourceRow);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    m_cancel = new QPushButton;
    m_cancel->setObjectName(QStringLiteral("BitBtn2"));
    m_cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] { MakeFrame(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_source->setMinimumWidth(260);
    FormShow();
}

int TFormIFrame::exec() {
    FormShow();
    return QDialog::exec();
}

void TFormIFrame::FormShow() {
    iFrameSource.clear();
    const IFrameTexts& t = Sprache == 0 ? german : english;
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
