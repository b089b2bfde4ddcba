#include "features/images/image_dialog.h"

#include "features/images/image_map_geometry.h"
#include "features/images/image_preview.h"
#include "foundation/messages/prompter.h"
#include "widgets/help.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace {

// Every text the dialog shows by language, with the hint where there is one.
struct DialogText {
    const char* object;
    const char* german;
    const char* english;
    const char* germanHint = nullptr;
    const char* englishHint = nullptr;
};

const DialogText dialogTexts[] = {
    {"openButton", "Öffnen", "Open"},
    {"includePathCheckBox", "Pfad einschließen", "Include path",
     "Komplette Pfadangabe im Dateinamen angeben", "Include path in filename"},
    {"fullPathEdit", nullptr, nullptr, "Komplette Pfadangabe im Dateinamen angeben",
     "Include path in filename"},
    {"fileNameOnlyCheckBox", "Nur Dateiname", "Filename only",
     "Dateiname ohne Pfadangaben einfügen", "Filename only, no path included"},
    {"fileNameEdit", nullptr, nullptr, "Dateiname ohne Pfadangaben einfügen",
     "Filename only, no path included"},
    {"pictureInfoGroup", "Grafikinfo", "Image info"},
    {"widthLabel", "Breite", "Width"},
    {"heightLabel", "Höhe", "Height"},
    {"fileSizeLabel", "Dateigröße", "File size"},
    {"stretchCheckBox", "Grafik strecken", "Stretch graphics"},
    {"mapCheckBox", "Image Map erstellen", "Create image map"},
    {"mapNameLabel", "Name", "Name"},
    {"shapeLabel", "Form", "Shape"},
    {"coordsLabel", "Koord.", "Coords"},
    {"leftLabel", "Links", "Left"},
    {"topLabel", "Oben", "Top"},
    {"bottomLabel", "Unten", "Bottom"},
    {"altLabel", "Alt", "Alt"},
    {"titleLabel", "Titel", "Title"},
    {"linkLabel", "Link", "Link"},
    {"modeGroup", "Vorschau Image Map", "Preview image map"},
    {"opticalButton", "Optisch", "Optical"},
    {"manualButton", "Manuell", "Manual"},
    {"clickXLabel", "Pos X:", "Pos X:"},
    {"clickYLabel", "Pos Y:", "Pos Y:"},
    {"clearButton", "Entfernen", "Clear", "Image Map entfernen", "Clear image map"},
    {"okButton", "OK", "OK"},
    {"cancelButton", "Abbrechen", "Cancel"},
};

const char* const InvalidImageGerman = "Ungültiges Grafikformat";
const char* const InvalidImageEnglish = "Invalid image format";
const char* const RightGerman = "Rechts";
const char* const RightEnglish = "Right";
const QString NoInfo = QStringLiteral("000");

// The picture filter; the descriptions alone are shown, and both letter cases match because
// names on this system are case-sensitive.
const QString PictureFilter = QStringLiteral(
    "all(*.gif,*.jpg,*.bmp,*.png) (*.gif *.jpg *.jpeg *.bmp *.png *.GIF *.JPG *.JPEG *.BMP *.PNG)"
    ";;JPG (*.jpg *.jpeg *.JPG *.JPEG);;GIF (*.gif *.GIF);;PNG (*.png *.PNG)");

template <typename T> T* named(QWidget* parent, const char* name) {
    T* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name) {
    return named<QLabel>(parent, name);
}

void setTextColour(QWidget* widget, const char* colour) {
    widget->setStyleSheet(QStringLiteral("color: %1").arg(QLatin1String(colour)));
}

} // namespace

ImageDialog::ImageDialog(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("imageDialog"));
    setSizeGripEnabled(true);
    buildControls();
    connectControls();
    setMinimumSize(680, 560);
    resize(780, 580);
}

