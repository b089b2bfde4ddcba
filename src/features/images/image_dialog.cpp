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
    {"BitBtn1", "Öffnen", "Open"},
    {"CheckComplete", "Pfad einschliessen", "Include path",
     "Komplette Pfadangabe im Dateinamen angeben", "Include path in filename"},
    {"EditComplete", nullptr, nullptr, "Komplette Pfadangabe im Dateinamen angeben",
     "Include path in filename"},
    {"CheckFileOnly", "Nur Dateiname", "Filename only", "Dateiname ohne Pfadangaben einfügen",
     "Filename only, no path included"},
    {"EditFileonly", nullptr, nullptr, "Dateiname ohne Pfadangaben einfügen",
     "Filename only, no path included"},
    {"Label14", "Grafikinfo", "Image info"},
    {"LabelW", "Breite", "Width"},
    {"LabelH", "Höhe", "Height"},
    {"Label17", "Dateigrösse", "File size"},
    {"CheckBox1", "Grafik strecken", "Stretch graphics"},
    {"CheckMap", "Image Map erstellen", "Create image map"},
    {"Label3", "Name", "Name"},
    {"Label4", "Shape", "Shape"},
    {"Label5", "Koord.", "Coords"},
    {"LabelLeft", "Links", "Left"},
    {"LabelTop", "Oben", "Top"},
    {"LabelBottom", "Unten", "Bottom"},
    {"Label8", "Alt", "Alt"},
    {"Label10", "Title", "Title"},
    {"Label11", "Link", "Link"},
    {"GroupBox1", "Vorschau Image Map", "Preview image map"},
    {"CheckBoxShow", "Optisch", "Optical"},
    {"RadioButton1", "Manuell", "Manual"},
    {"LabelX", "Pos X:", "Pos X:"},
    {"LabelY", "Pos Y:", "Pos Y:"},
    {"BitBtn2", "Clear", "Clear", "Image Map entfernen", "Clear image map"},
    {"ButtonOnly", "OK", "OK"},
    {"BitBtn3", "Abbrechen", "Cancel"},
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

TFormImage::TFormImage(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("FormImage"));
    setWindowTitle(QStringLiteral("Image"));
    setSizeGripEnabled(true);
    buildControls();
    connectControls();
    setMinimumSize(680, 560);
    resize(780, 580);
}

