#include "features/frames_objects/object_markup.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/text/text_rules.h"

namespace {

const QString crLf = QStringLiteral("\r\n");

QString flashTemplate(const QString& width, const QString& height) {
    const QString four(4, QLatin1Char(' '));
    const QString eleven(11, QLatin1Char(' '));
    return QStringLiteral("<param name=\"movie\" value=\"MyFlash.swf\">") + crLf + four +
           QStringLiteral("<param name=\"quality\" value=\"high\">") + crLf + four +
           QStringLiteral("<param name=\"scale\" value=\"exactfit\">") + crLf + four +
           QStringLiteral("<param name=\"menu\" value=\"true\">") + crLf + four +
           QStringLiteral("<param name=\"bgcolor\" value=\"#000000\">") + crLf + four +
           QStringLiteral("<embed src=\"MyFlash.swf\" quality=\"high\" scale=\"exactfit\" "
                          "menu=\"false\"") +
           crLf + eleven + QStringLiteral("bgcolor=\"#000000\" width=\"") + width +
           QStringLiteral("\" height=\"") + height + QStringLiteral("\" swLiveConnect=\"false\"") +
           crLf + eleven + QStringLiteral("type=\"application/x-shockwave-flash\"") + crLf +
           eleven + QStringLiteral("pluginspage=\"") + FlashPluginPage + QStringLiteral("\">") +
           crLf + four + QStringLiteral("</embed>") + crLf;
}

QString javaTemplate(const QString& width, const QString& height) {
    return QStringLiteral("<applet code=\"myJava.class\" width=\"") + width +
           QStringLiteral("\" height=\"") + height + QStringLiteral("\" alt=\"Java-Applet\">") +
           crLf + QStringLiteral("</applet>");
}

QString attribute(const QString& name, const QString& value) {
    if (isBlankText(value))
        return QString();
    return QLatin1Char(' ') + name + QStringLiteral("=\"") + value + QLatin1Char('"');
}

} // namespace

const QString FlashCabinetAddress =
    QStringLiteral("http://download.example.com/flash2/cabs/swflash.cab#version=4,0,0,0");
const QString FlashPluginPage = QStringLiteral(
    "http://www.example.com/shockwave/download/download.cgi?P1_Prod_Version=ShockwaveFlash");

const QStringList& objectTypeNames() {
    static const QStringList names{QStringLiteral("Flash"), QStringLiteral("Data"),
                                   QStringLiteral("Java"), QStringLiteral("ActiveX")};
    return names;
}

const QStringList& mimeTypes() {
    static const QStringList types{
        QStringLiteral("application/acad"),
        QStringLiteral("application/applefile"),
        QStringLiteral("application/gzip"),
        QStringLiteral("application/java"),
        QStringLiteral("application/java-vm"),
        QStringLiteral("application/msexcel"),
        QStringLiteral("application/mshelp"),
        QStringLiteral("application/mspowerpoint"),
        QStringLiteral("application/msword"),
        QStringLiteral("application/octet-stream"),
        QStringLiteral("application/pdf"),
        QStringLiteral("application/rtf"),
        QStringLiteral("application/vocaltec-media-desc"),
        QStringLiteral("application/vocaltec-media-file"),
        QStringLiteral("application/xhtml+xml"),
        QStringLiteral("application/xml"),
        QStringLiteral("application/x-httpd-php"),
        QStringLiteral("application/x-javascript"),
        QStringLiteral("application/x-macbinary"),
        QStringLiteral("application/x-shockwave-flash"),
        QStringLiteral("application/x-stuffit"),
        QStringLiteral("application/x-tar"),
        QStringLiteral("application/zip"),
        QStringLiteral("audio/voxware"),
        QStringLiteral("audio/x-aiff"),
        QStringLiteral("audio/x-midi"),
        QStringLiteral("audio/x-mpeg"),
        QStringLiteral("audio/x-qt-stream"),
        QStringLiteral("audio/x-wav"),
        QStringLiteral("image/gif"),
        QStringLiteral("image/jpeg"),
        QStringLiteral("image/png"),
        QStringLiteral("image/tiff"),
        QStringLiteral("image/x-freehand"),
        QStringLiteral("image/x-icon"),
        QStringLiteral("message/http"),
        QStringLiteral("message/news"),
        QStringLiteral("multipart/encrypted"),
        QStringLiteral("multipart/form-data"),
        QStringLiteral("multipart/mixed"),
        QStringLiteral("text/comma-separated-values"),
        QStringLiteral("text/css"),
        QStringLiteral("text/html"),
        QStringLiteral("text/javascript"),
        QStringLiteral("text/plain"),
        QStringLiteral("text/rtf"),
        QStringLiteral("text/xml"),
        QStringLiteral("text/xml-external-parsed-entity"),
        QStringLiteral("video/mpeg"),
        QStringLiteral("video/quicktime"),
        QStringLiteral("video/vnd.vivo"),
        QStringLiteral("video/x-msvideo"),
        QStringLiteral("video/x-sgi-movie"),
    };
    return types;
}

