#include "foundation/messages/status_text.h"

#include <gtest/gtest.h>

TEST(StatusText, CaretTemplatePadsBothNumbersToThreePlaces) {
    EXPECT_EQ(formatCaretStatus(QStringLiteral("Row %3d   Col: %3d"), 7, 12),
              QStringLiteral("Row   7   Col:  12"));
    EXPECT_EQ(formatCaretStatus(QStringLiteral("Zeile: %3d   Spalte: %3d"), 1234, 1),
              QStringLiteral("Zeile: 1234   Spalte:   1"));
    // A template with a single placeholder must not swallow text.
    EXPECT_EQ(formatCaretStatus(QStringLiteral("L%3d!"), 5, 9), QStringLiteral("L  5!"));
}

TEST(StatusText, WindowSizeFollowsTheScreenRulesInOrder) {
    const QSize built(800, 600);
    EXPECT_EQ(initialWindowSize({1920, 1080}, built), QSize(1150, 800));
    EXPECT_EQ(initialWindowSize({1024, 768}, built), QSize(1000, 700));
    // Wide but low: only the width rule applies.
    EXPECT_EQ(initialWindowSize({1100, 650}, built), QSize(1000, 600));
    EXPECT_EQ(initialWindowSize({800, 600}, built), built);
    // Tall but narrow: the height rule applies on its own.
    EXPECT_EQ(initialWindowSize({900, 1000}, built), QSize(800, 800));
}

TEST(StatusText, RightEdgeRoundsHalfToEven) {
    EXPECT_EQ(rightEdgeColumn(800), 90);
    EXPECT_EQ(rightEdgeColumn(805), 90); // 80.5 -> 80
    EXPECT_EQ(rightEdgeColumn(815), 92); // 81.5 -> 82
}
