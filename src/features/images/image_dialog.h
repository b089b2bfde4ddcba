#pragma once

#include "features/images/image_map_editor.h"
#include "features/images/image_markup.h"
#include "foundation/messages/message_table.h"

#include <QDialog>

class ImagePreview;
class Prompter;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;

// The image dialog: picks a picture, shows it with its size, and builds the "<img" markup,
// optionally with an image map whose area is set on the preview. Created once; the caller
// sets the language, shows it modally and reads the markup.
class ImageDialog : public QDialog {
    Q_OBJECT
public:
    ImageDialog(Prompter& prompter, QWidget* parent = nullptr);

    void setLanguage(UiLanguage language) { m_language = language; }
    UiLanguage language() const { return m_language; }
    // The markup to insert; empty unless OK produced some.
    QString markup() const { return m_markup; }
    // Full path of the loaded picture.
    QString picturePath() const { return m_picturePath; }
    bool isMapManual() const { return m_map.isManual(); }

    // Loads a picture as if it had been picked in the open dialog.
    void loadPicture(const QString& path);
    ImagePreview* preview() const { return m_preview; }
    const ImageFields& fields() const { return m_fields; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void connectControls();
    // Every showing starts without a picture, a map or markup.
    void prepareForShowing();
    void applyLanguage();
    // Enables or disables the map's controls as the map check box says.
    void switchMapControls(bool on);
    // Label and bottom field for the shape; slider and "Optical" for "poly".
    void applyShapeView();
    void setSliderMaximum(int maximum);
    void setSliderPosition(int position);
    void resetPictureInfo();
    QString text(const char* german, const char* english) const;

    void openPicture();
    void acceptMarkup();
    void cancel();
    void clearMap();
    void toggleMap();
    void changeShape();
    void chooseOpticalMode();
    void chooseManualMode();
    void moveSlider(int position);
    void toggleIncludePath();
    void toggleFileNameOnly();
    void toggleStretch();

    // Widgets to fields before a step, fields to widgets after it.
    void readWidgets();
    void showFields();
    void applyToPreview(const PreviewUpdate& update);

    void pressOnPreview(QPoint at);
    void dragOnPreview(QPoint at);
    void releaseOnPreview(QPoint at);

    Prompter& m_prompter;
    UiLanguage m_language = UiLanguage::German;
    QString m_markup;
    QString m_picturePath;
    ImageFields m_fields;
    ImageMapEditor m_map{m_fields};

    QScrollArea* m_scroll;
    ImagePreview* m_preview;
    QWidget* m_column;
    QWidget* m_modeRow;

    QPushButton* m_openButton;
    QCheckBox* m_includePathCheckBox;
    QLineEdit* m_fullPathEdit;
    QCheckBox* m_fileNameOnlyCheckBox;
    QLineEdit* m_fileNameEdit;
    QGroupBox* m_pictureInfoGroup;
    QLabel* m_widthLabel;
    QLabel* m_heightLabel;
    QLabel* m_widthValueLabel;
    QLabel* m_heightValueLabel;
    QLabel* m_fileSizeLabel;
    QLabel* m_fileSizeValueLabel;
    QCheckBox* m_stretchCheckBox;
    QCheckBox* m_mapCheckBox;
    QLabel* m_mapNameLabel;
    QLineEdit* m_mapNameEdit;
    QLabel* m_shapeLabel;
    QComboBox* m_shapeCombo;
    QLabel* m_coordsLabel;
    QLabel* m_leftLabel;
    QLabel* m_topLabel;
    // "Right", or "Radius" for a circle.
    QLabel* m_rightLabel;
    QLabel* m_bottomLabel;
    QLineEdit* m_leftEdit;
    QLineEdit* m_topEdit;
    QLineEdit* m_rightEdit;
    QLineEdit* m_bottomEdit;
    QLabel* m_altLabel;
    QLineEdit* m_altEdit;
    QLabel* m_titleLabel;
    QLineEdit* m_titleEdit;
    QLabel* m_linkLabel;
    QLineEdit* m_linkEdit;
    QGroupBox* m_modeGroup;
    QRadioButton* m_opticalButton;
    QRadioButton* m_manualButton;
    QSlider* m_areaSlider;
    QLabel* m_clickXLabel;
    QLabel* m_clickYLabel;
    QLineEdit* m_clickXEdit;
    QLineEdit* m_clickYEdit;
    QPushButton* m_clearButton;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
};