void TFormImage::buildControls() {
    m_scroll = named<QScrollArea>(this, "ScrollBox1");
    m_scroll->setWidgetResizable(true);
    m_scroll->setBackgroundRole(QPalette::Mid);
    m_preview = new ImagePreview;
    m_scroll->setWidget(m_preview);

    TrackBar1 = named<QSlider>(this, "TrackBar1");
    TrackBar1->setOrientation(Qt::Horizontal);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setRange(0, 20);

    // The row under the slider: mode group, Clear and "stretch", then the click position.
    m_modeRow = new QWidget(this);
    GroupBox1 = named<QGroupBox>(m_modeRow, "GroupBox1");
    CheckBoxShow = named<QRadioButton>(GroupBox1, "CheckBoxShow");
    RadioButton1 = named<QRadioButton>(GroupBox1, "RadioButton1");
    auto* modes = new QHBoxLayout(GroupBox1);
    modes->addWidget(CheckBoxShow);
    modes->addWidget(RadioButton1);
    BitBtn2 = named<QPushButton>(m_modeRow, "BitBtn2");
    BitBtn2->setAutoDefault(false);
    CheckBox1 = named<QCheckBox>(m_modeRow, "CheckBox1");
    LabelX = label(m_modeRow, "LabelX");
    LabelY = label(m_modeRow, "LabelY");
    EditX = named<QLineEdit>(m_modeRow, "EditX");
    EditY = named<QLineEdit>(m_modeRow, "EditY");
    for (QLineEdit* edit : {EditX, EditY}) {
        edit->setReadOnly(true);
        edit->setFixedWidth(60);
    }
    auto* rowGrid = new QGridLayout(m_modeRow);
    rowGrid->setContentsMargins(0, 0, 0, 0);
    rowGrid->addWidget(GroupBox1, 0, 0, 2, 1);
    rowGrid->addWidget(BitBtn2, 0, 1);
    rowGrid->addWidget(CheckBox1, 1, 1);
    auto* position = new QHBoxLayout;
    position->addWidget(LabelX);
    position->addWidget(EditX);
    position->addSpacing(12);
    position->addWidget(LabelY);
    position->addWidget(EditY);
    position->addStretch();
    rowGrid->addLayout(position, 2, 0, 1, 3);
    rowGrid->setColumnStretch(2, 1);
    rowGrid->setRowStretch(3, 1);

    // The fields, right of the preview.
    m_column = new QWidget(this);
    auto* column = new QVBoxLayout(m_column);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);

    BitBtn1 = named<QPushButton>(m_column, "BitBtn1");
    BitBtn1->setAutoDefault(false);
    CheckComplete = named<QCheckBox>(m_column, "CheckComplete");
    EditComplete = named<QLineEdit>(m_column, "EditComplete");
    CheckFileOnly = named<QCheckBox>(m_column, "CheckFileOnly");
    CheckFileOnly->setChecked(true);
    EditFileonly = named<QLineEdit>(m_column, "EditFileonly");
    auto* openRow = new QHBoxLayout;
    openRow->addWidget(BitBtn1);
    openRow->addStretch();
    column->addLayout(openRow);
    column->addWidget(CheckComplete);
    column->addWidget(EditComplete);
    column->addWidget(CheckFileOnly);
    column->addWidget(EditFileonly);

    Label14 = named<QGroupBox>(m_column, "Label14");
    LabelW = label(Label14, "LabelW");
    LabelH = label(Label14, "LabelH");
    Label17 = label(Label14, "Label17");
    LabelWidth = label(Label14, "LabelWidth");
    LabelHeight = label(Label14, "LabelHeight");
    LabelFSize = label(Label14, "LabelFSize");
    auto* info = new QGridLayout(Label14);
    info->addWidget(LabelW, 0, 0);
    info->addWidget(LabelWidth, 0, 1);
    info->addWidget(LabelH, 0, 2);
    info->addWidget(LabelHeight, 0, 3);
    info->addWidget(Label17, 1, 0);
    info->addWidget(LabelFSize, 1, 1, 1, 3);
    info->setColumnStretch(1, 1);
    info->setColumnStretch(3, 1);
    column->addWidget(Label14);

    CheckMap = named<QCheckBox>(m_column, "CheckMap");
    column->addSpacing(4);
    column->addWidget(CheckMap);

    auto* map = new QGridLayout;
    map->setHorizontalSpacing(6);
    Label3 = label(m_column, "Label3");
    MapName = named<QLineEdit>(m_column, "MapName");
    MapName->setText(m_fields.mapName);
    Label4 = label(m_column, "Label4");
    ComboBox1 = named<QComboBox>(m_column, "ComboBox1");
    ComboBox1->addItems({QStringLiteral("rect"), QStringLiteral("circle"), QStringLiteral("poly")});
    map->addWidget(Label3, 0, 0);
    map->addWidget(MapName, 0, 1, 1, 2);
    map->addWidget(Label4, 0, 3);
    map->addWidget(ComboBox1, 0, 4);

    Label5 = label(m_column, "Label5");
    LabelLeft = label(m_column, "LabelLeft");
    LabelTop = label(m_column, "LabelTop");
    LabelRadius = label(m_column, "LabelRadius");
    LabelBottom = label(m_column, "LabelBottom");
    Left = named<QLineEdit>(m_column, "Left");
    Top = named<QLineEdit>(m_column, "Top");
    Right = named<QLineEdit>(m_column, "Right");
    Bottom = named<QLineEdit>(m_column, "Bottom");
    map->addWidget(LabelLeft, 1, 1);
    map->addWidget(LabelTop, 1, 2);
    map->addWidget(LabelRadius, 1, 3);
    map->addWidget(LabelBottom, 1, 4);
    map->addWidget(Label5, 2, 0);
    int at = 1;
    for (QLineEdit* edit : {Left, Top, Right, Bottom}) {
        edit->setMinimumWidth(44);
        map->addWidget(edit, 2, at++);
    }

    Label8 = label(m_column, "Label8");
    Alt = named<QLineEdit>(m_column, "Alt");
    Label10 = label(m_column, "Label10");
    Title = named<QLineEdit>(m_column, "Title");
    Label11 = label(m_column, "Label11");
    Href = named<QLineEdit>(m_column, "Href");
    Href->setText(m_fields.href);
    map->addWidget(Label8, 3, 0);
    map->addWidget(Alt, 3, 1, 1, 4);
    map->addWidget(Label10, 4, 0);
    map->addWidget(Title, 4, 1, 1, 4);
    map->addWidget(Label11, 5, 0);
    map->addWidget(Href, 5, 1, 1, 4);
    column->addLayout(map);
    column->addStretch();

    ButtonOnly = named<QPushButton>(m_column, "ButtonOnly");
    ButtonOnly->setDefault(true);
    BitBtn3 = named<QPushButton>(m_column, "BitBtn3");
    BitBtn3->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newHelpButton(
        200, [this] { return Sprache; }, m_column));
    installHelpKey(this, 200, [this] { return Sprache; });
    buttons->addStretch();
    buttons->addWidget(ButtonOnly);
    buttons->addWidget(BitBtn3);
    column->addLayout(buttons);

    LabelWidth->setText(NoInfo);
    LabelHeight->setText(NoInfo);
    LabelFSize->setText(NoInfo);
    CheckBoxShow->setChecked(true);
    showFields();
}

