#include "features/images/image_map_geometry.h"

#include <algorithm>
#include <cstdlib>

int halfToEven(int value) {
    const long long v = value;
    if (v % 2 == 0)
        return int(v / 2);
    const long long below = v >= 0 ? v / 2 : (v - 1) / 2; // floor of v / 2
    return int(below % 2 == 0 ? below : below + 1);
}

int sliderMaximum(const QString& shape, QSize picture) {
    const int smaller = std::min(picture.width(), picture.height());
    return shape == QLatin1String("rect") ? smaller : halfToEven(smaller);
}

std::optional<MapCircle> circleFromBox(int x1, int y1, int x2, int y2) {
    if (x2 == 0 && y2 == 0)
        return std::nullopt;
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    // A box dragged up or to the left has negative sides; the radius is still their size.
    const int radius = halfToEven(std::min(std::abs(dx), std::abs(dy)));
    return MapCircle{x1 + halfToEven(dx), y2 - halfToEven(dy), radius};
}

MapBox sliderBox(QSize picture, int position) {
    return {position, position, picture.width() - position, picture.height() - position};
}

SliderArea sliderArea(const QString& shape, QSize picture, int position) {
    if (shape == QLatin1String("circle"))
        return {halfToEven(picture.width()), halfToEven(picture.height()),
                halfToEven(std::min(picture.width(), picture.height())) - position, std::nullopt};
    const MapBox box = sliderBox(picture, position);
    return {box.x1, box.y1, box.x2, box.y2};
}

std::optional<int> fieldNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QPoint clampToPicture(QPoint point, QSize picture) {
    return {std::clamp(point.x(), 0, std::max(0, picture.width() - 1)),
            std::clamp(point.y(), 0, std::max(0, picture.height() - 1))};
}

ImageDialogLayout imageDialogLayout(QSize window) {
    constexpr int margin = 10;
    const int w = window.width();
    const int h = window.height();
    ImageDialogLayout layout;
    layout.preview = QRect(margin, margin, std::max(0, w - 340), std::max(0, h - 220));
    layout.slider = QRect(margin, layout.preview.bottom() + 6, layout.preview.width(), 30);
    layout.modeRow = QRect(margin, h - 170, layout.preview.width(), 170 - margin);
    const int columnLeft = layout.preview.right() + 1 + margin;
    layout.rightColumn = QRect(columnLeft, margin, std::max(0, w - columnLeft - margin),
                               std::max(0, h - 2 * margin));
    return layout;
}
