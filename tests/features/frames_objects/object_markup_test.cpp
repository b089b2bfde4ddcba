#include "features/frames_objects/object_markup.h"

#include "foundation/document/memory_buffer.h"

#include <QSet>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

ObjectFields shown() {
    ObjectFields f;
    resetObjectDialog(f);
    return f;
}

ObjectFields withType(ObjectType type) {
    ObjectFields f = shown();
    applyObjectType(f, type);
    return f;
}

} // namespace

TEST(ObjectElement, NoTypeAndOnlyTheSize_BareObjectOnItsOwnLines) {
    EXPECT_EQ(objectElement(shown()),
              QStringLiteral("\r\n<object width=\"300\" height=\"300\">\r\n</object>\r\n"));
}

TEST(ObjectElement, AttributesInFixedOrderWithTheLabelsCaptionsAsNames) {
    ObjectFields f = withType(ObjectType::Data);
    f.name = QStringLiteral("n");
    f.border = QStringLiteral("2");
    f.useMap = QStringLiteral("#map1");
    f.parameters.clear();
    EXPECT_EQ(objectElement(f), QStringLiteral("\r\n<object name=\"n\" data=\"MyFile.txt\" "
                                               "type=\"text/plain\" width=\"300\" height=\"300\" "
                                               "border=\"2\" usemap=\"#map1\">\r\n</object>\r\n"));
}

TEST(ObjectElement, BlankFieldsAreLeftOutAndOthersWrittenAsTyped) {
    ObjectFields f = shown();
    f.classId = QStringLiteral(" \t");
    f.width = QStringLiteral(" 50% ");
    f.height = QString();
    f.border = QStringLiteral("0");
    EXPECT_EQ(objectElement(f),
              QStringLiteral("\r\n<object width=\" 50% \" border=\"0\">\r\n</object>\r\n"));
}

TEST(ObjectElement, UsemapOnlyWhenMoreThanTheBareHash) {
    ObjectFields f = shown();
    for (const char* map : {"#", "  # ", "", "  "}) {
        f.useMap = QLatin1String(map);
        EXPECT_FALSE(objectElement(f).contains(QStringLiteral("usemap"))) << map;
    }
    f.useMap = QStringLiteral("#m ");
    EXPECT_TRUE(objectElement(f).contains(QStringLiteral(" height=\"300\" usemap=\"#m \">")));
}

TEST(ObjectElement, ParameterBoxGoesInsideWhenNotBlank) {
    ObjectFields f = shown();
    f.parameters = QStringLiteral(" \r\n ");
    EXPECT_FALSE(objectElement(f).contains(QStringLiteral(" \r\n ")));
    f.parameters = QStringLiteral("<param name=\"a\" value=\"b\">");
    EXPECT_TRUE(objectElement(f).endsWith(
        QStringLiteral(">\r\n<param name=\"a\" value=\"b\">\r\n</object>\r\n")));
}

TEST(ObjectPresets, Flash_ClassidCabinetAndTemplateWithCurrentSize) {
    ObjectFields f = shown();
    f.width = QStringLiteral("640");
    f.height = QStringLiteral("480");
    applyObjectType(f, ObjectType::Flash);
    EXPECT_EQ(f.classId, QStringLiteral("CLSID:D27CDB6E-AE6D-11cf-96B8-444553540000"));
    EXPECT_FALSE(f.useMapEnabled);
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
    EXPECT_EQ(objectElement(f), expected);
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
    EXPECT_EQ(f.classIdAttribute, QStringLiteral("data"));
    EXPECT_EQ(f.codeBaseAttribute, QStringLiteral("type"));
    EXPECT_EQ(f.nameAttribute, QStringLiteral("name"));
    EXPECT_TRUE(f.useMapEnabled);
    EXPECT_EQ(f.useMap, QStringLiteral("#"));
    EXPECT_EQ(objectElement(f),
              QStringLiteral("\r\n<object data=\"MyFile.txt\" type=\"text/plain\" "
                             "width=\"300\" height=\"300\">\r\n"
                             "<param name=\"src\" value=\"MyFile.txt\">\r\n"
                             "</object>\r\n"));
}

TEST(ObjectPresets, Java_CodetypeFirstAndAppletWithTheTypedSize) {
    ObjectFields f = shown();
    f.width = QStringLiteral("400");
    f.height = QStringLiteral("200");
    applyObjectType(f, ObjectType::Java);
    EXPECT_EQ(f.nameAttribute, QStringLiteral("codetype"));
    EXPECT_EQ(objectElement(f),
              QStringLiteral("\r\n<object codetype=\"application/java-vm\" "
                             "classid=\"java:myJava.class\" width=\"400\" height=\"200\">\r\n"
                             "<applet code=\"myJava.class\" width=\"400\" height=\"200\" "
                             "alt=\"Java-Applet\">\r\n</applet>\r\n</object>\r\n"));
}

TEST(ObjectPresets, ActiveX_MediaplayerWithFilenameParameter) {
    EXPECT_EQ(objectElement(withType(ObjectType::ActiveX)),
              QStringLiteral("\r\n<object name=\"Mediaplayer\" "
                             "classid=\"CLSID:05589FA1-C356-11CE-BF01-00AA0055595A\" "
                             "width=\"300\" height=\"300\">\r\n"
                             "<param name=\"filename\" value=\"MyVideo.mpg\">\r\n</object>\r\n"));
}