void ImageDialog::buildControls() {
    m_scroll = named<QScrollArea>(this, "previewScrollArea");
    m_scroll->setWidgetResizable(true);
    m_scroll->setBackgroundRole(QPalette::Mid);
    m_preview = new ImagePreview;
    m_scroll->setWidget(m_preview);

    m_areaSlider = named<QSlider>(this, "areaSlider");
    m_areaSlider->setOrientation(Qt::Horizontal);
    m_areaSlider->setTickPosition(QSlider::TicksBelow);
    m_areaSlider->setRange(0, 20);

    // The row under the slider: mode group, Clear and "stretch", then the click position.
    m_modeRow = new QWidget(this);
    m_modeGroup = named<QGroupBox>(m_modeRow, "modeGroup");
    m_opticalButton = named<QRadioButton>(m_modeGroup, "opticalButton");
    m_manualButton = named<QRadioButton>(m_modeGroup, "manualButton");
    auto* modes = new QHBoxLayout(m_modeGroup);
    modes->addWidget(m_opticalButton);
    modes->addWidget(m_manualButton);
    m_clearButton = named<QPushButton>(m_modeRow, "clearButton");
    m_clearButton->setAutoDefault(false);
    m_stretchCheckBox = named<QCheckBox>(m_modeRow, "stretchCheckBox");
    m_clickXLabel = label(m_modeRow, "clickXLabel");
    m_clickYLabel = label(m_modeRow, "clickYLabel");
    m_clickXEdit = named<QLineEdit>(m_modeRow, "clickXEdit");
    m_clickYEdit = named<QLineEdit>(m_modeRow, "clickYEdit");
    for (QLineEdit* edit : {m_clickXEdit, m_clickYEdit}) {
        edit->setReadOnly(true);
        edit->setFixedWidth(60);
    }
    auto* rowGrid = new QGridLayout(m_modeRow);
    rowGrid->setContentsMargins(0, 0, 0, 0);
    rowGrid->addWidget(m_modeGroup, 0, 0, 2, 1);
    rowGrid->addWidget(m_clearButton, 0, 1);
    rowGrid->addWidget(m_stretchCheckBox, 1, 1);
    auto* position = new QHBoxLayout;
    position->addWidget(m_clickXLabel);
    position->addWidget(m_clickXEdit);
    position->addSpacing(12);
    position->addWidget(m_clickYLabel);
    position->addWidget(m_clickYEdit);
    position->addStretch();
    rowGrid->addLayout(position, 2, 0, 1, 3);
    rowGrid->setColumnStretch(2, 1);
    rowGrid->setRowStretch(3, 1);

    // The fields, right of the preview.
    m_column = new QWidget(this);
    auto* column = new QVBoxLayout(m_column);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);

    m_openButton = named<QPushButton>(m_column, "openButton");
    m_openButton->setAutoDefault(false);
    m_includePathCheckBox = named<QCheckBox>(m_column, "includePathCheckBox");
    m_fullPathEdit = named<QLineEdit>(m_column, "fullPathEdit");
    m_fileNameOnlyCheckBox = named<QCheckBox>(m_column, "fileNameOnlyCheckBox");
    m_fileNameOnlyCheckBox->setChecked(true);
    m_fileNameEdit = named<QLineEdit>(m_column, "fileNameEdit");
    auto* openRow = new QHBoxLayout;
    openRow->addWidget(m_openButton);
    openRow->addStretch();
    column->addLayout(openRow);
    column->addWidget(m_includePathCheckBox);
    column->addWidget(m_fullPathEdit);
    column->addWidget(m_fileNameOnlyCheckBox);
    column->addWidget(m_fileNameEdit);

    m_pictureInfoGroup = named<QGroupBox>(m_column, "pictureInfoGroup");
    m_widthLabel = label(m_pictureInfoGroup, "widthLabel");
    m_heightLabel = label(m_pictureInfoGroup, "heightLabel");
    m_fileSizeLabel = label(m_pictureInfoGroup, "fileSizeLabel");
    m_widthValueLabel = label(m_pictureInfoGroup, "widthValueLabel");
    m_heightValueLabel = label(m_pictureInfoGroup, "heightValueLabel");
    m_fileSizeValueLabel = label(m_pictureInfoGroup, "fileSizeValueLabel");
    auto* info = new QGridLayout(m_pictureInfoGroup);
    info->addWidget(m_widthLabel, 0, 0);
    info->addWidget(m_widthValueLabel, 0, 1);
    info->addWidget(m_heightLabel, 0, 2);
    info->addWidget(m_heightValueLabel, 0, 3);
    info->addWidget(m_fileSizeLabel, 1, 0);
    info->addWidget(m_fileSizeValueLabel, 1, 1, 1, 3);
    info->setColumnStretch(1, 1);
    info->setColumnStretch(3, 1);
    column->addWidget(m_pictureInfoGroup);

    m_mapCheckBox = named<QCheckBox>(m_column, "mapCheckBox");
    column->addSpacing(4);
    column->addWidget(m_mapCheckBox);

    auto* map = new QGridLayout;
    map->setHorizontalSpacing(6);
    m_mapNameLabel = label(m_column, "mapNameLabel");
    m_mapNameEdit = named<QLineEdit>(m_column, "mapNameEdit");
    m_mapNameEdit->setText(m_fields.mapName);
    m_shapeLabel = label(m_column, "shapeLabel");
    m_shapeCombo = named<QComboBox>(m_column, "shapeCombo");
    m_shapeCombo->addItems(
        {QStringLiteral("rect"), QStringLiteral("circle"), QStringLiteral("poly")});
    map->addWidget(m_mapNameLabel, 0, 0);
    map->addWidget(m_mapNameEdit, 0, 1, 1, 2);
    map->addWidget(m_shapeLabel, 0, 3);
    map->addWidget(m_shapeCombo, 0, 4);

    m_coordsLabel = label(m_column, "coordsLabel");
    m_leftLabel = label(m_column, "leftLabel");
    m_topLabel = label(m_column, "topLabel");
    m_rightLabel = label(m_column, "rightLabel");
    m_bottomLabel = label(m_column, "bottomLabel");
    m_leftEdit = named<QLineEdit>(m_column, "leftEdit");
    m_topEdit = named<QLineEdit>(m_column, "topEdit");
    m_rightEdit = named<QLineEdit>(m_column, "rightEdit");
    m_bottomEdit = named<QLineEdit>(m_column, "bottomEdit");
    map->addWidget(m_leftLabel, 1, 1);
    map->addWidget(m_topLabel, 1, 2);
    map->addWidget(m_rightLabel, 1, 3);
    map->addWidget(m_bottomLabel, 1, 4);
    map->addWidget(m_coordsLabel, 2, 0);
    int at = 1;
    for (QLineEdit* edit : {m_leftEdit, m_topEdit, m_rightEdit, m_bottomEdit}) {
        edit->setMinimumWidth(44);
        map->addWidget(edit, 2, at++);
    }

    m_altLabel = label(m_column, "altLabel");
    m_altEdit = named<QLineEdit>(m_column, "altEdit");
    m_titleLabel = label(m_column, "titleLabel");
    m_titleEdit = named<QLineEdit>(m_column, "titleEdit");
    m_linkLabel = label(m_column, "linkLabel");
    m_linkEdit = named<QLineEdit>(m_column, "linkEdit");
    m_linkEdit->setText(m_fields.href);
    map->addWidget(m_altLabel, 3, 0);
    map->addWidget(m_altEdit, 3, 1, 1, 4);
    map->addWidget(m_titleLabel, 4, 0);
    map->addWidget(m_titleEdit, 4, 1, 1, 4);
    map->addWidget(m_linkLabel, 5, 0);
    map->addWidget(m_linkEdit, 5, 1, 1, 4);
    column->addLayout(map);
    column->addStretch();

    m_okButton = named<QPushButton>(m_column, "okButton");
    m_okButton->setDefault(true);
    m_cancelButton = named<QPushButton>(m_column, "cancelButton");
    m_cancelButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newHelpButton(
        200, [this] { return m_language; }, m_column));
    installHelpKey(this, 200, [this] { return m_language; });
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    column->addLayout(buttons);

    m_widthValueLabel->setText(NoInfo);
    m_heightValueLabel->setText(NoInfo);
    m_fileSizeValueLabel->setText(NoInfo);
    m_opticalButton->setChecked(true);
    showFields();
}

