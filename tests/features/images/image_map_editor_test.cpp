#include "features/images/image_map_editor.h"

#include <gtest/gtest.h>

namespace {

using Kind = MapOutline::Kind;

struct MapOn {
    ImageFields fields;
    ImageMapEditor map{fields};

    MapOn(const QString& shape, QSize picture = QSize(200, 100)) {
        fields.withMap = true;
        fields.shape = shape;
        fields.pictureSize = picture;
        map.mapSwitched();
    }
    QStringList coords() const { return {fields.left, fields.top, fields.right, fields.bottom}; }
    void drag(QPoint from, QPoint to) {
        map.mousePressed(from);
        map.mouseMoved((from + to) / 2);
        map.mouseMoved(to);
        map.mouseReleased(to);
    }
};

QStringList numbers(std::initializer_list<const char*> list) {
    QStringList out;
    for (const char* n : list)
        out << QLatin1String(n);
    return out;
}

} // namespace

TEST(ImageMapEditor, MapSwitched_ResetsCoordinatesAltAndTitle) {
    MapOn m(QStringLiteral("rect"));
    m.fields.alt = QStringLiteral("mine");
    m.fields.title = QStringLiteral("mine");
    m.fields.points = {{1, 1}};
    m.fields.left = QStringLiteral("9");
    m.map.sliderMoved(4);
    const PreviewUpdate update = m.map.mapSwitched();
    EXPECT_TRUE(update.restore);
    EXPECT_EQ(m.fields.alt, QStringLiteral("Comment"));
    EXPECT_EQ(m.fields.title, QStringLiteral("Title"));
    EXPECT_TRUE(m.fields.points.isEmpty());
    EXPECT_EQ(m.coords(), numbers({"0", "0", "0", "0"}));
    EXPECT_EQ(m.map.sliderPosition(), 0);
}

TEST(ImageMapEditor, ManualRectDrag_SetsCornersAndRubberBandsOutline) {
    MapOn m(QStringLiteral("rect"));
    m.map.setManual(true);
    const PreviewUpdate down = m.map.mousePressed({10, 10});
    EXPECT_TRUE(down.restore);
    ASSERT_EQ(down.outlines.size(), 1);
    EXPECT_EQ(down.outlines[0], (MapOutline{Kind::Rectangle, {10, 10, 10, 10}, {}}));
    EXPECT_EQ(m.fields.clickX, QStringLiteral("10"));

    const PreviewUpdate move = m.map.mouseMoved({60, 40});
    EXPECT_FALSE(move.restore);
    ASSERT_EQ(move.outlines.size(), 2); // the old outline is erased by drawing it again
    EXPECT_EQ(move.outlines[0], down.outlines[0]);
    EXPECT_EQ(move.outlines[1], (MapOutline{Kind::Rectangle, {10, 10, 60, 40}, {}}));
    EXPECT_EQ(m.coords(), numbers({"10", "10", "60", "40"}));

    EXPECT_TRUE(m.map.mouseReleased({60, 40}).isEmpty());
    EXPECT_FALSE(m.map.dragging());
    EXPECT_TRUE(m.map.mouseMoved({70, 70}).isEmpty());
    EXPECT_EQ(m.coords(), numbers({"10", "10", "60", "40"}));
}

TEST(ImageMapEditor, ManualCircleDrag_TurnsBoxIntoCentreAndRadius) {
    MapOn m(QStringLiteral("circle"));
    m.map.setManual(true);
    m.map.mousePressed({10, 10});
    const PreviewUpdate move = m.map.mouseMoved({50, 30});
    EXPECT_EQ(move.outlines[1], (MapOutline{Kind::Ellipse, {10, 10, 50, 30}, {}}));
    EXPECT_EQ(m.fields.right, QStringLiteral("0")); // only the release decides
    const PreviewUpdate up = m.map.mouseReleased({50, 30});
    EXPECT_EQ(m.fields.left, QStringLiteral("30"));
    EXPECT_EQ(m.fields.top, QStringLiteral("20"));
    EXPECT_EQ(m.fields.right, QStringLiteral("10"));
    EXPECT_EQ(m.fields.bottom, QStringLiteral("30"));
    EXPECT_TRUE(up.restore);
    ASSERT_EQ(up.outlines.size(), 1);
    EXPECT_EQ(up.outlines[0], (MapOutline{Kind::Ellipse, {20, 10, 40, 30}, {}}));
}

