#include "features/frames_objects/frames_dialog.h"

#include "widgets/dialog_parts.h"
#include "widgets/help.h"

#include <QDialogButtonBox>

#include "widgets/icons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct FramesTexts {
    const char* borders;
    const char* bordersHint;
    const char* noresizeHint;
    const char* marginHeightHint;
    const char* marginWidthHint;
    const char* scrollingHint;
    const char* source;
    const char* sourceHint;
    const char* cancel;
};

const FramesTexts german{
    .borders = "Rahmen",
    .bordersHint = "Rahmen anzeigen",
    .noresizeHint = "Grösse kann nicht verändert werden",
    .marginHeightHint = "Randhöhe",
    .marginWidthHint = "Randbreite",
    .scrollingHint = "Scrollbalken ein/aus",
    .source = "Quelle",
    .sourceHint = "Datei angeben, die im aktuellen Frame angezeigt werden soll",
    .cancel = "Abbrechen",
};
const FramesTexts english{
    .borders = "Border",
    .bordersHint = "Show borders",
    .noresizeHint = "Not resizeable",
    .marginHeightHint = "Margin height",
    .marginWidthHint = "Margin width",
    .scrollingHint = "Scrollbars on/off",
    .source = "Source",
    .sourceHint = "Url/File to be loaded into the frame",
    .cancel = "Cancel",
};

QString tr8(const char* text) {
    return QString::fromUtf8(text);
}

QString named(const char* base, int number) {
    return QLatin1String(base) + QString::number(number);
}

} // namespace

TFormFrames::TFormFrames(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormFrames"));
    setWindowTitle(QStringLiteral("Frameset"));
    const FramesFields start;

    auto* typeBox = new QGroupBox(QStringLiteral("Typ"));
    auto* typeRow = new QHBoxLayout(typeBox);
    const char* pictures[] = {"hx-frames-2", "hx-frames-3", "hx-frames-4"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QStringLiteral("%1 Frames").arg(i + 2));
        radio->setObjectName(named("Frames", i + 2));
        radio->setIcon(themedIcon(QLatin1String(pictures[i])));
        radio->setIconSize(QSize(64, 48));
        connect(radio, &QRadioButton::toggled, this, [this] { enableFrames(); });
        typeRow->addWidget(radio);
        m_layouts[i] = radio;
    }
    typeRow->addStretch();
    m_borders = new QCheckBox;
    m_borders->setObjectName(QStringLiteral("Borders"));

    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        FrameGroup& g = m_frames[i];
        const FrameFields& f = start.frames[i];
        g.group = new QGroupBox(named("Frame", i + 1));
        g.group->setObjectName(named("GroupFrame", i + 1));
        auto* form = new QFormLayout(g.group);
        g.noresize = new QCheckBox(QStringLiteral("Noresize"));
        g.noresize->setObjectName(named("Noresize", i + 1));
        g.noresize->setChecked(f.noresize);
        form->addRow(g.noresize);
        g.height = new QLineEdit(f.marginHeight);
        g.height->setObjectName(named("EditHeight", i + 1));
        form->addRow(QStringLiteral("MarginHeight"), g.height);
        g.width = new QLineEdit(f.marginWidth);
        g.width->setObjectName(named("EditWidth", i + 1));
        form->addRow(QStringLiteral("MarginWidth"), g.width);
        g.scrolling = new QComboBox;
        g.scrolling->setObjectName(named("Scrolling", i + 1));
        // Typed values are allowed; a blank one falls back to "auto".
        g.scrolling->setEditable(true);
        g.scrolling->setInsertPolicy(QComboBox::NoInsert);
        g.scrolling->addItems(
            {QStringLiteral("auto"), QStringLiteral("yes"), QStringLiteral("no")});
        g.scrolling->setCurrentText(f.scrolling);
        form->addRow(QStringLiteral("Scrolling"), g.scrolling);
        g.source = new QLineEdit(f.source);
        g.source->setObjectName(named("Source", i + 1));
        g.sourceButton = new QPushButton(themedIcon(QStringLiteral("document-open")), QString());
        g.sourceButton->setObjectName(named("BtnSource", i + 1));
        g.sourceButton->setAutoDefault(false);
        connect(g.sourceButton, &QPushButton::clicked, this, [this, i] { OpenSourceFile(i); });
        auto* sourceRow = new QHBoxLayout;
        sourceRow->addWidget(g.source, 1);
        sourceRow->addWidget(g.sourceButton);
        form->addRow(sourceRow);
        grid->addWidget(g.group, i / 2, i % 2);
    }

    const OkCancelButtons buttons = makeOkCancelButtons(this);
    addHelpButton(buttons.box, 210, [this] { return Sprache; });
    installHelpKey(this, 210, [this] { return Sprache; });
    m_ok = buttons.ok;
    m_cancel = buttons.cancel;
    connect(m_ok, &QPushButton::clicked, this, [this] { BasicFrameset(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(typeBox);
    layout->addLayout(grid);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_borders);
    bottom->addWidget(buttons.box, 1);
    layout->addLayout(bottom);

    m_layouts[0]->setChecked(start.layout == FrameLayout::Two);
    m_borders->setChecked(start.borders);
    FormShow();
}

int TFormFrames::exec() {
    FormShow();
    return QDialog::exec();
}

void TFormFrames::FormShow() {
    FrameSeite.clear();
    const FramesTexts& t = Sprache == UiLanguage::German ? german : english;
    m_borders->setText(tr8(t.borders));
    m_borders->setToolTip(tr8(t.bordersHint));
    for (FrameGroup& g : m_frames) {
        g.noresize->setToolTip(tr8(t.noresizeHint));
        g.height->setToolTip(tr8(t.marginHeightHint));
        g.width->setToolTip(tr8(t.marginWidthHint));
        g.scrolling->setToolTip(tr8(t.scrollingHint));
        g.sourceButton->setText(tr8(t.source));
        g.sourceButton->setToolTip(tr8(t.sourceHint));
        g.source->setToolTip(tr8(t.sourceHint));
    }
    m_cancel->setText(tr8(t.cancel));
}

FramesFields TFormFrames::fields() const {
    FramesFields f;
    f.Sprache = Sprache;
    f.layout = m_layouts[2]->isChecked()   ? FrameLayout::Four
               : m_layouts[1]->isChecked() ? FrameLayout::Three
                                           : FrameLayout::Two;
    f.borders = m_borders->isChecked();
    for (int i = 0; i < 4; ++i) {
        const FrameGroup& g = m_frames[i];
        f.frames[i] = FrameFields{g.scrolling->currentText(), g.width->text(), g.height->text(),
                                  g.noresize->isChecked(), g.source->text()};
    }
    return f;
}

void TFormFrames::BasicFrameset() {
    FrameSeite = ::BasicFrameset(fields());
    accept();
}

void TFormFrames::OpenSourceFile(int frame) {
    if (!chooseSourceFile)
        return;
    const QString path = chooseSourceFile();
    if (!path.isEmpty())
        m_frames[frame].source->setText(SourceFieldText(path));
}

void TFormFrames::enableFrames() {
    // Frames beyond the chosen layout are not written; greying them says so.
    const int used = frameCount(fields().layout);
    for (int i = 0; i < 4; ++i)
        m_frames[i].group->setEnabled(i < used);
}
