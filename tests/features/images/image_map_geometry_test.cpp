#include "features/images/image_map_geometry.h"

#include <gtest/gtest.h>

#include <climits>

TEST(HalfToEven, RoundsHalvesToTheEvenNeighbour) {
    const std::pair<int, int> cases[] = {{0, 0},   {1, 0},   {2, 1},   {3, 2},     {5, 2},
                                         {7, 4},   {9, 4},   {11, 6},  {-1, 0},    {-3, -2},
                                         {-5, -2}, {-7, -4}, {-8, -4}, {201, 100}, {203, 102}};
    for (auto [value, half] : cases)
        EXPECT_EQ(halfToEven(value), half) << value;
}

TEST(HalfToEven, HandlesTheExtremes) {
    EXPECT_EQ(halfToEven(INT_MAX), 1073741824);
    EXPECT_EQ(halfToEven(INT_MIN), -1073741824);
}

TEST(SliderMaximum, RectTakesSmallerSideOthersHalfOfIt) {
    EXPECT_EQ(sliderMaximum(QStringLiteral("rect"), QSize(300, 201)), 201);
    EXPECT_EQ(sliderMaximum(QStringLiteral("circle"), QSize(300, 201)), 100);
    EXPECT_EQ(sliderMaximum(QStringLiteral("circle"), QSize(203, 300)), 102);
    EXPECT_EQ(sliderMaximum(QStringLiteral("poly"), QSize(5, 300)), 2);
    EXPECT_EQ(sliderMaximum(QStringLiteral("circle"), QSize(0, 0)), 0);
}

TEST(CircleFromBox, WorkedExampleGivesCentreAndRadius) {
    const auto circle = circleFromBox(10, 10, 50, 30);
    ASSERT_TRUE(circle);
    EXPECT_EQ(circle->centreX, 30);
    EXPECT_EQ(circle->centreY, 20);
    EXPECT_EQ(circle->radius, 10);
}

TEST(CircleFromBox, OddSidesRoundHalvesToEven) {
    // dx 5 -> 2, dy 7 -> 4; radius half of 5 -> 2.
    const auto circle = circleFromBox(0, 0, 5, 7);
    ASSERT_TRUE(circle);
    EXPECT_EQ(circle->centreX, 2);
    EXPECT_EQ(circle->centreY, 3);
    EXPECT_EQ(circle->radius, 2);
    const auto other = circleFromBox(1, 1, 8, 4); // dx 7 -> 4, dy 3 -> 2
    ASSERT_TRUE(other);
    EXPECT_EQ(other->centreX, 5);
    EXPECT_EQ(other->centreY, 2);
    EXPECT_EQ(other->radius, 2);
}

TEST(CircleFromBox, NoFarCornerYet_DoesNothing) {
    EXPECT_FALSE(circleFromBox(10, 10, 0, 0));
    EXPECT_TRUE(circleFromBox(10, 10, 0, 5));
}

TEST(CircleFromBox, BoxDrawnUpwardsOrLeftwards_KeepsRadiusPositive) {
    const auto back = circleFromBox(50, 30, 10, 10);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->centreX, 30);
    EXPECT_EQ(back->centreY, 20);
    EXPECT_EQ(back->radius, 10);
    const auto mixed = circleFromBox(10, 30, 50, 10);
    ASSERT_TRUE(mixed);
    EXPECT_EQ(mixed->centreX, 30);
    EXPECT_EQ(mixed->centreY, 20);
    EXPECT_EQ(mixed->radius, 10);
}

TEST(SliderArea, RectSetsBoxInsideThePicture) {
    const SliderArea area = sliderArea(QStringLiteral("rect"), QSize(100, 80), 5);
    EXPECT_EQ(area.left, 5);
    EXPECT_EQ(area.top, 5);
    EXPECT_EQ(area.right, 95);
    EXPECT_EQ(area.bottom, 75);
    EXPECT_EQ(sliderArea(QStringLiteral("poly"), QSize(100, 80), 0).bottom, 80);
}

TEST(SliderArea, CircleSetsCentreAndShrinkingRadiusLeavingBottom) {
    const SliderArea area = sliderArea(QStringLiteral("circle"), QSize(101, 75), 7);
    EXPECT_EQ(area.left, 50);  // 50.5 -> 50
    EXPECT_EQ(area.top, 38);   // 37.5 -> 38
    EXPECT_EQ(area.right, 31); // 37.5 -> 38, minus 7
    EXPECT_FALSE(area.bottom);
}

TEST(ClampToPicture, KeepsDraggedPointOnThePicture) {
    EXPECT_EQ(clampToPicture(QPoint(-5, 300), QSize(100, 80)), QPoint(0, 79));
    EXPECT_EQ(clampToPicture(QPoint(40, 30), QSize(100, 80)), QPoint(40, 30));
    EXPECT_EQ(clampToPicture(QPoint(4, 3), QSize(0, 0)), QPoint(0, 0));
}

TEST(ImageDialogLayout, PreviewKeeps340RightAnd220BelowModeRow170AboveBottom) {
    for (QSize window : {QSize(780, 580), QSize(1200, 900)}) {
        const ImageDialogLayout layout = imageDialogLayout(window);
        EXPECT_EQ(layout.preview.width(), window.width() - 340);
        EXPECT_EQ(layout.preview.height(), window.height() - 220);
        EXPECT_EQ(layout.modeRow.top(), window.height() - 170);
        EXPECT_LT(layout.slider.bottom(), layout.modeRow.top());
        EXPECT_GT(layout.slider.top(), layout.preview.bottom());
        EXPECT_GT(layout.rightColumn.left(), layout.preview.right());
        EXPECT_LE(layout.rightColumn.right(), window.width());
        EXPECT_LE(layout.modeRow.bottom(), window.height());
    }
}

TEST(ImageDialogLayout, TinyWindowGivesNoNegativeSizes) {
    const ImageDialogLayout layout = imageDialogLayout(QSize(100, 100));
    EXPECT_GE(layout.preview.width(), 0);
    EXPECT_GE(layout.preview.height(), 0);
    EXPECT_GE(layout.rightColumn.width(), 0);
}
