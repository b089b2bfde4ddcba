#include "features/frames_objects/object_markup.h"

#include "foundation/document/memory_buffer.h"

#include <QSet>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

ObjectFields shown() {
    ObjectFields f;
    ShowObjectDialog(f);
    return f;
}

ObjectFields withType(ObjectType type) {
    ObjectFields f = shown();
    ApplyObjectType(f, type);
    return f;
}

} // namespace

TEST(MakeTag, NoTypeAndOnlyTheSize_BareObjectOnItsOwnLines) {
    EXPECT_EQ(MakeTag(shown()),
              QStringLiteral("\r\n<object width=\"300\" height=\"300\">\r\n</object>\r\n"));
}

TEST(MakeTag, AttributesInFixedOrderWithTheLabelsCaptionsAsNames) {
    ObjectFields f = withType(ObjectType::Data);
    f.EditName = QStringLiteral("n");
    f.EditBorder = QStringLiteral("2");
    f.EditMap = QStringLiteral("#map1");
    f.parameters.clear();
    EXPECT_EQ(MakeTag(f), QStringLiteral("\r\n<object name=\"n\" data=\"MyFile.txt\" "
                                         "type=\"text/plain\" width=\"300\" height=\"300\" "
                                         "border=\"2\" usemap=\"#map1\">\r\n</object>\r\n"));
}

TEST(MakeTag, BlankFieldsAreLeftOutAndOthersWrittenAsTyped) {
    ObjectFields f = shown();
    f.EditClass = QStringLiteral(" \t");
    f.EditWidth = QStringLiteral(" 50% ");
    f.EditHeight = QString();
    f.EditBorder = QStringLiteral("0");
    EXPECT_EQ(MakeTag(f),
              QStringLiteral("\r\n<object width=\" 50% \" border=\"0\">\r\n</object>\r\n"));
}

TEST(MakeTag, UsemapOnlyWhenMoreThanTheBareHash) {
    ObjectFields f = shown();
    for (const char* map : {"#", "  # ", "", "  "}) {
        f.EditMap = QLatin1String(map);
        EXPECT_FALSE(MakeTag(f).contains(QStringLiteral("usemap"))) << map;
    }
    f.EditMap = QStringLiteral("#m ");
    EXPECT_TRUE(MakeTag(f).contains(QStringLiteral(" height=\"300\" usemap=\"#m \">")));
}

TEST(MakeTag, ParameterBoxGoesInsideWhenNotBlank) {
    ObjectFields f = shown();
    f.parameters = QStringLiteral(" \r\n ");
    EXPECT_FALSE(MakeTag(f).contains(QStringLiteral(" \r\n ")));
    f.parameters = QStringLiteral("<param name=\"a\" value=\"b\">");
    EXPECT_TRUE(MakeTag(f).endsWith(
        QStringLiteral(">\r\n<param name=\"a\" value=\"b\">\r\n</object>\r\n")));
}

TEST(ObjectPresets, Flash_ClassidCabinetAndTemplateWithCurrentSize) {
    ObjectFields f = shown();
    f.EditWidth = QStringLiteral("640");
    f.EditHeight = QStringLiteral("480");
    ApplyObjectType(f, ObjectType::Flash);
    EXPECT_EQ(f.EditClass, QStringLiteral("CLSID:D27CDB6E-AE6D-11cf-96B8-444553540000"));
    EXPECT_FALSE(f.mapEnabled);
    const QString expected =
        QStringLiteral(
            "\r\n<object classid=\"CLSID:D27CDB6E-AE6D-11cf-96B8-444553540000\" codebase=\"") +
        FlashCabinetAddress +
        QStringLiteral(
            "\" width=\"640\" height=\"480\">\r\n"
            "<param name=\"movie\" value=\"MyFlash.swf\">\r\n"
            "    <param name=\"quality\" value=\"high\">\r\n"
            "    <param name=\"scale\" value=\"exactfit\">\r\n"
            "    <param name=\"menu\" value=\"true\">\r\n"
            "    <param name=\"bgcolor\" value=\"#000000\">\r\n"
            "    <embed src=\"MyFlash.swf\" quality=\"high\" scale=\"exactfit\" menu=\"false\"\r\n"
            "           bgcolor=\"#000000\" width=\"640\" height=\"480\" "
            "swLiveConnect=\"false\"\r\n"
            "           type=\"application/x-shockwave-flash\"\r\n"
            "           pluginspage=\"") +
        FlashPluginPage +
        QStringLiteral("\">\r\n"
                       "    </embed>\r\n"
                       "\r\n</object>\r\n");
    EXPECT_EQ(MakeTag(f), expected);
}

