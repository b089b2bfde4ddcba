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

    // UseText: coordinates come from the typed fields (manual mode), else from the slider.
    bool useText() const { return m_useText; }
    int sliderPosition() const { return m_slider; }
    bool dragging() const { return m_dragging; }

    // The dialog's showing: optical mode, no points, nothing dragged.
    void reset();
    // BitBtn2Click: forgets points and coordinates.
    PreviewUpdate Clear();
    // CheckMapClick, either way: a fresh map with the default alt and title texts.
    PreviewUpdate mapSwitched();
    // The mode buttons: Optical (false) or Manual (true).
    PreviewUpdate setUseText(bool manual);
    // ComboBox1Change after the shape field changed; "poly" goes to manual mode.
    PreviewUpdate shapeChanged();
    // TrackBar1Change.
    PreviewUpdate TrackBar1Change(int position);
    // The slider's position set by the dialog without the change step.
    void setSliderPosition(int position) { m_slider = position; }

    // The preview's mouse handlers; points are in picture pixels.
    PreviewUpdate ImageMouseDown(QPoint at);
    PreviewUpdate ImageMouseMove(QPoint at);
    PreviewUpdate ImageMouseUp(QPoint at);

    // The current area put on the restored picture. A circle's box becomes its centre and
    // radius in the fields.
    PreviewUpdate RedrawAreaPreview();

private:
    bool isBoxShape() const;
    // The outline following the pointer while dragging.
    MapOutline dragOutline() const;
    std::optional<MapOutline> areaOutline();
    void applyCircle(const MapBox& box);

    ImageFields& m_fields;
    bool m_useText = false;
    int m_slider = 0;
    bool m_dragging = false;
    QPoint m_pressPoint;
    QPoint m_currentPoint;
};