TEST(ObjectPresets, ChoosingATypeAgainResetsAllButTheSize) {
    ObjectFields f = withType(ObjectType::ActiveX);
    f.classId = QStringLiteral("x");
    f.codeBase = QStringLiteral("y");
    f.name = QStringLiteral("z");
    f.border = QStringLiteral("3");
    f.useMap = QStringLiteral("#m");
    f.parameterName = QStringLiteral("p");
    f.parameterValue = QStringLiteral("v");
    f.width = QStringLiteral("10");
    f.height = QStringLiteral("20");
    addParameter(f);
    applyObjectType(f, ObjectType::ActiveX);
    const ObjectFields fresh = withType(ObjectType::ActiveX);
    EXPECT_EQ(f.classId, fresh.classId);
    EXPECT_EQ(f.codeBase, QString());
    EXPECT_EQ(f.name, QStringLiteral("Mediaplayer"));
    EXPECT_EQ(f.border, QString());
    EXPECT_EQ(f.useMap, QStringLiteral("#"));
    EXPECT_EQ(f.parameterName, QString());
    EXPECT_EQ(f.parameterValue, QString());
    EXPECT_EQ(f.parameters, fresh.parameters);
    EXPECT_EQ(f.width, QStringLiteral("10"));
    EXPECT_EQ(f.height, QStringLiteral("20"));
}

TEST(ObjectPresets, LeavingJavaOrDataRestoresCaptionsAndDisablesTheMap) {
    ObjectFields f = withType(ObjectType::Java);
    applyObjectType(f, ObjectType::Flash);
    EXPECT_EQ(f.nameAttribute, QStringLiteral("name"));
    applyObjectType(f, ObjectType::Data);
    applyObjectType(f, ObjectType::ActiveX);
    EXPECT_EQ(f.classIdAttribute, QStringLiteral("classid"));
    EXPECT_EQ(f.codeBaseAttribute, QStringLiteral("codebase"));
    EXPECT_FALSE(f.useMapEnabled);
}

TEST(ResetObjectDialog, ReopeningAfterJavaResetsButKeepsTheSize) {
    ObjectFields f = shown();
    f.width = QStringLiteral("400");
    applyObjectType(f, ObjectType::Java);
    resetObjectDialog(f);
    EXPECT_EQ(f.type, ObjectType::None);
    EXPECT_EQ(f.nameAttribute, QStringLiteral("name"));
    EXPECT_EQ(f.name, QString());
    EXPECT_TRUE(f.parameters.isEmpty());
    EXPECT_EQ(f.width, QStringLiteral("400"));
    EXPECT_EQ(objectElement(f),
              QStringLiteral("\r\n<object width=\"400\" height=\"300\">\r\n</object>\r\n"));
}

TEST(ChooseMimeType, GoesIntoTypeForDataAndCodetypeForJavaOnly) {
    const QString mime = QStringLiteral("video/mpeg");
    ObjectFields data = withType(ObjectType::Data);
    chooseMimeType(data, mime);
    EXPECT_EQ(data.codeBase, mime);
    ObjectFields java = withType(ObjectType::Java);
    chooseMimeType(java, mime);
    EXPECT_EQ(java.name, mime);
    EXPECT_TRUE(objectElement(java).contains(QStringLiteral("<object codetype=\"video/mpeg\" ")));
    for (ObjectType other : {ObjectType::None, ObjectType::Flash, ObjectType::ActiveX}) {
        ObjectFields f = withType(other);
        const QString before = objectElement(f);
        chooseMimeType(f, mime);
        EXPECT_EQ(objectElement(f), before);
    }
}

TEST(AddParameter, AppendsOneLineAndKeepsTheFields) {
    ObjectFields f = shown();
    addParameter(f);
    EXPECT_EQ(f.parameters, QStringLiteral("<param name=\"\" value=\"\">"));
    f.parameterName = QStringLiteral("autoplay");
    f.parameterValue = QStringLiteral("true");
    addParameter(f);
    EXPECT_EQ(f.parameters, QStringLiteral("<param name=\"\" value=\"\">\r\n"
                                           "<param name=\"autoplay\" value=\"true\">"));
    EXPECT_EQ(f.parameterName, QStringLiteral("autoplay"));
    EXPECT_EQ(f.parameterValue, QStringLiteral("true"));
}

TEST(AddParameter, AfterTheFlashTemplateNoEmptyLineInBetween) {
    ObjectFields f = withType(ObjectType::Flash);
    f.parameterName = QStringLiteral("loop");
    f.parameterValue = QStringLiteral("false");
    addParameter(f);
    EXPECT_TRUE(f.parameters.endsWith(
        QStringLiteral("    </embed>\r\n<param name=\"loop\" value=\"false\">")));
}

TEST(ObjectLists, TypesAndTheFiftyThreeMimeTypesInOrder) {
    EXPECT_EQ(objectTypeNames(), (QStringList{QStringLiteral("Flash"), QStringLiteral("Data"),
                                              QStringLiteral("Java"), QStringLiteral("ActiveX")}));
    const QStringList& types = mimeTypes();
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
    insertObject(editor, QStringLiteral("\r\n<object>\r\n</object>\r\n"));
    EXPECT_EQ(editor.text(), QStringLiteral("<p>\r\n<object>\r\n</object>\r\nx</p>"));
}

TEST(InsertObject, CancelledOrBlankTagInsertsNothing) {
    MemoryBuffer editor(QStringLiteral("<p>x</p>"));
    editor.select(3, 4);
    insertObject(editor, QString());
    insertObject(editor, QStringLiteral("\r\n "));
    EXPECT_EQ(editor.text(), QStringLiteral("<p>x</p>"));
    EXPECT_FALSE(editor.isModified());
}
