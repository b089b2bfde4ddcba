#include "features/frames_objects/object_markup.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/text/text_rules.h"

namespace {

const QString NL = QStringLiteral("\r\n");

QString flashTemplate(const QString& w, const QString& h) {
    const QString four(4, QLatin1Char(' '));
    const QString eleven(11, QLatin1Char(' '));
    return QStringLiteral("<param name=\"movie\" value=\"MyFlash.swf\">") + NL + four +
           QStringLiteral("<param name=\"quality\" value=\"high\">") + NL + four +
           QStringLiteral("<param name=\"scale\" value=\"exactfit\">") + NL + four +
           QStringLiteral("<param name=\"menu\" value=\"true\">") + NL + four +
           QStringLiteral("<param name=\"bgcolor\" value=\"#000000\">") + NL + four +
           QStringLiteral("<embed src=\"MyFlash.swf\" quality=\"high\" scale=\"exactfit\" "
                          "menu=\"false\"") +
           NL + eleven + QStringLiteral("bgcolor=\"#000000\" width=\"") + w +
           QStringLiteral("\" height=\"") + h + QStringLiteral("\" swLiveConnect=\"false\"") + NL +
           eleven + QStringLiteral("type=\"application/x-shockwave-flash\"") + NL + eleven +
           QStringLiteral("pluginspage=\"") + FlashPluginPage + QStringLiteral("\">") + NL + four +
           QStringLiteral("</embed>") + NL;
}

QString javaTemplate(const QString& w, const QString& h) {
    return QStringLiteral("<applet code=\"myJava.class\" width=\"") + w +
           QStringLiteral("\" height=\"") + h + QStringLiteral("\" alt=\"Java-Applet\">") + NL +
           QStringLiteral("</applet>");
}

QString attribute(const QString& caption, const QString& value) {
    if (isBlankText(value))
        return QString();
    return QLatin1Char(' ') + caption + QStringLiteral("=\"") + value + QLatin1Char('"');
}

} // namespace

const QString FlashCabinetAddress =
    QStringLiteral("http://download.example.com/flash2/cabs/swflash.cab#version=4,0,0,0");
const QString FlashPluginPage = QStringLiteral(
    "http://www.example.com/shockwave/download/download.cgi?P1_Prod_Version=ShockwaveFlash");

const QStringList& ObjectTypeNames() {
    static const QStringList names{QStringLiteral("Flash"), QStringLiteral("Data"),
                                   QStringLiteral("Java"), QStringLiteral("ActiveX")};
    return names;
}

const QStringList& MimeTypes() {
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

void ClearAll(ObjectFields& f) {
    f.EditClass.clear();
    f.EditCode.clear();
    f.EditName.clear();
    f.EditBorder.clear();
    f.EditPName.clear();
    f.EditPValue.clear();
    f.parameters.clear();
    f.EditMap = QStringLiteral("#");
}

void ShowObjectDialog(ObjectFields& f) {
    f.type = ObjectType::None;
    f.Label1 = QStringLiteral("classid");
    f.Label2 = QStringLiteral("codebase");
    f.Label11 = QStringLiteral("name");
    f.mapEnabled = false;
    ClearAll(f);
}

void ApplyObjectType(ObjectFields& f, ObjectType type) {
    ClearAll(f);
    f.type = type;
    f.Label1 = QStringLiteral("classid");
    f.Label2 = QStringLiteral("codebase");
    f.Label11 = QStringLiteral("name");
    f.mapEnabled = false;
    switch (type) {
    case ObjectType::None:
        break;
    case ObjectType::Flash:
        f.EditClass = QStringLiteral("CLSID:D27CDB6E-AE6D-11cf-96B8-444553540000");
        f.EditCode = FlashCabinetAddress;
        f.parameters = flashTemplate(f.EditWidth, f.EditHeight);
        break;
    case ObjectType::Data:
        f.Label1 = QStringLiteral("data");
        f.Label2 = QStringLiteral("type");
        f.EditClass = QStringLiteral("MyFile.txt");
        f.EditCode = QStringLiteral("text/plain");
        f.mapEnabled = true;
        f.parameters = QStringLiteral("<param name=\"src\" value=\"MyFile.txt\">");
        break;
    case ObjectType::Java:
        f.Label11 = QStringLiteral("codetype");
        f.EditClass = QStringLiteral("java:myJava.class");
        f.EditName = QStringLiteral("application/java-vm");
        f.parameters = javaTemplate(f.EditWidth, f.EditHeight);
        break;
    case ObjectType::ActiveX:
        f.EditClass = QStringLiteral("CLSID:05589FA1-C356-11CE-BF01-00AA0055595A");
        f.EditName = QStringLiteral("Mediaplayer");
        f.parameters = QStringLiteral("<param name=\"filename\" value=\"MyVideo.mpg\">");
        break;
    }
}

void ChooseMimeType(ObjectFields& f, const QString& mimeType) {
    if (f.type == ObjectType::Data)
        f.EditCode = mimeType;
    else if (f.type == ObjectType::Java)
        f.EditName = mimeType;
}

void AddParameter(ObjectFields& f) {
    const QString line = QStringLiteral("<param name=\"") + f.EditPName +
                         QStringLiteral("\" value=\"") + f.EditPValue + QStringLiteral("\">");
    // A new line of the box, also after a last line the user left unfinished.
    if (!f.parameters.isEmpty() && !f.parameters.endsWith(QLatin1Char('\n')) &&
        !f.parameters.endsWith(QLatin1Char('\r')))
        f.parameters += NL;
    f.parameters += line;
}

QString MakeTag(const ObjectFields& f) {
    QString tag = NL + QStringLiteral("<object") + attribute(f.Label11, f.EditName) +
                  attribute(f.Label1, f.EditClass) + attribute(f.Label2, f.EditCode) +
                  attribute(QStringLiteral("width"), f.EditWidth) +
                  attribute(QStringLiteral("height"), f.EditHeight) +
                  attribute(QStringLiteral("border"), f.EditBorder);
    // An image map name only counts once the user wrote more than the bare "#".
    if (trimBlank(f.EditMap) != QLatin1String("#"))
        tag += attribute(QStringLiteral("usemap"), f.EditMap);
    tag += QStringLiteral(">") + NL;
    if (!isBlankText(f.parameters))
        tag += f.parameters + NL;
    return tag + QStringLiteral("</object>") + NL;
}

void InsertObject(EditorBuffer& editor, const QString& objectTag) {
    if (isBlankText(objectTag))
        return;
    editor.setSelText(objectTag + editor.selText());
}
