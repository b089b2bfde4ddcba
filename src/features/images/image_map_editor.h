#pragma once

#include "features/images/image_map_geometry.h"
#include "features/images/image_markup.h"

#include <QList>
#include <QPoint>

// One figure drawn on the preview with the inverting pen. Drawing it twice erases it.
struct MapOutline {
    enum class Kind { Rectangle, Ellipse, Line, Polyline };
    Kind kind = Kind::Rectangle;
    MapBox box{0, 0, 0, 0}; // corners of a rectangle or the ellipse's box, ends of a line
    QList<QPoint> points;   // a polyline's points

    friend bool operator==(const MapOutline&, const MapOutline&) = default;
};

// What the preview does after a step: put the kept picture back when restore is set, then
// draw the outlines with the inverting pen, in order.
struct PreviewUpdate {
    bool restore = false;
    QList<MapOutline> outlines;

    bool isEmpty() const { return !restore && outlines.isEmpty(); }
};

// The image map's coordinates as the mouse, the slider and the mode buttons set them. Works
// on the dialog's fields; the preview only draws what the steps return.
class ImageMapEditor {
public:
    explicit ImageMapEditor(ImageFields& fields) : m_fields(fields) {}

    // Manual: coordinates come from the typed fields, else (optical) from the slider.
    bool isManual() const { return m_manual; }
    int sliderPosition() const { return m_slider; }
    bool dragging() const { return m_dragging; }

    // The dialog's showing: optical mode, no points, nothing dragged.
    void reset();
    // Forgets points and coordinates.
    PreviewUpdate clear();
    // The map switched on or off: a fresh map with the default alt and title texts.
    PreviewUpdate mapSwitched();
    // The mode buttons: Optical (false) or Manual (true).
    PreviewUpdate setManual(bool manual);
    // After the shape field changed; "poly" goes to manual mode.
    PreviewUpdate shapeChanged();
    // The slider moved by the user: its area goes into the coordinate fields.
    PreviewUpdate sliderMoved(int position);
    // The slider's position set by the dialog without the change step.
    void setSliderPosition(int position) { m_slider = position; }

    // The mouse on the preview; points are in picture pixels.
    PreviewUpdate mousePressed(QPoint at);
    PreviewUpdate mouseMoved(QPoint at);
    PreviewUpdate mouseReleased(QPoint at);

    // The current area put on the restored picture. A circle's box becomes its centre and
    // radius in the fields.
    PreviewUpdate redrawArea();

private:
    bool isBoxShape() const;
    // The outline following the pointer while dragging.
    MapOutline dragOutline() const;
    std::optional<MapOutline> areaOutline();
    void applyCircle(const MapBox& box);

    ImageFields& m_fields;
    bool m_manual = false;
    int m_slider = 0;
    bool m_dragging = false;
    QPoint m_pressPoint;
    QPoint m_currentPoint;
};
