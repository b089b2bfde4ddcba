#include "features/frames_objects/frameset_dialog.h"

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
#include <QLabel>
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
    .noresizeHint = "Größe kann nicht verändert werden",
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

QString frameWidgetName(int frame, const char* widget) {
    return QStringLiteral("frame%1%2").arg(frame).arg(QLatin1String(widget));
}

} // namespace

FramesetDialog::FramesetDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("framesetDialog"));
    setWindowTitle(QStringLiteral("Frameset"));
    const FramesFields start;

    m_typeGroup = new QGroupBox;
    auto* typeRow = new QHBoxLayout(m_typeGroup);
    const char* pictures[] = {"hx-frames-2", "hx-frames-3", "hx-frames-4"};
    const char* radioNames[] = {"twoFramesRadio", "threeFramesRadio", "fourFramesRadio"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QStringLiteral("%1 Frames").arg(i + 2));
        radio->setObjectName(QLatin1String(radioNames[i]));
        radio->setIcon(themedIcon(QLatin1String(pictures[i])));
        radio->setIconSize(QSize(64, 48));
        connect(radio, &QRadioButton::toggled, this, [this] { enableUsedFrames(); });
        typeRow->addWidget(radio);
        m_layouts[i] = radio;
    }
    typeRow->addStretch();
    m_borders = new QCheckBox;
    m_borders->setObjectName(QStringLiteral("bordersCheck"));

    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        FrameGroup& g = m_frames[i];
        const FrameFields& f = start.frames[i];
        g.group = new QGroupBox(QStringLiteral("Frame%1").arg(i + 1));
        g.group->setObjectName(frameWidgetName(i + 1, "Group"));
        auto* form = new QFormLayout(g.group);
        g.noresize = new QCheckBox(QStringLiteral("Noresize"));
        g.noresize->setObjectName(frameWidgetName(i + 1, "NoresizeCheck"));
        g.noresize->setChecked(f.noresize);
        form->addRow(g.noresize);
        g.height = new QLineEdit(f.marginHeight);
        g.height->setObjectName(frameWidgetName(i + 1, "MarginHeightEdit"));
        form->addRow(QStringLiteral("MarginHeight"), g.height);
        g.width = new QLineEdit(f.marginWidth);
        g.width->setObjectName(frameWidgetName(i + 1, "MarginWidthEdit"));
        form->addRow(QStringLiteral("MarginWidth"), g.width);
        g.scrolling = new QComboBox;
        g.scrolling->setObjectName(frameWidgetName(i + 1, "ScrollingCombo"));
        // Typed values are allowed; a blank one falls back to "auto".
        g.scrolling->setEditable(true);
        g.scrolling->setInsertPolicy(QComboBox::NoInsert);
        g.scrolling->addItems(
            {QStringLiteral("auto"), QStringLiteral("yes"), QStringLiteral("no")});
        g.scrolling->setCurrentText(f.scrolling);
        form->addRow(QStringLiteral("Scrolling"), g.scrolling);
        g.source = new QLineEdit(f.source);
        g.source->setObjectName(frameWidgetName(i + 1, "SourceEdit"));
        g.browseButton = new QPushButton(themedIcon(QStringLiteral("document-open")), QString());
        g.browseButton->setObjectName(frameWidgetName(i + 1, "BrowseButton"));
        g.browseButton->setAutoDefault(false);
        connect(g.browseButton, &QPushButton::clicked, this, [this, i] { browseForSource(i); });
        auto* sourceRow = new QHBoxLayout;
        sourceRow->addWidget(g.source, 1);
        sourceRow->addWidget(g.browseButton);
        form->addRow(sourceRow);
        grid->addWidget(g.group, i / 2, i % 2);
    }

    const OkCancelButtons buttons = makeOkCancelButtons(this);
    addHelpButton(buttons.box, 210, [this] { return m_language; });
    installHelpKey(this, 210, [this] { return m_language; });
    m_ok = buttons.ok;
    m_cancel = buttons.cancel;
    connect(m_ok, &QPushButton::clicked, this, [this] { buildPageAndAccept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_typeGroup);
    layout->addLayout(grid);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_borders);
    bottom->addWidget(buttons.box, 1);
    layout->addLayout(bottom);

    m_layouts[0]->setChecked(start.layout == FrameLayout::Two);
    m_borders->setChecked(start.borders);
    prepareToShow();
}

int FramesetDialog::exec() {
    prepareToShow();
    return QDialog::exec();
}

void FramesetDialog::prepareToShow() {
    m_page.clear();
    const FramesTexts& t = m_language == UiLanguage::German ? german : english;
    m_borders->setText(tr8(t.borders));
    m_typeGroup->setTitle(m_language == UiLanguage::German ? QStringLiteral("Typ")
                                                           : QStringLiteral("Type"));
    m_borders->setToolTip(tr8(t.bordersHint));
    for (FrameGroup& g : m_frames) {
        g.noresize->setToolTip(tr8(t.noresizeHint));
        g.height->setToolTip(tr8(t.marginHeightHint));
        g.width->setToolTip(tr8(t.marginWidthHint));
        g.scrolling->setToolTip(tr8(t.scrollingHint));
        g.browseButton->setText(tr8(t.source));
        g.browseButton->setToolTip(tr8(t.sourceHint));
        g.source->setToolTip(tr8(t.sourceHint));
        auto* form = static_cast<QFormLayout*>(g.group->layout());
        const std::pair<QWidget*, UiText> labels[] = {
            {g.height, {"Randhöhe", "Margin height"}},
            {g.width, {"Randbreite", "Margin width"}},
            {g.scrolling, {"Bildlauf", "Scrolling"}},
        };
        for (const auto& [field, text] : labels)
            if (auto* label = qobject_cast<QLabel*>(form->labelForField(field)))
                label->setText(text.in(m_language));
    }
    m_cancel->setText(tr8(t.cancel));
}

FramesFields FramesetDialog::fields() const {
    FramesFields f;
    f.language = m_language;
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

void FramesetDialog::buildPageAndAccept() {
    m_page = framesetPage(fields());
    accept();
}

void FramesetDialog::browseForSource(int frame) {
    if (!chooseSourceFile)
        return;
    const QString path = chooseSourceFile();
    if (!path.isEmpty())
        m_frames[frame].source->setText(sourceFieldText(path));
}

void FramesetDialog::enableUsedFrames() {
    // Frames beyond the chosen layout are not written; greying them says so.
    const int used = frameCount(fields().layout);
    for (int i = 0; i < 4; ++i)
        m_frames[i].group->setEnabled(i < used);
}