TEST(ImageMapEditor, ManualClicksWithoutDragging_StillSetBothCorners) {
    MapOn m(QStringLiteral("rect"));
    m.map.setManual(true);
    m.map.mousePressed({5, 6});
    m.map.mouseReleased({5, 6});
    m.map.mousePressed({50, 60});
    m.map.mouseReleased({50, 60});
    EXPECT_EQ(m.coords(), numbers({"5", "6", "50", "60"}));

    MapOn c(QStringLiteral("circle"));
    c.map.setManual(true);
    c.drag({10, 10}, {10, 10});
    EXPECT_EQ(c.fields.right, QStringLiteral("0")); // a click alone is no area yet
    c.drag({50, 30}, {50, 30});
    EXPECT_EQ(c.coords(), numbers({"30", "20", "10", "30"}));
}

TEST(ImageMapEditor, LaterDragOutlineStartsAtTheAreasCorner) {
    MapOn m(QStringLiteral("rect"));
    m.map.setManual(true);
    m.drag({10, 10}, {60, 40});
    const PreviewUpdate down = m.map.mousePressed({80, 90});
    EXPECT_TRUE(down.restore);
    EXPECT_EQ(down.outlines[0], (MapOutline{Kind::Rectangle, {10, 10, 80, 90}, {}}));
    m.map.mouseMoved({90, 95});
    m.map.mouseReleased({90, 95});
    EXPECT_EQ(m.coords(), numbers({"10", "10", "90", "95"}));
}

TEST(ImageMapEditor, PolygonClicks_CollectPointsAndDrawPolyline) {
    MapOn m(QStringLiteral("poly"));
    m.map.shapeChanged();
    EXPECT_TRUE(m.map.isManual());
    m.drag({1, 2}, {1, 2});
    const PreviewUpdate second = m.map.mousePressed({3, 4});
    EXPECT_TRUE(second.restore);
    EXPECT_EQ(second.outlines[0], (MapOutline{Kind::Polyline, {0, 0, 0, 0}, {{1, 2}, {3, 4}}}));
    EXPECT_EQ(second.outlines[1].kind, Kind::Line);
    const PreviewUpdate move = m.map.mouseMoved({9, 9});
    EXPECT_EQ(move.outlines[1], (MapOutline{Kind::Line, {3, 4, 9, 9}, {}}));
    const PreviewUpdate up = m.map.mouseReleased({9, 9});
    EXPECT_TRUE(up.restore); // the rubber line goes away
    m.drag({5, 6}, {5, 6});
    EXPECT_EQ(mapCoordinates(m.fields), QStringLiteral("1,2,3,4,5,6"));
    EXPECT_EQ(m.coords(), numbers({"0", "0", "0", "0"}));
}

TEST(ImageMapEditor, OpticalRectClicks_SetCornersAndShowSliderBox) {
    MapOn m(QStringLiteral("rect"));
    EXPECT_TRUE(m.map.mousePressed({10, 20}).isEmpty());
    EXPECT_FALSE(m.map.dragging());
    const PreviewUpdate second = m.map.mousePressed({30, 40});
    EXPECT_EQ(m.coords(), numbers({"10", "20", "30", "40"}));
    ASSERT_EQ(second.outlines.size(), 1);
    EXPECT_EQ(second.outlines[0], (MapOutline{Kind::Rectangle, {0, 0, 200, 100}, {}}));
    EXPECT_TRUE(m.map.mouseMoved({50, 50}).isEmpty());
}

TEST(ImageMapEditor, OpticalCircleClick_TakesTheSlidersCircle) {
    MapOn m(QStringLiteral("circle"));
    m.map.mousePressed({10, 20});
    m.map.mousePressed({30, 40});
    EXPECT_EQ(m.coords(), numbers({"100", "50", "50", "40"}));
}

TEST(ImageMapEditor, SliderRect_SetsBoxAndRedrawsInOpticalMode) {
    MapOn m(QStringLiteral("rect"), QSize(100, 80));
    const PreviewUpdate update = m.map.sliderMoved(5);
    EXPECT_EQ(m.coords(), numbers({"5", "5", "95", "75"}));
    EXPECT_TRUE(update.restore);
    EXPECT_EQ(update.outlines[0], (MapOutline{Kind::Rectangle, {5, 5, 95, 75}, {}}));
}

TEST(ImageMapEditor, SliderCircle_SetsCentreAndRadius) {
    MapOn m(QStringLiteral("circle"), QSize(100, 80));
    const PreviewUpdate update = m.map.sliderMoved(10);
    EXPECT_EQ(m.fields.left, QStringLiteral("50"));
    EXPECT_EQ(m.fields.top, QStringLiteral("40"));
    EXPECT_EQ(m.fields.right, QStringLiteral("30"));
    EXPECT_EQ(m.fields.bottom, QStringLiteral("0"));
    EXPECT_EQ(update.outlines[0], (MapOutline{Kind::Ellipse, {10, 10, 90, 70}, {}}));
}

