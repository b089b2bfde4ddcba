#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

class EditorBuffer;

// The image dialog's fields as the user left them; TFormImage only moves them to and from
// its widgets.
struct ImageFields {
    QString editComplete;       // EditComplete: the picked file's full path
    QString editFileOnly;       // EditFileonly: the bare file name
    bool checkComplete = false; // "Include path" ticked, else "Filename only"
    QSize picture{0, 0};        // pixel size of the loaded picture; 0 x 0 while none is loaded
    QString alt = QStringLiteral("Comment");
    QString title = QStringLiteral("Title");

    bool checkMap = false;
    QString mapName = QStringLiteral("MapName");
    QString shape = QStringLiteral("rect");
    QString left = QStringLiteral("0");
    QString top = QStringLiteral("0");
    QString right = QStringLiteral("0"); // the radius for a circle
    QString bottom = QStringLiteral("0");
    QString href = QStringLiteral("https://www.example.com/");
    QList<QPoint> points; // polygon points in click order
    QString editX;        // last click on the preview
    QString editY;

    bool pictureLoaded() const { return !picture.isEmpty(); }
};

// The src text: the full path with "Include path", else the file name.
QString imageSource(const ImageFields& fields);
// The markup OK produces; empty when there is nothing to insert.
QString BuildImageMarkup(const ImageFields& fields);
// The image with its map and one area; empty when the area's coordinates are missing.
QString BuildImageMapMarkup(const ImageFields& fields, const QString& src);
// The area's coords text; empty when the shape's fields are missing.
QString mapCoordinates(const ImageFields& fields);

// Image1Click's last step: one blank and the markup over the selection, nothing when empty.
void insertImageMarkup(EditorBuffer& editor, const QString& imageSrc);

// The Qt image format a picture is decoded with, chosen by its lower-cased extension; any
// other extension is tried as a bitmap.
QByteArray imageFormatForPath(const QString& path);
// LabelFSize's text.
QString fileSizeText(qint64 bytes);

// Where the open dialog starts: the folder of EditComplete when it exists, and the name to
// preset (EditComplete's name, else what EditFileonly holds).
struct OpenDialogStart {
    QString folder;
    QString fileName;
};
OpenDialogStart openDialogStart(const QString& editComplete, const QString& editFileOnly);