void ImageDialog::connectControls() {
    connect(m_openButton, &QPushButton::clicked, this, [this] { openPicture(); });
    connect(m_okButton, &QPushButton::clicked, this, [this] { acceptMarkup(); });
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    connect(m_clearButton, &QPushButton::clicked, this, [this] { clearMap(); });
    connect(m_mapCheckBox, &QCheckBox::clicked, this, [this] { toggleMap(); });
    connect(m_shapeCombo, &QComboBox::currentIndexChanged, this, [this] { changeShape(); });
    connect(m_opticalButton, &QRadioButton::clicked, this, [this] { chooseOpticalMode(); });
    connect(m_manualButton, &QRadioButton::clicked, this, [this] { chooseManualMode(); });
    connect(m_areaSlider, &QSlider::valueChanged, this, [this](int p) { moveSlider(p); });
    connect(m_includePathCheckBox, &QCheckBox::clicked, this, [this] { toggleIncludePath(); });
    connect(m_fileNameOnlyCheckBox, &QCheckBox::clicked, this, [this] { toggleFileNameOnly(); });
    connect(m_stretchCheckBox, &QCheckBox::clicked, this, [this] { toggleStretch(); });
    connect(m_preview, &ImagePreview::pressed, this, [this](QPoint p) { pressOnPreview(p); });
    connect(m_preview, &ImagePreview::moved, this, [this](QPoint p) { dragOnPreview(p); });
    connect(m_preview, &ImagePreview::released, this, [this](QPoint p) { releaseOnPreview(p); });
}

