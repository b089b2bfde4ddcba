#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// value / 2 to the nearest integer, a half to the even neighbour (5 -> 2, 7 -> 4, -5 -> -2).
int halfToEven(int value);

// The slider's maximum for a picture: the smaller side for "rect", half of it otherwise.
int sliderMaximum(const QString& shape, QSize picture);

struct MapCircle {
    int centreX;
    int centreY;
    int radius;
};
// The circle in the box from (x1, y1) to (x2, y2); none when x2 and y2 are both 0 (no box
// drawn yet). The box may be drawn in any direction.
std::optional<MapCircle> circleFromBox(int x1, int y1, int x2, int y2);

// A box from one corner to the other, as the area fields and the preview outlines hold it.
struct MapBox {
    int x1;
    int y1;
    int x2;
    int y2;
    friend bool operator==(const MapBox&, const MapBox&) = default;
};

// The slider's box: position pixels inside every edge of the picture.
MapBox sliderBox(QSize picture, int position);

// What the slider writes to the left, top, right and bottom fields; a circle leaves bottom
// alone.
struct SliderArea {
    int left;
    int top;
    int right;
    std::optional<int> bottom;
};
SliderArea sliderArea(const QString& shape, QSize picture, int position);

// A coordinate field as a number; none when it holds anything else.
std::optional<int> fieldNumber(const QString& text);

// A pointer position kept on the picture while the mouse is dragged beyond it.
QPoint clampToPicture(QPoint point, QSize picture);

// Where the dialog's parts sit for a window size: the preview keeps 340 pixels free to its
// right for the fields and 220 below it; the mode group, Clear and "stretch" row starts 170
// pixels above the bottom edge.
struct ImageDialogLayout {
    QRect preview;
    QRect slider;
    QRect modeRow;
    QRect rightColumn;
};
ImageDialogLayout imageDialogLayout(QSize window);
