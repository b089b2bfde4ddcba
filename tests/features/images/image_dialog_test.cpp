#include "features/images/image_dialog.h"
#include "features/images/image_preview.h"
#include "file_bytes.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "recording_platform.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace {

// A GIF of one colour. Qt reads GIF but cannot write it, so the bytes are put together here:
// the LZW stream restarts with a clear code every two pixels, which keeps codes 3 bits wide.
QByteArray solidGif(int width, int height) {
    QByteArray gif("GIF89a");
    auto word = [&gif](int v) {
        gif.append(char(v & 0xff));
        gif.append(char((v >> 8) & 0xff));
    };
    word(width);
    word(height);
    gif.append(char(0x80)); // global colour table of two entries
    gif.append(char(0));
    gif.append(char(0));
    gif.append(QByteArray::fromHex("3366ccffffff"));
    gif.append(char(0x2c));
    word(0);
    word(0);
    word(width);
    word(height);
    gif.append(char(0));
    gif.append(char(2)); // LZW minimum code size

    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    auto code = [&](int c) {
        bits |= quint32(c) << count;
        count += 3;
        while (count >= 8) {
            data.append(char(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    };
    const int pixels = width * height;
    for (int i = 0; i < pixels; i += 2) {
        code(4);
        code(0);
        if (i + 1 < pixels)
            code(0);
    }
    code(5);
    if (count > 0)
        data.append(char(bits & 0xff));
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append(char(0));
    gif.append(char(0x3b));
    return gif;
}

const QColor Paint(200, 100, 50);

QImage solidImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Paint);
    return image;
}

bool inverted(const QImage& shown, int x, int y) {
    const QRgb p = shown.pixel(x, y);
    return qRed(p) == 255 - Paint.red() && qGreen(p) == 255 - Paint.green() &&
           qBlue(p) == 255 - Paint.blue();
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class ImageDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    template <typename T> static T* child(QWidget& dialog, const char* name) {
        T* widget = dialog.findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    static QString text(QWidget& dialog, const char* name) {
        if (auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(name)))
            return edit->text();
        return child<QLabel>(dialog, name)->text();
    }
    static void click(QWidget& dialog, const char* name) {
        child<QAbstractButton>(dialog, name)->click();
    }
    static QStringList coords(QWidget& dialog) {
        return {text(dialog, "leftEdit"), text(dialog, "topEdit"), text(dialog, "rightEdit"),
                text(dialog, "bottomEdit")};
    }
    static void drag(ImageDialog& dialog, QPoint from, QPoint to) {
        QWidget* preview = dialog.preview();
        sendMouse(preview, QEvent::MouseButtonPress, from);
        sendMouse(preview, QEvent::MouseMove, (from + to) / 2);
        sendMouse(preview, QEvent::MouseMove, to);
        sendMouse(preview, QEvent::MouseButtonRelease, to);
    }
    // A shown dialog with a 100 x 80 picture and the map ticked in the given mode.
    void openMap(ImageDialog& dialog, const char* shape, bool manual) {
        dialog.setLanguage(UiLanguage::English);
        dialog.show();
        dialog.loadPicture(path("map.png"));
        click(dialog, "mapCheckBox");
        child<QComboBox>(dialog, "shapeCombo")->setCurrentText(QLatin1String(shape));
        if (manual)
            click(dialog, "manualButton");
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(solidImage(30, 20).save(path("photo.png"), "PNG"));
        QVERIFY(solidImage(31, 21).save(path("photo.jpg"), "JPEG"));
        QVERIFY(solidImage(32, 22).save(path("photo.jpeg"), "JPEG"));
        QVERIFY(solidImage(33, 23).save(path("photo.bmp"), "BMP"));
        QVERIFY(solidImage(34, 24).save(path("UPPER.PNG"), "PNG"));
        QVERIFY(solidImage(35, 25).save(path("bitmap.dat"), "BMP"));
        QVERIFY(solidImage(36, 26).save(path("png-as-bitmap.dat"), "PNG"));
        QVERIFY(solidImage(37, 27).save(path("png-named.gif"), "PNG"));
        QVERIFY(writeFileBytes(path("photo.gif"), solidGif(13, 7)));
        QVERIFY(writeFileBytes(path("broken.png"), "this is no picture\n"));
        QVERIFY(solidImage(100, 80).save(path("map.png"), "PNG"));
    }

    void loadPicture_readsSizeOfEachFormat_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("png") << "photo.png" << 30 << 20;
        QTest::newRow("jpg") << "photo.jpg" << 31 << 21;
        QTest::newRow("jpeg") << "photo.jpeg" << 32 << 22;
        QTest::newRow("bmp") << "photo.bmp" << 33 << 23;
        QTest::newRow("upper-case PNG") << "UPPER.PNG" << 34 << 24;
        QTest::newRow("gif") << "photo.gif" << 13 << 7;
        QTest::newRow("other extension as bitmap") << "bitmap.dat" << 35 << 25;
    }

    void loadPicture_readsSizeOfEachFormat() {
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(int, height);
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        dialog.show();
        const QString file = m_dir.filePath(name);
        dialog.loadPicture(file);
        QVERIFY2(prompter.messages().isEmpty(), qPrintable(prompter.messages().join('|')));
        QCOMPARE(text(dialog, "widthValueLabel"), QString::number(width));
        QCOMPARE(text(dialog, "heightValueLabel"), QString::number(height));
        QCOMPARE(text(dialog, "fileSizeValueLabel"),
                 QString::number(QFileInfo(file).size()) + QStringLiteral(" Bytes"));
        QCOMPARE(text(dialog, "fullPathEdit"), file);
        QCOMPARE(text(dialog, "fileNameEdit"), name);
        QCOMPARE(dialog.picturePath(), file);
        QCOMPARE(dialog.preview()->pictureSize(), QSize(width, height));
    }

    void loadPicture_unreadable_showsErrorAndForgetsPicture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<UiLanguage>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("text file") << "broken.png" << UiLanguage::English << "Invalid image format";
        QTest::newRow("german") << "broken.png" << UiLanguage::German
                                << QString::fromUtf8("Ungültiges Grafikformat");
        QTest::newRow("png tried as bitmap")
            << "png-as-bitmap.dat" << UiLanguage::English << "Invalid image format";
        QTest::newRow("png under .gif")
            << "png-named.gif" << UiLanguage::English << "Invalid image format";
        QTest::newRow("missing file")
            << "none.png" << UiLanguage::English << "Invalid image format";
    }

    void loadPicture_unreadable_showsErrorAndForgetsPicture() {
        QFETCH(QString, name);
        QFETCH(UiLanguage, language);
        QFETCH(QString, message);
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        dialog.setLanguage(language);
        dialog.show();
        dialog.loadPicture(path("photo.png"));
        dialog.loadPicture(m_dir.filePath(name));
        QCOMPARE(prompter.messages(), QStringList{message});
        QVERIFY(dialog.isVisible());
        QCOMPARE(text(dialog, "fullPathEdit"), QString());
        QCOMPARE(text(dialog, "fileNameEdit"), QString());
        QCOMPARE(text(dialog, "widthValueLabel"), QStringLiteral("000"));
        QCOMPARE(text(dialog, "fileSizeValueLabel"), QStringLiteral("000"));
        QVERIFY(dialog.picturePath().isEmpty());

        // A name typed afterwards does not take the size of the picture loaded before.
        child<QLineEdit>(dialog, "fileNameEdit")->setText(QStringLiteral("typed.png"));
        click(dialog, "okButton");
        QVERIFY(dialog.markup().contains(QStringLiteral("width:0px; height:0px;")));
    }

    void ok_fileNameOnly_writesNameAndSize() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        dialog.show();
        dialog.loadPicture(path("photo.jpg"));
        click(dialog, "okButton");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.markup(),
                 QStringLiteral("<img src=\"photo.jpg\" alt=\"Comment\" style=\"width:31px; "
                                "height:21px; border: 0; float: left\" title=\"Title\" />"));
        // Closing emptied the path fields for the next use.
        QCOMPARE(text(dialog, "fullPathEdit"), QString());
        QCOMPARE(text(dialog, "fileNameEdit"), QString());
    }

    void ok_includePath_writesFullPath() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        dialog.show();
        dialog.loadPicture(path("photo.png"));
        click(dialog, "includePathCheckBox");
        QVERIFY(!child<QCheckBox>(dialog, "fileNameOnlyCheckBox")->isChecked());
        child<QLineEdit>(dialog, "altEdit")->setText(QStringLiteral("Me"));
        click(dialog, "okButton");
        QCOMPARE(dialog.markup(), QStringLiteral("<img src=\"") + path("photo.png") +
                                      QStringLiteral("\" alt=\"Me\" style=\"width:30px; "
                                                     "height:20px;  border: 0; float: left\" "
                                                     "title=\"Title\" />"));
    }

    void pathCheckBoxes_stayOpposite() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        dialog.show();
        auto* complete = child<QCheckBox>(dialog, "includePathCheckBox");
        auto* fileOnly = child<QCheckBox>(dialog, "fileNameOnlyCheckBox");
        QVERIFY(fileOnly->isChecked());
        QVERIFY(!complete->isChecked());
        click(dialog, "fileNameOnlyCheckBox");
        QVERIFY(complete->isChecked());
        click(dialog, "includePathCheckBox");
        QVERIFY(fileOnly->isChecked());
        QVERIFY(!complete->isChecked());
    }

    void cancelAndClose_leaveNoMarkup() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        dialog.show();
        dialog.loadPicture(path("photo.png"));
        click(dialog, "cancelButton");
        QVERIFY(dialog.markup().isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        dialog.show();
        dialog.loadPicture(path("photo.png"));
        dialog.close();
        QVERIFY(dialog.markup().isEmpty());
        QCOMPARE(text(dialog, "fileNameEdit"), QString());
    }

    void showing_resetsInfoAndMapButKeepsTypedMapTexts() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        openMap(dialog, "circle", false);
        child<QLineEdit>(dialog, "mapNameEdit")->setText(QStringLiteral("Nav"));
        child<QLineEdit>(dialog, "altEdit")->setText(QStringLiteral("mine"));
        dialog.resize(900, 700);
        click(dialog, "okButton");

        dialog.show();
        QCOMPARE(dialog.size(), QSize(780, 580));
        QVERIFY(dialog.markup().isEmpty());
        QVERIFY(!child<QCheckBox>(dialog, "mapCheckBox")->isChecked());
        QVERIFY(!child<QLineEdit>(dialog, "leftEdit")->isEnabled());
        QVERIFY(!child<QSlider>(dialog, "areaSlider")->isEnabled());
        QCOMPARE(text(dialog, "widthValueLabel"), QStringLiteral("000"));
        QCOMPARE(text(dialog, "heightValueLabel"), QStringLiteral("000"));
        QCOMPARE(dialog.preview()->pictureSize(), QSize(200, 200));
        QCOMPARE(dialog.preview()->shownImage().pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(text(dialog, "altEdit"), QStringLiteral("Comment"));
        QCOMPARE(text(dialog, "titleEdit"), QStringLiteral("Title"));
        QCOMPARE(text(dialog, "mapNameEdit"), QStringLiteral("Nav"));
        QCOMPARE(child<QComboBox>(dialog, "shapeCombo")->currentText(), QStringLiteral("circle"));
        QVERIFY(!dialog.isMapManual());
    }

    void texts_followLanguage() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        dialog.setLanguage(UiLanguage::German);
        dialog.show();
        QCOMPARE(child<QPushButton>(dialog, "openButton")->text(), QString::fromUtf8("Öffnen"));
        QCOMPARE(child<QPushButton>(dialog, "cancelButton")->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(child<QCheckBox>(dialog, "mapCheckBox")->text(),
                 QStringLiteral("Image Map erstellen"));
        QCOMPARE(child<QCheckBox>(dialog, "fileNameOnlyCheckBox")->toolTip(),
                 QString::fromUtf8("Dateiname ohne Pfadangaben einfügen"));
        QCOMPARE(text(dialog, "rightLabel"), QStringLiteral("Rechts"));
        dialog.close();
        dialog.setLanguage(UiLanguage::English);
        dialog.show();
        QCOMPARE(child<QPushButton>(dialog, "openButton")->text(), QStringLiteral("Open"));
        QCOMPARE(child<QPushButton>(dialog, "clearButton")->toolTip(),
                 QStringLiteral("Clear image map"));
        QCOMPARE(child<QRadioButton>(dialog, "manualButton")->text(), QStringLiteral("Manual"));
        QCOMPARE(text(dialog, "rightLabel"), QStringLiteral("Right"));
    }

    void mapTick_switchesControlsAndStretch() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        dialog.show();
        dialog.loadPicture(path("map.png"));
        click(dialog, "stretchCheckBox");
        QVERIFY(dialog.preview()->isStretched());
        click(dialog, "mapCheckBox");
        QVERIFY(!dialog.preview()->isStretched());
        QVERIFY(!child<QCheckBox>(dialog, "stretchCheckBox")->isChecked());
        QVERIFY(!child<QCheckBox>(dialog, "stretchCheckBox")->isEnabled());
        for (const char* name :
             {"mapNameEdit", "leftEdit", "topEdit", "rightEdit", "bottomEdit", "linkEdit"})
            QVERIFY2(child<QWidget>(dialog, name)->isEnabled(), name);
        click(dialog, "mapCheckBox");
        QVERIFY(child<QCheckBox>(dialog, "stretchCheckBox")->isEnabled());
        QVERIFY(!child<QLineEdit>(dialog, "leftEdit")->isEnabled());
    }

    void shapes_setLabelSliderAndMode() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        openMap(dialog, "rect", false);
        auto* slider = child<QSlider>(dialog, "areaSlider");
        QCOMPARE(slider->maximum(), 80);
        child<QComboBox>(dialog, "shapeCombo")->setCurrentText(QStringLiteral("circle"));
        QCOMPARE(text(dialog, "rightLabel"), QStringLiteral("Radius"));
        QVERIFY(child<QLineEdit>(dialog, "bottomEdit")->isHidden());
        QCOMPARE(slider->maximum(), 40);
        child<QComboBox>(dialog, "shapeCombo")->setCurrentText(QStringLiteral("poly"));
        QVERIFY(!slider->isEnabled());
        QVERIFY(!child<QRadioButton>(dialog, "opticalButton")->isEnabled());
        QVERIFY(child<QRadioButton>(dialog, "manualButton")->isChecked());
        QVERIFY(dialog.isMapManual());
        child<QComboBox>(dialog, "shapeCombo")->setCurrentText(QStringLiteral("rect"));
        QVERIFY(slider->isEnabled());
        QVERIFY(!child<QLineEdit>(dialog, "bottomEdit")->isHidden());
        QCOMPARE(slider->maximum(), 80);
    }

    void slider_opticalRectDrawsAndWritesBox() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        openMap(dialog, "rect", false);
        child<QSlider>(dialog, "areaSlider")->setValue(5);
        QCOMPARE(coords(dialog), (QStringList{"5", "5", "95", "75"}));
        const QImage& shown = dialog.preview()->shownImage();
        QVERIFY(inverted(shown, 5, 5));
        QVERIFY(inverted(shown, 50, 75));
        QVERIFY(!inverted(shown, 50, 40));
        click(dialog, "okButton");
        QVERIFY(dialog.markup().contains(QStringLiteral("coords=\"5,5,95,75\"")));
    }

    void dragRect_setsCornersDrawsInvertedOutlineAndInserts() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        openMap(dialog, "rect", true);
        QWidget* preview = dialog.preview();
        sendMouse(preview, QEvent::MouseButtonPress, {10, 10});
        QCOMPARE(text(dialog, "clickXEdit"), QStringLiteral("10"));
        sendMouse(preview, QEvent::MouseMove, {30, 30});
        sendMouse(preview, QEvent::MouseMove, {60, 40});
        QCOMPARE(coords(dialog), (QStringList{"10", "10", "60", "40"}));
        sendMouse(preview, QEvent::MouseButtonRelease, {60, 40});

        const QImage& shown = dialog.preview()->shownImage();
        for (QPoint p : {QPoint(10, 10), QPoint(60, 40), QPoint(35, 10), QPoint(10, 25)})
            QVERIFY2(inverted(shown, p.x(), p.y()),
                     qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        // The outline to (30, 30) was drawn a second time and so erased.
        QVERIFY(!inverted(shown, 30, 20));
        QVERIFY(!inverted(shown, 20, 30));

        child<QLineEdit>(dialog, "mapNameEdit")->setText(QStringLiteral("Nav"));
        child<QLineEdit>(dialog, "linkEdit")->setText(QStringLiteral("https://example.com/x"));
        click(dialog, "okButton");
        QCOMPARE(dialog.markup(),
                 QStringLiteral("<img src=\"map.png\"  border=\"0\" alt=\"My Image\" "
                                "usemap=\"#Nav\">\r\n<map name=\"Nav\">\r\n <area shape=\"rect\" "
                                "coords=\"10,10,60,40\" href=\"https://example.com/x\" "
                                "alt=\"Comment\" title=\"Title\"/></map>\r\n"));
    }

    void dragBeyondPicture_staysOnIt() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        openMap(dialog, "rect", true);
        dialog.preview()->resize(400, 400);
        drag(dialog, {50, 50}, {300, -20});
        QCOMPARE(coords(dialog), (QStringList{"50", "50", "99", "0"}));
    }

    void dragCircle_givesCentreAndRadius() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        openMap(dialog, "circle", true);
        drag(dialog, {10, 10}, {50, 30});
        QCOMPARE(text(dialog, "leftEdit"), QStringLiteral("30"));
        QCOMPARE(text(dialog, "topEdit"), QStringLiteral("20"));
        QCOMPARE(text(dialog, "rightEdit"), QStringLiteral("10"));
        const QImage& shown = dialog.preview()->shownImage();
        QVERIFY(!inverted(shown, 30, 20));
        bool edge = false;
        for (int x = 38; x <= 41; ++x)
            edge = edge || inverted(shown, x, 20);
        QVERIFY(edge);
        click(dialog, "okButton");
        QVERIFY(
            dialog.markup().contains(QStringLiteral("<area shape=\"circle\" coords=\"30,20,10\"")));
    }

    void clicksPoly_collectPoints() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        openMap(dialog, "poly", false);
        QVERIFY(dialog.isMapManual());
        for (QPoint p : {QPoint(1, 2), QPoint(3, 4), QPoint(5, 6)})
            drag(dialog, p, p);
        QVERIFY(inverted(dialog.preview()->shownImage(), 2, 3));
        QCOMPARE(text(dialog, "clickYEdit"), QStringLiteral("6"));
        click(dialog, "okButton");
        QVERIFY(dialog.markup().contains(
            QStringLiteral("<area shape=\"poly\" coords=\"1,2,3,4,5,6\"")));
    }

    void clear_restoresPictureAndZeroesFields() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        openMap(dialog, "rect", true);
        drag(dialog, {10, 10}, {60, 40});
        click(dialog, "clearButton");
        QCOMPARE(coords(dialog), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE(text(dialog, "clickXEdit"), QString());
        QCOMPARE(dialog.preview()->shownImage(), solidImage(100, 80));
        click(dialog, "okButton");
        QVERIFY(dialog.markup().isEmpty()); // no area, nothing inserted
    }

    void mouseWithoutMap_changesNothing() {
        ScriptedPrompter prompter;
        ImageDialog dialog(prompter);
        dialog.show();
        dialog.loadPicture(path("map.png"));
        drag(dialog, {10, 10}, {60, 40});
        QCOMPARE(text(dialog, "clickXEdit"), QString());
        QCOMPARE(dialog.preview()->shownImage(), solidImage(100, 80));
    }

    void imageCommand_insertsBlankAndMarkupOrNothing() {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toUtf8());
        RecordingPlatform platform;
        platform.dataFolderPath = home.filePath(QStringLiteral("redodaze/"));
        ScriptedPrompter prompter;
        MainWindow window(platform, &prompter);
        window.setUiLanguage(window.uiLanguage());

        QAction* button = window.findChild<QAction*>(QStringLiteral("imageButton"));
        QVERIFY(button);
        QVERIFY(window.actions().insertBar->actions().contains(button));
        QCOMPARE(button->toolTip(), QStringLiteral("Insert image"));
        QVERIFY(!button->icon().isNull());
        QAction* item = window.findChild<QAction*>(QStringLiteral("imageItem"));
        QVERIFY(item);
        QVERIFY(window.actions().htmlMenu->actions().contains(item));
        QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+M")));

        window.buffer().loadText(QStringLiteral("<p>x</p>"));
        window.buffer().select(3, 4);
        const QString picture = path("photo.gif");
        ImageDialog* dialog = window.findChild<ImageDialog*>();
        QVERIFY(dialog);
        auto whileShown = [dialog](std::function<void(ImageDialog&)> steps) {
            QTimer::singleShot(0, dialog, [dialog, steps] {
                const bool modal = QApplication::activeModalWidget() == dialog;
                steps(*dialog); // closes the dialog even when the check below fails
                QVERIFY(modal);
            });
        };

        whileShown([&](ImageDialog& d) {
            d.loadPicture(picture);
            click(d, "cancelButton");
        });
        button->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("<p>x</p>"));
        QCOMPARE(window.buffer().selText(), QStringLiteral("x"));

        whileShown([&](ImageDialog& d) {
            QCOMPARE(d.language(), UiLanguage::English);
            d.loadPicture(picture);
            click(d, "okButton");
        });
        item->trigger();
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("<p> <img src=\"photo.gif\" alt=\"Comment\" style=\"width:13px; "
                                "height:7px; border: 0; float: left\" title=\"Title\" /></p>"));

        // A map without an area inserts nothing.
        whileShown([&](ImageDialog& d) {
            d.loadPicture(picture);
            click(d, "mapCheckBox");
            click(d, "okButton");
        });
        const QString before = window.buffer().text();
        button->trigger();
        QCOMPARE(window.buffer().text(), before);
    }
};

QTEST_MAIN(ImageDialogTest)
#include "image_dialog_test.moc"