QString ImageDialog::text(const char* german, const char* english) const {
    return QString::fromUtf8(m_language == UiLanguage::German ? german : english);
}

void ImageDialog::applyLanguage() {
    setWindowTitle(text("Grafik", "Image"));
    for (const DialogText& t : dialogTexts) {
        QWidget* widget = findChild<QWidget*>(QLatin1String(t.object));
        if (!widget)
            continue;
        if (t.german) {
            const QString caption = text(t.german, t.english);
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                button->setText(caption);
            else if (auto* l = qobject_cast<QLabel*>(widget))
                l->setText(caption);
            else if (auto* group = qobject_cast<QGroupBox*>(widget))
                group->setTitle(caption);
        }
        if (t.germanHint)
            widget->setToolTip(text(t.germanHint, t.englishHint));
    }
    applyShapeView();
}

void ImageDialog::readWidgets() {
    m_fields.fullPath = m_fullPathEdit->text();
    m_fields.fileName = m_fileNameEdit->text();
    m_fields.includePath = m_includePathCheckBox->isChecked();
    m_fields.alt = m_altEdit->text();
    m_fields.title = m_titleEdit->text();
    m_fields.withMap = m_mapCheckBox->isChecked();
    m_fields.mapName = m_mapNameEdit->text();
    m_fields.shape = m_shapeCombo->currentText();
    m_fields.left = m_leftEdit->text();
    m_fields.top = m_topEdit->text();
    m_fields.right = m_rightEdit->text();
    m_fields.bottom = m_bottomEdit->text();
    m_fields.href = m_linkEdit->text();
}

void ImageDialog::showFields() {
    m_fullPathEdit->setText(m_fields.fullPath);
    m_fileNameEdit->setText(m_fields.fileName);
    m_altEdit->setText(m_fields.alt);
    m_titleEdit->setText(m_fields.title);
    m_leftEdit->setText(m_fields.left);
    m_topEdit->setText(m_fields.top);
    m_rightEdit->setText(m_fields.right);
    m_bottomEdit->setText(m_fields.bottom);
    m_clickXEdit->setText(m_fields.clickX);
    m_clickYEdit->setText(m_fields.clickY);
    setSliderPosition(m_map.sliderPosition());
}

