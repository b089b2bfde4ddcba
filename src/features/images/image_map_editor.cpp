#include "features/images/image_map_editor.h"

namespace {

const QString Zero = QStringLiteral("0");

} // namespace

bool ImageMapEditor::isBoxShape() const {
    return m_fields.shape == QLatin1String("rect") || m_fields.shape == QLatin1String("circle");
}

void ImageMapEditor::reset() {
    m_fields.points.clear();
    m_manual = false;
    m_dragging = false;
}

PreviewUpdate ImageMapEditor::clear() {
    m_fields.points.clear();
    m_slider = 0;
    m_fields.left = m_fields.top = m_fields.right = m_fields.bottom = Zero;
    m_fields.clickX.clear();
    m_fields.clickY.clear();
    m_dragging = false;
    return {true, {}};
}

PreviewUpdate ImageMapEditor::mapSwitched() {
    PreviewUpdate update = clear();
    m_fields.alt = QStringLiteral("Comment");
    m_fields.title = QStringLiteral("Title");
    return update;
}

PreviewUpdate ImageMapEditor::setManual(bool manual) {
    m_manual = manual;
    clear();
    return redrawArea();
}

PreviewUpdate ImageMapEditor::shapeChanged() {
    if (m_fields.shape == QLatin1String("poly"))
        return setManual(true);
    return clear();
}

PreviewUpdate ImageMapEditor::sliderMoved(int position) {
    m_slider = position;
    if (!m_fields.pictureLoaded())
        return {};
    const SliderArea area = sliderArea(m_fields.shape, m_fields.pictureSize, position);
    m_fields.left = QString::number(area.left);
    m_fields.top = QString::number(area.top);
    m_fields.right = QString::number(area.right);
    if (area.bottom)
        m_fields.bottom = QString::number(*area.bottom);
    return m_manual ? PreviewUpdate{} : redrawArea();
}

MapOutline ImageMapEditor::dragOutline() const {
    if (!isBoxShape())
        return {MapOutline::Kind::Line,
                {m_pressPoint.x(), m_pressPoint.y(), m_currentPoint.x(), m_currentPoint.y()},
                {}};
    // A later drag moves only the far corner, so the outline starts where the area does.
    QPoint anchor = m_pressPoint;
    const auto left = fieldNumber(m_fields.left);
    const auto top = fieldNumber(m_fields.top);
    if (left && top)
        anchor = QPoint(*left, *top);
    const auto kind = m_fields.shape == QLatin1String("rect") ? MapOutline::Kind::Rectangle
                                                              : MapOutline::Kind::Ellipse;
    return {kind, {anchor.x(), anchor.y(), m_currentPoint.x(), m_currentPoint.y()}, {}};
}

PreviewUpdate ImageMapEditor::mousePressed(QPoint at) {
    m_fields.clickX = QString::number(at.x());
    m_fields.clickY = QString::number(at.y());
    m_fields.points.append(at);
    m_pressPoint = m_currentPoint = at;
    if (m_manual)
        m_dragging = true;

    if (isBoxShape()) {
        if (m_fields.points.size() == 1) {
            m_fields.left = QString::number(at.x());
            m_fields.top = QString::number(at.y());
        } else {
            m_fields.right = QString::number(at.x());
            m_fields.bottom = QString::number(at.y());
            if (!m_manual)
                return redrawArea();
        }
        if (!m_dragging)
            return {};
        // The new drag replaces the area drawn before; its outline starts as drawn here so
        // the first move can erase it.
        return {true, {dragOutline()}};
    }

    PreviewUpdate update = redrawArea();
    if (m_dragging)
        update.outlines.append(dragOutline());
    return update;
}

PreviewUpdate ImageMapEditor::mouseMoved(QPoint at) {
    if (!m_dragging || at == m_currentPoint)
        return {};
    const MapOutline before = dragOutline();
    m_currentPoint = at;
    if (m_fields.shape == QLatin1String("rect")) {
        m_fields.right = QString::number(at.x());
        m_fields.bottom = QString::number(at.y());
    }
    return {false, {before, dragOutline()}};
}

PreviewUpdate ImageMapEditor::mouseReleased(QPoint at) {
    if (!m_dragging)
        return {};
    m_dragging = false;
    if (m_fields.shape == QLatin1String("circle")) {
        m_fields.right = QString::number(at.x());
        m_fields.bottom = QString::number(at.y());
        const auto x1 = fieldNumber(m_fields.left);
        const auto y1 = fieldNumber(m_fields.top);
        if (!x1 || !y1)
            return {};
        const auto circle = circleFromBox(*x1, *y1, at.x(), at.y());
        if (!circle)
            return {};
        m_fields.left = QString::number(circle->centreX);
        m_fields.top = QString::number(circle->centreY);
        m_fields.right = QString::number(circle->radius);
        // Show the circle that is written rather than the box's ellipse.
        const int r = circle->radius;
        return {
            true,
            {{MapOutline::Kind::Ellipse,
              {circle->centreX - r, circle->centreY - r, circle->centreX + r, circle->centreY + r},
              {}}}};
    }
    if (!isBoxShape())
        return redrawArea(); // the rubber line goes; the polyline stays
    return {};
}

void ImageMapEditor::applyCircle(const MapBox& box) {
    if (const auto circle = circleFromBox(box.x1, box.y1, box.x2, box.y2)) {
        m_fields.left = QString::number(circle->centreX);
        m_fields.top = QString::number(circle->centreY);
        m_fields.right = QString::number(circle->radius);
    }
}

std::optional<MapOutline> ImageMapEditor::areaOutline() {
    if (!isBoxShape()) {
        if (m_fields.points.size() < 2)
            return std::nullopt;
        return MapOutline{MapOutline::Kind::Polyline, {0, 0, 0, 0}, m_fields.points};
    }
    MapBox box{0, 0, 0, 0};
    if (m_manual) {
        const auto l = fieldNumber(m_fields.left);
        const auto t = fieldNumber(m_fields.top);
        const auto r = fieldNumber(m_fields.right);
        const auto b = fieldNumber(m_fields.bottom);
        if (!l || !t || !r || !b)
            return std::nullopt; // typed text that is no number draws nothing
        box = {*l, *t, *r, *b};
    } else {
        // Without a picture the slider's box would lie outside the preview.
        if (!m_fields.pictureLoaded())
            return std::nullopt;
        box = sliderBox(m_fields.pictureSize, m_slider);
    }
    // Cleared fields give a box of one point, which would only mark the corner pixel.
    if (box.x1 == box.x2 && box.y1 == box.y2)
        return std::nullopt;
    if (m_fields.shape == QLatin1String("rect"))
        return MapOutline{MapOutline::Kind::Rectangle, box, {}};
    applyCircle(box);
    return MapOutline{MapOutline::Kind::Ellipse, box, {}};
}

PreviewUpdate ImageMapEditor::redrawArea() {
    PreviewUpdate update{true, {}};
    if (const auto outline = areaOutline())
        update.outlines.append(*outline);
    return update;
}