TEST(ImageMapEditor, SliderInManualMode_SetsFieldsWithoutDrawing) {
    MapOn m(QStringLiteral("rect"), QSize(100, 80));
    m.map.setManual(true);
    EXPECT_TRUE(m.map.sliderMoved(5).isEmpty());
    EXPECT_EQ(m.coords(), numbers({"5", "5", "95", "75"}));
}

TEST(ImageMapEditor, SliderWithoutPicture_ChangesNothing) {
    MapOn m(QStringLiteral("rect"), QSize(0, 0));
    EXPECT_TRUE(m.map.sliderMoved(5).isEmpty());
    EXPECT_EQ(m.coords(), numbers({"0", "0", "0", "0"}));
    // Nor does a click in optical mode draw a box off the blank preview.
    m.map.mousePressed({1, 1});
    const PreviewUpdate update = m.map.mousePressed({5, 5});
    EXPECT_TRUE(update.outlines.isEmpty());
}

TEST(ImageMapEditor, ModeButtons_ClearAndRedraw) {
    MapOn m(QStringLiteral("rect"), QSize(100, 80));
    m.map.sliderMoved(5);
    m.map.mousePressed({1, 1});
    PreviewUpdate manual = m.map.setManual(true);
    EXPECT_TRUE(m.map.isManual());
    EXPECT_TRUE(m.fields.points.isEmpty());
    EXPECT_EQ(m.map.sliderPosition(), 0);
    EXPECT_TRUE(manual.restore);
    EXPECT_TRUE(manual.outlines.isEmpty()); // cleared fields are no box to draw
    PreviewUpdate optical = m.map.setManual(false);
    EXPECT_FALSE(m.map.isManual());
    EXPECT_EQ(optical.outlines[0], (MapOutline{Kind::Rectangle, {0, 0, 100, 80}, {}}));
}

TEST(ImageMapEditor, OpticalModeOnCircle_WritesWholePictureCircle) {
    MapOn m(QStringLiteral("circle"), QSize(100, 80));
    m.map.setManual(false);
    EXPECT_EQ(m.coords(), numbers({"50", "40", "40", "0"}));
}

TEST(ImageMapEditor, ShapeChange_ClearsAndPolyGoesManual) {
    MapOn m(QStringLiteral("rect"));
    m.map.mousePressed({4, 4});
    m.fields.shape = QStringLiteral("circle");
    m.map.shapeChanged();
    EXPECT_FALSE(m.map.isManual());
    EXPECT_TRUE(m.fields.points.isEmpty());
    EXPECT_EQ(m.coords(), numbers({"0", "0", "0", "0"}));
    m.fields.shape = QStringLiteral("poly");
    m.map.shapeChanged();
    EXPECT_TRUE(m.map.isManual());
}

TEST(ImageMapEditor, Clear_ForgetsPointsFieldsAndClickPosition) {
    MapOn m(QStringLiteral("rect"));
    m.map.setManual(true);
    m.drag({3, 3}, {20, 20});
    const PreviewUpdate update = m.map.clear();
    EXPECT_TRUE(update.restore);
    EXPECT_TRUE(m.fields.points.isEmpty());
    EXPECT_TRUE(m.fields.clickX.isEmpty());
    EXPECT_TRUE(m.fields.clickY.isEmpty());
    EXPECT_EQ(m.coords(), numbers({"0", "0", "0", "0"}));
}

TEST(ImageMapEditor, TypedNonNumbers_DrawNothingAndKeepTheirText) {
    MapOn m(QStringLiteral("circle"));
    m.map.setManual(true);
    m.fields.left = QStringLiteral("abc");
    m.fields.top = QStringLiteral("1");
    m.fields.right = QStringLiteral("2");
    m.fields.bottom = QStringLiteral("3");
    const PreviewUpdate update = m.map.redrawArea();
    EXPECT_TRUE(update.outlines.isEmpty());
    EXPECT_EQ(m.fields.left, QStringLiteral("abc"));
    // A later drag with a typed non-number corner writes no circle.
    m.drag({1, 1}, {1, 1});
    m.fields.left = QStringLiteral("abc");
    m.drag({9, 9}, {9, 9});
    EXPECT_EQ(m.fields.left, QStringLiteral("abc"));
    EXPECT_EQ(m.fields.right, QStringLiteral("9"));
}
