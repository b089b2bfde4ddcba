#include "features/images/image_markup.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/text/text_rules.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString CrLf = QStringLiteral("\r\n");

bool isBoxShape(const QString& shape) {
    return shape == QLatin1String("rect") || shape == QLatin1String("circle");
}

} // namespace

QString imageSource(const ImageFields& fields) {
    return fields.includePath ? fields.fullPath : fields.fileName;
}

QString imageMarkup(const ImageFields& fields) {
    const QString src = imageSource(fields);
    if (src.trimmed().isEmpty())
        return {};
    if (fields.withMap)
        return imageMapMarkup(fields, src);
    const QString closing = fields.includePath
                                ? QStringLiteral("px;  border: 0; float: left\" title=\"")
                                : QStringLiteral("px; border: 0; float: left\" title=\"");
    return QStringLiteral("<img src=\"") + src + QStringLiteral("\" alt=\"") + fields.alt +
           QStringLiteral("\" style=\"width:") + QString::number(fields.pictureSize.width()) +
           QStringLiteral("px; height:") + QString::number(fields.pictureSize.height()) + closing +
           fields.title + QStringLiteral("\" />");
}

QString mapCoordinates(const ImageFields& fields) {
    const QString& shape = fields.shape;
    if (isBoxShape(shape)) {
        if (fields.left.trimmed().isEmpty() || fields.top.trimmed().isEmpty() ||
            fields.right.trimmed().isEmpty() || fields.right.trimmed() == QLatin1String("0"))
            return {};
        if (shape == QLatin1String("circle"))
            return fields.left + QLatin1Char(',') + fields.top + QLatin1Char(',') + fields.right;
        // A rectangle without its fourth number would write a broken coords list.
        if (fields.bottom.trimmed().isEmpty())
            return {};
        return fields.left + QLatin1Char(',') + fields.top + QLatin1Char(',') + fields.right +
               QLatin1Char(',') + fields.bottom;
    }
    QStringList numbers;
    numbers.reserve(fields.points.size() * 2);
    for (const QPoint& p : fields.points)
        numbers << QString::number(p.x()) << QString::number(p.y());
    return numbers.join(QLatin1Char(','));
}

QString imageMapMarkup(const ImageFields& fields, const QString& src) {
    const QString coordinates = mapCoordinates(fields);
    if (isBlankText(coordinates))
        return {};
    return QStringLiteral("<img src=\"") + src +
           QStringLiteral("\"  border=\"0\" alt=\"My Image\" usemap=\"#") + fields.mapName +
           QStringLiteral("\">") + CrLf + QStringLiteral("<map name=\"") + fields.mapName +
           QStringLiteral("\">") + CrLf + QStringLiteral(" <area shape=\"") + fields.shape +
           QStringLiteral("\" coords=\"") + coordinates + QStringLiteral("\" href=\"") +
           fields.href + QStringLiteral("\" alt=\"") + fields.alt + QStringLiteral("\" title=\"") +
           fields.title + QStringLiteral("\"/>") + QStringLiteral("</map>") + CrLf;
}

void insertImageMarkup(EditorBuffer& editor, const QString& markup) {
    if (!markup.isEmpty())
        editor.setSelText(QLatin1Char(' ') + markup);
}

QByteArray imageFormatForPath(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : asciiLower(name.mid(dot));
    if (extension == QLatin1String(".gif"))
        return "gif";
    if (extension == QLatin1String(".jpg") || extension == QLatin1String(".jpeg"))
        return "jpeg";
    if (extension == QLatin1String(".png"))
        return "png";
    return "bmp";
}

QString fileSizeText(qint64 bytes) {
    return QString::number(bytes) + QStringLiteral(" Bytes");
}

OpenDialogStart openDialogStart(const QString& fullPath, const QString& fileName) {
    OpenDialogStart start;
    if (!fullPath.isEmpty()) {
        const QFileInfo info(fullPath);
        if (info.dir().exists())
            start.folder = info.absolutePath();
        start.fileName = info.fileName();
    } else if (!fileName.isEmpty()) {
        start.fileName = fileName;
    }
    return start;
}
