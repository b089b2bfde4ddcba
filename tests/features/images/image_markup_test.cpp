#include "features/images/image_markup.h"
#include "foundation/document/memory_buffer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

ImageFields photo() {
    ImageFields f;
    f.fullPath = QStringLiteral("/home/ann/pictures/photo.jpg");
    f.fileName = QStringLiteral("photo.jpg");
    f.pictureSize = QSize(640, 480);
    return f;
}

ImageFields mapOf(const QString& shape) {
    ImageFields f = photo();
    f.withMap = true;
    f.shape = shape;
    f.mapName = QStringLiteral("Nav");
    f.href = QStringLiteral("https://example.com/a.html");
    f.alt = QStringLiteral("Area");
    f.title = QStringLiteral("Go");
    return f;
}

} // namespace

TEST(ImageMarkup, FileNameOnly_WritesNameSizeAndOneBlankBeforeBorder) {
    EXPECT_EQ(imageMarkup(photo()),
              QStringLiteral("<img src=\"photo.jpg\" alt=\"Comment\" style=\"width:640px; "
                             "height:480px; border: 0; float: left\" title=\"Title\" />"));
}

TEST(ImageMarkup, IncludePath_WritesFullPathAndTwoBlanksBeforeBorder) {
    ImageFields f = photo();
    f.includePath = true;
    EXPECT_EQ(imageMarkup(f),
              QStringLiteral("<img src=\"/home/ann/pictures/photo.jpg\" alt=\"Comment\" "
                             "style=\"width:640px; height:480px;  border: 0; float: left\" "
                             "title=\"Title\" />"));
}

TEST(ImageMarkup, TypedNameWithoutPicture_GivesZeroSize) {
    ImageFields f;
    f.fileName = QStringLiteral("logo.gif");
    f.alt = QStringLiteral("Logo");
    f.title = QStringLiteral("Home");
    EXPECT_EQ(imageMarkup(f),
              QStringLiteral("<img src=\"logo.gif\" alt=\"Logo\" style=\"width:0px; height:0px; "
                             "border: 0; float: left\" title=\"Home\" />"));
}

TEST(ImageMarkup, BlankSourceOfTheTickedKind_GivesNothing) {
    ImageFields f = photo();
    f.fileName = QStringLiteral(" \t ");
    EXPECT_TRUE(imageMarkup(f).isEmpty());
    // The other path field does not stand in for the ticked one.
    f.includePath = true;
    f.fullPath.clear();
    f.fileName = QStringLiteral("photo.jpg");
    EXPECT_TRUE(imageMarkup(f).isEmpty());
}

TEST(ImageMarkup, FieldTextsGoInAsTyped) {
    ImageFields f = photo();
    f.fileName = QStringLiteral(" a b.png ");
    f.alt = QStringLiteral("x\"y");
    EXPECT_TRUE(
        imageMarkup(f).startsWith(QStringLiteral("<img src=\" a b.png \" alt=\"x\"y\" style=")));
}

TEST(ImageMapMarkup, Rect_WritesImageMapAndAreaWithCrLf) {
    ImageFields f = mapOf(QStringLiteral("rect"));
    f.left = QStringLiteral("10");
    f.top = QStringLiteral("20");
    f.right = QStringLiteral("110");
    f.bottom = QStringLiteral("70");
    EXPECT_EQ(imageMarkup(f),
              QStringLiteral("<img src=\"photo.jpg\"  border=\"0\" alt=\"My Image\" "
                             "usemap=\"#Nav\">\r\n<map name=\"Nav\">\r\n <area shape=\"rect\" "
                             "coords=\"10,20,110,70\" href=\"https://example.com/a.html\" "
                             "alt=\"Area\" title=\"Go\"/></map>\r\n"));
}

TEST(ImageMapMarkup, Circle_WritesCentreAndRadiusOnly) {
    ImageFields f = mapOf(QStringLiteral("circle"));
    f.left = QStringLiteral("30");
    f.top = QStringLiteral("20");
    f.right = QStringLiteral("10");
    f.bottom = QStringLiteral("99");
    EXPECT_TRUE(imageMarkup(f).contains(
        QStringLiteral("<area shape=\"circle\" coords=\"30,20,10\" href=")));
}

TEST(ImageMapMarkup, Poly_WritesPointsInClickOrder) {
    ImageFields f = mapOf(QStringLiteral("poly"));
    f.points = {{1, 2}, {3, 4}, {5, 6}};
    EXPECT_TRUE(imageMarkup(f).contains(QStringLiteral("coords=\"1,2,3,4,5,6\"")));
}

TEST(ImageMapMarkup, FullPathWithMap_UsesPathAndNoSizeStyle) {
    ImageFields f = mapOf(QStringLiteral("poly"));
    f.includePath = true;
    f.points = {{0, 0}, {9, 9}};
    const QString markup = imageMarkup(f);
    EXPECT_TRUE(markup.startsWith(QStringLiteral("<img src=\"/home/ann/pictures/photo.jpg\"  ")));
    EXPECT_FALSE(markup.contains(QStringLiteral("style=")));
}