void TFormImage::connectControls() {
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(ButtonOnly, &QPushButton::clicked, this, [this] { ButtonOnlyClick(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(CheckMap, &QCheckBox::clicked, this, [this] { CheckMapClick(); });
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    connect(CheckBoxShow, &QRadioButton::clicked, this, [this] { CheckBoxShowClick(); });
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
    connect(TrackBar1, &QSlider::valueChanged, this, [this](int p) { TrackBar1Change(p); });
    connect(CheckComplete, &QCheckBox::clicked, this, [this] { CheckCompleteClick(); });
    connect(CheckFileOnly, &QCheckBox::clicked, this, [this] { CheckFileOnlyClick(); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    connect(m_preview, &ImagePreview::pressed, this, [this](QPoint p) { ImageMouseDown(p); });
    connect(m_preview, &ImagePreview::moved, this, [this](QPoint p) { ImageMouseMove(p); });
    connect(m_preview, &ImagePreview::released, this, [this](QPoint p) { ImageMouseUp(p); });
}

QString TFormImage::text(const char* german, const char* english) const {
    return QString::fromUtf8(Sprache == UiLanguage::German ? german : english);
}

void TFormImage::applyLanguage() {
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

void TFormImage::readWidgets() {
    m_fields.editComplete = EditComplete->text();
    m_fields.editFileOnly = EditFileonly->text();
    m_fields.checkComplete = CheckComplete->isChecked();
    m_fields.alt = Alt->text();
    m_fields.title = Title->text();
    m_fields.checkMap = CheckMap->isChecked();
    m_fields.mapName = MapName->text();
    m_fields.shape = ComboBox1->currentText();
    m_fields.left = Left->text();
    m_fields.top = Top->text();
    m_fields.right = Right->text();
    m_fields.bottom = Bottom->text();
    m_fields.href = Href->text();
}

void TFormImage::showFields() {
    EditComplete->setText(m_fields.editComplete);
    EditFileonly->setText(m_fields.editFileOnly);
    Alt->setText(m_fields.alt);
    Title->setText(m_fields.title);
    Left->setText(m_fields.left);
    Top->setText(m_fields.top);
    Right->setText(m_fields.right);
    Bottom->setText(m_fields.bottom);
    EditX->setText(m_fields.editX);
    EditY->setText(m_fields.editY);
    setSliderPosition(m_map.sliderPosition());
}

void TFormImage::applyToPreview(const PreviewUpdate& update) {
    m_preview->apply(update);
    showFields();
}

void TFormImage::setSliderMaximum(int maximum) {
    const QSignalBlocker quiet(TrackBar1);
    TrackBar1->setMaximum(maximum);
    m_map.setSliderPosition(TrackBar1->value());
}

void TFormImage::setSliderPosition(int position) {
    const QSignalBlocker quiet(TrackBar1);
    TrackBar1->setValue(position);
}

void TFormImage::resetPictureInfo() {
    LabelWidth->setText(NoInfo);
    LabelHeight->setText(NoInfo);
    LabelFSize->setText(NoInfo);
    m_fields.picture = QSize(0, 0);
    m_preview->setBlank();
}

void TFormImage::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TFormImage::FormShow() {
    m_map.reset();
    applyLanguage();
    ImageSrc.clear();
    Dateilong.clear();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    resize(780, 580);
    readWidgets();
    CheckMap->setChecked(false);
    m_fields.checkMap = false;
    {
        const QSignalBlocker quiet(CheckBoxShow);
        CheckBoxShow->setChecked(true);
    }
    switchMapControls(false);
    resetPictureInfo();
    CheckBox1->setChecked(false);
    m_preview->setStretched(false);
}

void TFormImage::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const ImageDialogLayout layout = imageDialogLayout(event->size());
    m_scroll->setGeometry(layout.preview);
    TrackBar1->setGeometry(layout.slider);
    m_modeRow->setGeometry(layout.modeRow);
    m_column->setGeometry(layout.rightColumn);
}

void TFormImage::BitBtn1Click() {
    const OpenDialogStart start = openDialogStart(EditComplete->text(), EditFileonly->text());
    QString from = start.fileName;
    if (!start.folder.isEmpty())
        from = start.folder + QLatin1Char('/') + start.fileName;
    const QString path =
        QFileDialog::getOpenFileName(this, text("Öffnen", "Open"), from, PictureFilter, nullptr,
                                     QFileDialog::HideNameFilterDetails);
    if (!path.isEmpty())
        loadPicture(path);
}

void TFormImage::loadPicture(const QString& path) {
    readWidgets();
    Dateilong = path;
    const QFileInfo info(path);
    LabelFSize->setText(fileSizeText(info.size()));
    m_fields.editComplete = path;
    m_fields.editFileOnly = info.fileName();

    QImageReader reader(path, imageFormatForPath(path));
    // The extension decides the decoder; a picture under a wrong extension is not guessed.
    reader.setAutoDetectImageFormat(false);
    const QImage picture = info.isFile() ? reader.read() : QImage();
    if (picture.isNull()) {
        // Nothing of the unreadable file stays, so OK cannot pair a typed name with the size
        // of a picture loaded before.
        Dateilong.clear();
        resetPictureInfo();
        m_fields.editComplete.clear();
        m_fields.editFileOnly.clear();
        showFields();
        m_prompter.error(text(InvalidImageGerman, InvalidImageEnglish));
        return;
    }
    m_preview->setPicture(picture);
    m_preview->setStretched(CheckBox1->isChecked());
    m_fields.picture = picture.size();
    LabelWidth->setText(QString::number(picture.width()));
    LabelHeight->setText(QString::number(picture.height()));
    setSliderMaximum(sliderMaximum(m_fields.shape, m_fields.picture));
    showFields();
}

void TFormImage::ButtonOnlyClick() {
    readWidgets();
    ImageSrc = BuildImageMarkup(m_fields);
    accept();
}

void TFormImage::BitBtn3Click() {
    ImageSrc.clear();
    reject();
}

void TFormImage::done(int result) {
    // However the window closes, the path fields start empty next time.
    m_fields.editComplete.clear();
    m_fields.editFileOnly.clear();
    EditComplete->clear();
    EditFileonly->clear();
    QDialog::done(result);
}

void TFormImage::BitBtn2Click() {
    readWidgets();
    applyToPreview(m_map.Clear());
}

void TFormImage::switchMapControls(bool on) {
    setTextColour(CheckMap, on ? "#800000" : "#000080");
    CheckBox1->setChecked(false);
    CheckBox1->setEnabled(!on);
    m_preview->setStretched(false);
    const PreviewUpdate update = m_map.mapSwitched();
    for (QWidget* w : std::initializer_list<QWidget*>{MapName, ComboBox1, Left, Top, Right, Bottom,
                                                      Href, CheckBoxShow, RadioButton1, TrackBar1})
        w->setEnabled(on);
    if (on) {
        // A shape kept from the last use brings its own state of slider and mode.
        applyShapeView();
        if (m_fields.shape == QLatin1String("poly") && !m_map.useText()) {
            const QSignalBlocker quiet(RadioButton1);
            RadioButton1->setChecked(true);
            m_map.setUseText(true);
        }
    }
    applyToPreview(update);
}

void TFormImage::CheckMapClick() {
    readWidgets();
    switchMapControls(CheckMap->isChecked());
}

void TFormImage::applyShapeView() {
    const QString& shape = ComboBox1->currentText();
    const bool circle = shape == QLatin1String("circle");
    LabelRadius->setText(circle ? QStringLiteral("Radius") : text(RightGerman, RightEnglish));
    LabelBottom->setVisible(!circle);
    Bottom->setVisible(!circle);
    if (shape == QLatin1String("poly") && CheckMap->isChecked()) {
        TrackBar1->setEnabled(false);
        CheckBoxShow->setEnabled(false);
    }
}

void TFormImage::ComboBox1Change() {
    readWidgets();
    const PreviewUpdate update = m_map.shapeChanged();
    TrackBar1->setEnabled(true);
    CheckBoxShow->setEnabled(true);
    const QString& shape = m_fields.shape;
    if (shape == QLatin1String("circle") || m_fields.pictureLoaded())
        setSliderMaximum(sliderMaximum(shape, m_fields.picture));
    if (shape == QLatin1String("poly")) {
        const QSignalBlocker quiet(RadioButton1);
        RadioButton1->setChecked(true);
    }
    applyShapeView();
    applyToPreview(update);
}

void TFormImage::CheckBoxShowClick() {
    readWidgets();
    applyToPreview(m_map.setUseText(false));
}

void TFormImage::RadioButton1Click() {
    readWidgets();
    applyToPreview(m_map.setUseText(true));
}

void TFormImage::TrackBar1Change(int position) {
    readWidgets();
    applyToPreview(m_map.TrackBar1Change(position));
}

void TFormImage::CheckCompleteClick() {
    CheckFileOnly->setChecked(!CheckComplete->isChecked());
}

void TFormImage::CheckFileOnlyClick() {
    CheckComplete->setChecked(!CheckFileOnly->isChecked());
}

void TFormImage::CheckBox1Click() {
    m_preview->setStretched(CheckBox1->isChecked());
}

void TFormImage::ImageMouseDown(QPoint at) {
    if (!CheckMap->isChecked())
        return;
    readWidgets();
    applyToPreview(m_map.ImageMouseDown(at));
}

void TFormImage::ImageMouseMove(QPoint at) {
    if (!CheckMap->isChecked() || !m_map.dragging())
        return;
    readWidgets();
    applyToPreview(m_map.ImageMouseMove(at));
}

void TFormImage::ImageMouseUp(QPoint at) {
    if (!CheckMap->isChecked() || !m_map.dragging())
        return;
    readWidgets();
    applyToPreview(m_map.ImageMouseUp(at));
}