void ImageDialog::applyToPreview(const PreviewUpdate& update) {
    m_preview->apply(update);
    showFields();
}

void ImageDialog::setSliderMaximum(int maximum) {
    const QSignalBlocker quiet(m_areaSlider);
    m_areaSlider->setMaximum(maximum);
    m_map.setSliderPosition(m_areaSlider->value());
}

void ImageDialog::setSliderPosition(int position) {
    const QSignalBlocker quiet(m_areaSlider);
    m_areaSlider->setValue(position);
}

void ImageDialog::resetPictureInfo() {
    m_widthValueLabel->setText(NoInfo);
    m_heightValueLabel->setText(NoInfo);
    m_fileSizeValueLabel->setText(NoInfo);
    m_fields.pictureSize = QSize(0, 0);
    m_preview->setBlank();
}

void ImageDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        prepareForShowing();
    QDialog::showEvent(event);
}

void ImageDialog::prepareForShowing() {
    m_map.reset();
    applyLanguage();
    m_markup.clear();
    m_picturePath.clear();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    resize(780, 580);
    readWidgets();
    m_mapCheckBox->setChecked(false);
    m_fields.withMap = false;
    {
        const QSignalBlocker quiet(m_opticalButton);
        m_opticalButton->setChecked(true);
    }
    switchMapControls(false);
    resetPictureInfo();
    m_stretchCheckBox->setChecked(false);
    m_preview->setStretched(false);
}

void ImageDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const ImageDialogLayout layout = imageDialogLayout(event->size());
    m_scroll->setGeometry(layout.preview);
    m_areaSlider->setGeometry(layout.slider);
    m_modeRow->setGeometry(layout.modeRow);
    m_column->setGeometry(layout.rightColumn);
}

void ImageDialog::openPicture() {
    const OpenDialogStart start = openDialogStart(m_fullPathEdit->text(), m_fileNameEdit->text());
    QString from = start.fileName;
    if (!start.folder.isEmpty())
        from = start.folder + QLatin1Char('/') + start.fileName;
    const QString path =
        QFileDialog::getOpenFileName(this, text("Öffnen", "Open"), from, PictureFilter, nullptr,
                                     QFileDialog::HideNameFilterDetails);
    if (!path.isEmpty())
        loadPicture(path);
}

void ImageDialog::loadPicture(const QString& path) {
    readWidgets();
    m_picturePath = path;
    const QFileInfo info(path);
    m_fileSizeValueLabel->setText(fileSizeText(info.size()));
    m_fields.fullPath = path;
    m_fields.fileName = info.fileName();

    QImageReader reader(path, imageFormatForPath(path));
    // The extension decides the decoder; a picture under a wrong extension is not guessed.
    reader.setAutoDetectImageFormat(false);
    const QImage picture = info.isFile() ? reader.read() : QImage();
    if (picture.isNull()) {
        // Nothing of the unreadable file stays, so OK cannot pair a typed name with the size
        // of a picture loaded before.
        m_picturePath.clear();
        resetPictureInfo();
        m_fields.fullPath.clear();
        m_fields.fileName.clear();
        showFields();
        m_prompter.error(text(InvalidImageGerman, InvalidImageEnglish));
        return;
    }
    m_preview->setPicture(picture);
    m_preview->setStretched(m_stretchCheckBox->isChecked());
    m_fields.pictureSize = picture.size();
    m_widthValueLabel->setText(QString::number(picture.width()));
    m_heightValueLabel->setText(QString::number(picture.height()));
    setSliderMaximum(sliderMaximum(m_fields.shape, m_fields.pictureSize));
    showFields();
}

void ImageDialog::acceptMarkup() {
    readWidgets();
    m_markup = imageMarkup(m_fields);
    accept();
}

void ImageDialog::cancel() {
    m_markup.clear();
    reject();
}