void clearObjectFields(ObjectFields& f) {
    f.classId.clear();
    f.codeBase.clear();
    f.name.clear();
    f.border.clear();
    f.parameterName.clear();
    f.parameterValue.clear();
    f.parameters.clear();
    f.useMap = QStringLiteral("#");
}

void resetObjectDialog(ObjectFields& f) {
    f.type = ObjectType::None;
    f.classIdAttribute = QStringLiteral("classid");
    f.codeBaseAttribute = QStringLiteral("codebase");
    f.nameAttribute = QStringLiteral("name");
    f.useMapEnabled = false;
    clearObjectFields(f);
}

void applyObjectType(ObjectFields& f, ObjectType type) {
    clearObjectFields(f);
    f.type = type;
    f.classIdAttribute = QStringLiteral("classid");
    f.codeBaseAttribute = QStringLiteral("codebase");
    f.nameAttribute = QStringLiteral("name");
    f.useMapEnabled = false;
    switch (type) {
    case ObjectType::None:
        break;
    case ObjectType::Flash:
        f.classId = QStringLiteral("CLSID:D27CDB6E-AE6D-11cf-96B8-444553540000");
        f.codeBase = FlashCabinetAddress;
        f.parameters = flashTemplate(f.width, f.height);
        break;
    case ObjectType::Data:
        f.classIdAttribute = QStringLiteral("data");
        f.codeBaseAttribute = QStringLiteral("type");
        f.classId = QStringLiteral("MyFile.txt");
        f.codeBase = QStringLiteral("text/plain");
        f.useMapEnabled = true;
        f.parameters = QStringLiteral("<param name=\"src\" value=\"MyFile.txt\">");
        break;
    case ObjectType::Java:
        f.nameAttribute = QStringLiteral("codetype");
        f.classId = QStringLiteral("java:myJava.class");
        f.name = QStringLiteral("application/java-vm");
        f.parameters = javaTemplate(f.width, f.height);
        break;
    case ObjectType::ActiveX:
        f.classId = QStringLiteral("CLSID:05589FA1-C356-11CE-BF01-00AA0055595A");
        f.name = QStringLiteral("Mediaplayer");
        f.parameters = QStringLiteral("<param name=\"filename\" value=\"MyVideo.mpg\">");
        break;
    }
}

void chooseMimeType(ObjectFields& f, const QString& mimeType) {
    if (f.type == ObjectType::Data)
        f.codeBase = mimeType;
    else if (f.type == ObjectType::Java)
        f.name = mimeType;
}

void addParameter(ObjectFields& f) {
    const QString line = QStringLiteral("<param name=\"") + f.parameterName +
                         QStringLiteral("\" value=\"") + f.parameterValue + QStringLiteral("\">");
    // A new line of the box, also after a last line the user left unfinished.
    if (!f.parameters.isEmpty() && !f.parameters.endsWith(QLatin1Char('\n')) &&
        !f.parameters.endsWith(QLatin1Char('\r')))
        f.parameters += crLf;
    f.parameters += line;
}

QString objectElement(const ObjectFields& f) {
    QString tag = crLf + QStringLiteral("<object") + attribute(f.nameAttribute, f.name) +
                  attribute(f.classIdAttribute, f.classId) +
                  attribute(f.codeBaseAttribute, f.codeBase) +
                  attribute(QStringLiteral("width"), f.width) +
                  attribute(QStringLiteral("height"), f.height) +
                  attribute(QStringLiteral("border"), f.border);
    // An image map name only counts once the user wrote more than the bare "#".
    if (trimBlank(f.useMap) != QLatin1String("#"))
        tag += attribute(QStringLiteral("usemap"), f.useMap);
    tag += QStringLiteral(">") + crLf;
    if (!isBlankText(f.parameters))
        tag += f.parameters + crLf;
    return tag + QStringLiteral("</object>") + crLf;
}

void insertObject(EditorBuffer& editor, const QString& element) {
    if (isBlankText(element))
        return;
    editor.setSelText(element + editor.selText());
}