TEST(ObjectPresets, FlashAddressesHaveTheirFixedPathsOnAnExampleServer) {
    const QUrl cabinet(FlashCabinetAddress);
    EXPECT_EQ(cabinet.scheme(), QStringLiteral("http"));
    EXPECT_TRUE(cabinet.host().endsWith(QStringLiteral("example.com")));
    EXPECT_EQ(cabinet.path(), QStringLiteral("/flash2/cabs/swflash.cab"));
    EXPECT_EQ(cabinet.fragment(), QStringLiteral("version=4,0,0,0"));
    const QUrl plugin(FlashPluginPage);
    EXPECT_EQ(plugin.scheme(), QStringLiteral("http"));
    EXPECT_TRUE(plugin.host().endsWith(QStringLiteral("example.com")));
    EXPECT_EQ(plugin.path(), QStringLiteral("/shockwave/download/download.cgi"));
    EXPECT_EQ(plugin.query(), QStringLiteral("P1_Prod_Version=ShockwaveFlash"));
}

TEST(ObjectPresets, Data_RenamesAttributesAndEnablesTheMap) {
    const ObjectFields f = withType(ObjectType::Data);
    EXPECT_EQ(f.Label1, QStringLiteral("data"));
    EXPECT_EQ(f.Label2, QStringLiteral("type"));
    EXPECT_EQ(f.Label11, QStringLiteral("name"));
    EXPECT_TRUE(f.mapEnabled);
    EXPECT_EQ(f.EditMap, QStringLiteral("#"));
    EXPECT_EQ(MakeTag(f), QStringLiteral("\r\n<object data=\"MyFile.txt\" type=\"text/plain\" "
                                         "width=\"300\" height=\"300\">\r\n"
                                         "<param name=\"src\" value=\"MyFile.txt\">\r\n"
                                         "</object>\r\n"));
}

TEST(ObjectPresets, Java_CodetypeFirstAndAppletWithTheTypedSize) {
    ObjectFields f = shown();
    f.EditWidth = QStringLiteral("400");
    f.EditHeight = QStringLiteral("200");
    ApplyObjectType(f, ObjectType::Java);
    EXPECT_EQ(f.Label11, QStringLiteral("codetype"));
    EXPECT_EQ(MakeTag(f),
              QStringLiteral("\r\n<object codetype=\"application/java-vm\" "
                             "classid=\"java:myJava.class\" width=\"400\" height=\"200\">\r\n"
                             "<applet code=\"myJava.class\" width=\"400\" height=\"200\" "
                             "alt=\"Java-Applet\">\r\n</applet>\r\n</object>\r\n"));
}

TEST(ObjectPresets, ActiveX_MediaplayerWithFilenameParameter) {
    EXPECT_EQ(MakeTag(withType(ObjectType::ActiveX)),
              QStringLiteral("\r\n<object name=\"Mediaplayer\" "
                             "classid=\"CLSID:05589FA1-C356-11CE-BF01-00AA0055595A\" "
                             "width=\"300\" height=\"300\">\r\n"
                             "<param name=\"filename\" value=\"MyVideo.mpg\">\r\n</object>\r\n"));
}

TEST(ObjectPresets, ChoosingATypeAgainResetsAllButTheSize) {
    ObjectFields f = withType(ObjectType::ActiveX);
    f.EditClass = QStringLiteral("x");
    f.EditCode = QStringLiteral("y");
    f.EditName = QStringLiteral("z");
    f.EditBorder = QStringLiteral("3");
    f.EditMap = QStringLiteral("#m");
    f.EditPName = QStringLiteral("p");
    f.EditPValue = QStringLiteral("v");
    f.EditWidth = QStringLiteral("10");
    f.EditHeight = QStringLiteral("20");
    AddParameter(f);
    ApplyObjectType(f, ObjectType::ActiveX);
    const ObjectFields fresh = withType(ObjectType::ActiveX);
    EXPECT_EQ(f.EditClass, fresh.EditClass);
    EXPECT_EQ(f.EditCode, QString());
    EXPECT_EQ(f.EditName, QStringLiteral("Mediaplayer"));
    EXPECT_EQ(f.EditBorder, QString());
    EXPECT_EQ(f.EditMap, QStringLiteral("#"));
    EXPECT_EQ(f.EditPName, QString());
    EXPECT_EQ(f.EditPValue, QString());
    EXPECT_EQ(f.parameters, fresh.parameters);
    EXPECT_EQ(f.EditWidth, QStringLiteral("10"));
    EXPECT_EQ(f.EditHeight, QStringLiteral("20"));
}

TEST(ObjectPresets, LeavingJavaOrDataRestoresCaptionsAndDisablesTheMap) {
    ObjectFields f = withType(ObjectType::Java);
    ApplyObjectType(f, ObjectType::Flash);
    EXPECT_EQ(f.Label11, QStringLiteral("name"));
    ApplyObjectType(f, ObjectType::Data);
    ApplyObjectType(f, ObjectType::ActiveX);
    EXPECT_EQ(f.Label1, QStringLiteral("classid"));
    EXPECT_EQ(f.Label2, QStringLiteral("codebase"));
    EXPECT_FALSE(f.mapEnabled);
}