void ImageDialog::done(int result) {
    // However the window closes, the path fields start empty next time.
    m_fields.fullPath.clear();
    m_fields.fileName.clear();
    m_fullPathEdit->clear();
    m_fileNameEdit->clear();
    QDialog::done(result);
}

void ImageDialog::clearMap() {
    readWidgets();
    applyToPreview(m_map.clear());
}

void ImageDialog::switchMapControls(bool on) {
    setTextColour(m_mapCheckBox, on ? "#800000" : "#000080");
    m_stretchCheckBox->setChecked(false);
    m_stretchCheckBox->setEnabled(!on);
    m_preview->setStretched(false);
    const PreviewUpdate update = m_map.mapSwitched();
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_mapNameEdit, m_shapeCombo, m_leftEdit, m_topEdit, m_rightEdit, m_bottomEdit,
             m_linkEdit, m_opticalButton, m_manualButton, m_areaSlider})
        w->setEnabled(on);
    if (on) {
        // A shape kept from the last use brings its own state of slider and mode.
        applyShapeView();
        if (m_fields.shape == QLatin1String("poly") && !m_map.isManual()) {
            const QSignalBlocker quiet(m_manualButton);
            m_manualButton->setChecked(true);
            m_map.setManual(true);
        }
    }
    applyToPreview(update);
}

void ImageDialog::toggleMap() {
    readWidgets();
    switchMapControls(m_mapCheckBox->isChecked());
}

void ImageDialog::applyShapeView() {
    const QString& shape = m_shapeCombo->currentText();
    const bool circle = shape == QLatin1String("circle");
    m_rightLabel->setText(circle ? QStringLiteral("Radius") : text(RightGerman, RightEnglish));
    m_bottomLabel->setVisible(!circle);
    m_bottomEdit->setVisible(!circle);
    if (shape == QLatin1String("poly") && m_mapCheckBox->isChecked()) {
        m_areaSlider->setEnabled(false);
        m_opticalButton->setEnabled(false);
    }
}

void ImageDialog::changeShape() {
    readWidgets();
    const PreviewUpdate update = m_map.shapeChanged();
    m_areaSlider->setEnabled(true);
    m_opticalButton->setEnabled(true);
    const QString& shape = m_fields.shape;
    if (shape == QLatin1String("circle") || m_fields.pictureLoaded())
        setSliderMaximum(sliderMaximum(shape, m_fields.pictureSize));
    if (shape == QLatin1String("poly")) {
        const QSignalBlocker quiet(m_manualButton);
        m_manualButton->setChecked(true);
    }
    applyShapeView();
    applyToPreview(update);
}

void ImageDialog::chooseOpticalMode() {
    readWidgets();
    applyToPreview(m_map.setManual(false));
}

void ImageDialog::chooseManualMode() {
    readWidgets();
    applyToPreview(m_map.setManual(true));
}

void ImageDialog::moveSlider(int position) {
    readWidgets();
    applyToPreview(m_map.sliderMoved(position));
}

void ImageDialog::toggleIncludePath() {
    m_fileNameOnlyCheckBox->setChecked(!m_includePathCheckBox->isChecked());
}

void ImageDialog::toggleFileNameOnly() {
    m_includePathCheckBox->setChecked(!m_fileNameOnlyCheckBox->isChecked());
}

void ImageDialog::toggleStretch() {
    m_preview->setStretched(m_stretchCheckBox->isChecked());
}

void ImageDialog::pressOnPreview(QPoint at) {
    if (!m_mapCheckBox->isChecked())
        return;
    readWidgets();
    applyToPreview(m_map.mousePressed(at));
}

void ImageDialog::dragOnPreview(QPoint at) {
    if (!m_mapCheckBox->isChecked() || !m_map.dragging())
        return;
    readWidgets();
    applyToPreview(m_map.mouseMoved(at));
}

void ImageDialog::releaseOnPreview(QPoint at) {
    if (!m_mapCheckBox->isChecked() || !m_map.dragging())
        return;
    readWidgets();
    applyToPreview(m_map.mouseReleased(at));
}