TEST(ImageMapMarkup, MissingCoordinates_GiveNothing) {
    ImageFields rect = mapOf(QStringLiteral("rect"));
    rect.left = QStringLiteral("1");
    rect.top = QStringLiteral("2");
    rect.bottom = QStringLiteral("4");
    for (const char* right : {"0", " 0 ", "", "  "}) {
        rect.right = QLatin1String(right);
        EXPECT_TRUE(imageMarkup(rect).isEmpty()) << right;
    }
    rect.right = QStringLiteral("3");
    EXPECT_FALSE(imageMarkup(rect).isEmpty());
    rect.top = QStringLiteral(" ");
    EXPECT_TRUE(imageMarkup(rect).isEmpty());

    ImageFields circle = mapOf(QStringLiteral("circle"));
    circle.left = QString();
    circle.right = QStringLiteral("5");
    EXPECT_TRUE(imageMarkup(circle).isEmpty());

    ImageFields poly = mapOf(QStringLiteral("poly"));
    EXPECT_TRUE(imageMarkup(poly).isEmpty());
}

TEST(ImageMapMarkup, RectWithoutBottom_GivesNothingRatherThanBrokenCoords) {
    ImageFields f = mapOf(QStringLiteral("rect"));
    f.left = QStringLiteral("1");
    f.top = QStringLiteral("2");
    f.right = QStringLiteral("3");
    f.bottom = QStringLiteral(" ");
    EXPECT_TRUE(imageMarkup(f).isEmpty());
    // A circle does not use Bottom at all.
    f.shape = QStringLiteral("circle");
    EXPECT_FALSE(imageMarkup(f).isEmpty());
}

TEST(InsertImageMarkup, ReplacesSelectionWithOneBlankAndMarkup) {
    MemoryBuffer buffer(QStringLiteral("<p>old</p>"));
    buffer.select(3, 6);
    insertImageMarkup(buffer, QStringLiteral("<img src=\"a.png\" />"));
    EXPECT_EQ(buffer.text(), QStringLiteral("<p> <img src=\"a.png\" /></p>"));
    EXPECT_EQ(buffer.selStart(), 23);
    EXPECT_EQ(buffer.selLength(), 0);
    buffer.undo();
    EXPECT_EQ(buffer.text(), QStringLiteral("<p>old</p>"));
}

TEST(InsertImageMarkup, EmptyMarkup_LeavesSelectionAndTextAlone) {
    MemoryBuffer buffer(QStringLiteral("keep this"));
    buffer.select(0, 4);
    insertImageMarkup(buffer, QString());
    EXPECT_EQ(buffer.text(), QStringLiteral("keep this"));
    EXPECT_EQ(buffer.selLength(), 4);
    EXPECT_FALSE(buffer.isModified());
}

TEST(ImageFormatForPath, ChoosesDecoderByLowerCasedExtension) {
    EXPECT_EQ(imageFormatForPath(QStringLiteral("/p/a.gif")), "gif");
    EXPECT_EQ(imageFormatForPath(QStringLiteral("/p/a.GiF")), "gif");
    EXPECT_EQ(imageFormatForPath(QStringLiteral("a.jpg")), "jpeg");
    EXPECT_EQ(imageFormatForPath(QStringLiteral("a.jpeg")), "jpeg");
    EXPECT_EQ(imageFormatForPath(QStringLiteral("a.JPEG")), "jpeg");
    EXPECT_EQ(imageFormatForPath(QStringLiteral("a.PNG")), "png");
    EXPECT_EQ(imageFormatForPath(QStringLiteral("a.bmp")), "bmp");
}

TEST(ImageFormatForPath, AnyOtherExtensionIsTriedAsBitmap) {
    EXPECT_EQ(imageFormatForPath(QStringLiteral("a.webp")), "bmp");
    EXPECT_EQ(imageFormatForPath(QStringLiteral("a.png.txt")), "bmp");
    EXPECT_EQ(imageFormatForPath(QStringLiteral("noextension")), "bmp");
    // Only the file name counts, not a dot in a folder name.
    EXPECT_EQ(imageFormatForPath(QStringLiteral("/p/pics.png/file")), "bmp");
    EXPECT_EQ(imageFormatForPath(QStringLiteral("a.pngx")), "bmp");
}

TEST(OpenDialogStart, StartsInFolderOfFullPathWithItsName) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const OpenDialogStart start =
        openDialogStart(dir.filePath(QStringLiteral("x.png")), QStringLiteral("other.gif"));
    EXPECT_EQ(start.folder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(start.fileName, QStringLiteral("x.png"));
}

TEST(OpenDialogStart, MissingFolderKeepsOnlyTheName) {
    const OpenDialogStart start =
        openDialogStart(QStringLiteral("/no/such/folder/x.png"), QString());
    EXPECT_TRUE(start.folder.isEmpty());
    EXPECT_EQ(start.fileName, QStringLiteral("x.png"));
}

TEST(OpenDialogStart, WithoutFullPathPresetsTheTypedName) {
    const OpenDialogStart start = openDialogStart(QString(), QStringLiteral("logo.gif"));
    EXPECT_TRUE(start.folder.isEmpty());
    EXPECT_EQ(start.fileName, QStringLiteral("logo.gif"));
    EXPECT_TRUE(openDialogStart(QString(), QString()).fileName.isEmpty());
}
