#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

class EditorBuffer;

// The image dialog's fields as the user left them; ImageDialog only moves them to and from
// its widgets.
struct ImageFields {
    QString fullPath;         // of the picked picture
    QString fileName;         // without its folder, picked or typed
    bool includePath = false; // "Include path" ticked, else "Filename only"
    QSize pictureSize{0, 0};  // pixel size of the loaded picture; 0 x 0 while none is loaded
    QString alt = QStringLiteral("Comment");
    QString title = QStringLiteral("Title");

    bool withMap = false; // "Create image map" ticked
    QString mapName = QStringLiteral("MapName");
    QString shape = QStringLiteral("rect");
    QString left = QStringLiteral("0");
    QString top = QStringLiteral("0");
    QString right = QStringLiteral("0"); // the radius for a circle
    QString bottom = QStringLiteral("0");
    QString href = QStringLiteral("https://www.example.com/");
    QList<QPoint> points; // polygon points in click order
    QString clickX;       // last click on the preview
    QString clickY;

    bool pictureLoaded() const { return !pictureSize.isEmpty(); }
};

// The src text: the full path with "Include path", else the file name.
QString imageSource(const ImageFields& fields);
// The markup OK produces; empty when there is nothing to insert.
QString imageMarkup(const ImageFields& fields);
// The image with its map and one area; empty when the area's coordinates are missing.
QString imageMapMarkup(const ImageFields& fields, const QString& src);
// The area's coords text; empty when the shape's fields are missing.
QString mapCoordinates(const ImageFields& fields);

// The image command's last step: one blank and the markup over the selection, nothing when
// empty.
void insertImageMarkup(EditorBuffer& editor, const QString& markup);

// The Qt image format a picture is decoded with, chosen by its lower-cased extension; any
// other extension is tried as a bitmap.
QByteArray imageFormatForPath(const QString& path);
// The file size as the picture info shows it.
QString fileSizeText(qint64 bytes);

// Where the open dialog starts: the folder of the full path when it exists, and the name to
// preset (the full path's name, else the typed file name).
struct OpenDialogStart {
    QString folder;
    QString fileName;
};
OpenDialogStart openDialogStart(const QString& fullPath, const QString& fileName);
