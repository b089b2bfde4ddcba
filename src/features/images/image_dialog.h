#pragma once

#include "features/images/image_map_editor.h"
#include "features/images/image_markup.h"
#include "foundation/messages/messages.h"

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
// sets Sprache, shows it modally and reads ImageSrc.
class TFormImage : public QDialog {
    Q_OBJECT
public:
    TFormImage(Prompter& prompter, QWidget* parent = nullptr);

    UiLanguage Sprache = UiLanguage::German;
    // The markup to insert; empty unless OK produced some.
    QString ImageSrc;
    // Full path of the loaded picture.
    QString Dateilong;
    bool UseText() const { return m_map.useText(); }

    // Loads a picture as if it had been picked in the open dialog.
    void loadPicture(const QString& path);
    ImagePreview* preview() const { return m_preview; }
    const ImageFields& fields() const { return m_fields; }

    // The handlers, public so that the window's tests can run them.
    void BitBtn1Click();
    void ButtonOnlyClick();
    void BitBtn3Click();
    void BitBtn2Click();
    void CheckMapClick();
    void ComboBox1Change();
    void CheckBoxShowClick();
    void RadioButton1Click();
    void TrackBar1Change(int position);
    void CheckCompleteClick();
    void CheckFileOnlyClick();
    void CheckBox1Click();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void FormShow();
    void applyLanguage();
    // Enables or disables the map's controls as CheckMap says.
    void switchMapControls(bool on);
    // Label and Bottom field for the shape; slider and "Optical" for "poly".
    void applyShapeView();
    void setSliderMaximum(int maximum);
    void setSliderPosition(int position);
    void resetPictureInfo();
    QString text(const char* german, const char* english) const;

    // Widgets to fields before a step, fields to widgets after it.
    void readWidgets();
    void showFields();
    void applyToPreview(const PreviewUpdate& update);

    void ImageMouseDown(QPoint at);
    void ImageMouseMove(QPoint at);
    void ImageMouseUp(QPoint at);

    Prompter& m_prompter;
    ImageFields m_fields;
    ImageMapEditor m_map{m_fields};

    QScrollArea* m_scroll;
    ImagePreview* m_preview;
    QWidget* m_column;
    QWidget* m_modeRow;

    QPushButton* BitBtn1;
    QCheckBox* CheckComplete;
    QLineEdit* EditComplete;
    QCheckBox* CheckFileOnly;
    QLineEdit* EditFileonly;
    QGroupBox* Label14;
    QLabel* LabelW;
    QLabel* LabelH;
    QLabel* LabelWidth;
    QLabel* LabelHeight;
    QLabel* Label17;
    QLabel* LabelFSize;
    QCheckBox* CheckBox1;
    QCheckBox* CheckMap;
    QLabel* Label3;
    QLineEdit* MapName;
    QLabel* Label4;
    QComboBox* ComboBox1;
    QLabel* Label5;
    QLabel* LabelLeft;
    QLabel* LabelTop;
    QLabel* LabelRadius;
    QLabel* LabelBottom;
    QLineEdit* Left;
    QLineEdit* Top;
    QLineEdit* Right;
    QLineEdit* Bottom;
    QLabel* Label8;
    QLineEdit* Alt;
    QLabel* Label10;
    QLineEdit* Title;
    QLabel* Label11;
    QLineEdit* Href;
    QGroupBox* GroupBox1;
    QRadioButton* CheckBoxShow;
    QRadioButton* RadioButton1;
    QSlider* TrackBar1;
    QLabel* LabelX;
    QLabel* LabelY;
    QLineEdit* EditX;
    QLineEdit* EditY;
    QPushButton* BitBtn2;
    QPushButton* ButtonOnly;
    QPushButton* BitBtn3;
};