TEST(ShowObjectDialog, ReopeningAfterJavaResetsButKeepsTheSize) {
    ObjectFields f = shown();
    f.EditWidth = QStringLiteral("400");
    ApplyObjectType(f, ObjectType::Java);
    ShowObjectDialog(f);
    EXPECT_EQ(f.type, ObjectType::None);
    EXPECT_EQ(f.Label11, QStringLiteral("name"));
    EXPECT_EQ(f.EditName, QString());
    EXPECT_TRUE(f.parameters.isEmpty());
    EXPECT_EQ(f.EditWidth, QStringLiteral("400"));
    EXPECT_EQ(MakeTag(f),
              QStringLiteral("\r\n<object width=\"400\" height=\"300\">\r\n</object>\r\n"));
}

TEST(ChooseMimeType, GoesIntoTypeForDataAndCodetypeForJavaOnly) {
    const QString mime = QStringLiteral("video/mpeg");
    ObjectFields data = withType(ObjectType::Data);
    ChooseMimeType(data, mime);
    EXPECT_EQ(data.EditCode, mime);
    ObjectFields java = withType(ObjectType::Java);
    ChooseMimeType(java, mime);
    EXPECT_EQ(java.EditName, mime);
    EXPECT_TRUE(MakeTag(java).contains(QStringLiteral("<object codetype=\"video/mpeg\" ")));
    for (ObjectType other : {ObjectType::None, ObjectType::Flash, ObjectType::ActiveX}) {
        ObjectFields f = withType(other);
        const QString before = MakeTag(f);
        ChooseMimeType(f, mime);
        EXPECT_EQ(MakeTag(f), before);
    }
}

TEST(AddParameter, AppendsOneLineAndKeepsTheFields) {
    ObjectFields f = shown();
    AddParameter(f);
    EXPECT_EQ(f.parameters, QStringLiteral("<param name=\"\" value=\"\">"));
    f.EditPName = QStringLiteral("autoplay");
    f.EditPValue = QStringLiteral("true");
    AddParameter(f);
    EXPECT_EQ(f.parameters, QStringLiteral("<param name=\"\" value=\"\">\r\n"
                                           "<param name=\"autoplay\" value=\"true\">"));
    EXPECT_EQ(f.EditPName, QStringLiteral("autoplay"));
    EXPECT_EQ(f.EditPValue, QStringLiteral("true"));
}

TEST(AddParameter, AfterTheFlashTemplateNoEmptyLineInBetween) {
    ObjectFields f = withType(ObjectType::Flash);
    f.EditPName = QStringLiteral("loop");
    f.EditPValue = QStringLiteral("false");
    AddParameter(f);
    EXPECT_TRUE(f.parameters.endsWith(
        QStringLiteral("    </embed>\r\n<param name=\"loop\" value=\"false\">")));
}

TEST(ObjectLists, TypesAndTheFiftyThreeMimeTypesInOrder) {
    EXPECT_EQ(ObjectTypeNames(), (QStringList{QStringLiteral("Flash"), QStringLiteral("Data"),
                                              QStringLiteral("Java"), QStringLiteral("ActiveX")}));
    const QStringList& types = MimeTypes();
    ASSERT_EQ(types.size(), 53);
    EXPECT_EQ(QSet<QString>(types.begin(), types.end()).size(), 53);
    EXPECT_EQ(types.first(), QStringLiteral("application/acad"));
    EXPECT_EQ(types.at(14), QStringLiteral("application/xhtml+xml"));
    EXPECT_EQ(types.at(16), QStringLiteral("application/x-httpd-php"));
    EXPECT_EQ(types.at(29), QStringLiteral("image/gif"));
    EXPECT_EQ(types.at(44), QStringLiteral("text/plain"));
    EXPECT_EQ(types.last(), QStringLiteral("video/x-sgi-movie"));
}

TEST(InsertObject, GoesInFrontOfTheSelectionWhichStays) {
    MemoryBuffer editor(QStringLiteral("<p>x</p>"));
    editor.select(3, 4);
    InsertObject(editor, QStringLiteral("\r\n<object>\r\n</object>\r\n"));
    EXPECT_EQ(editor.text(), QStringLiteral("<p>\r\n<object>\r\n</object>\r\nx</p>"));
}

TEST(InsertObject, CancelledOrBlankTagInsertsNothing) {
    MemoryBuffer editor(QStringLiteral("<p>x</p>"));
    editor.select(3, 4);
    InsertObject(editor, QString());
    InsertObject(editor, QStringLiteral("\r\n "));
    EXPECT_EQ(editor.text(), QStringLiteral("<p>x</p>"));
    EXPECT_FALSE(editor.isModified());
}
