#include "foundation/document/line_breaks.h"

#include <gtest/gtest.h>

TEST(LineBreaks, EveryKindOfBreakBecomesCrLf) {
    EXPECT_EQ(toCrLf(QStringLiteral("a\nb\rc\r\nd")), QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(toCrLf(QStringLiteral("\n\r")), QStringLiteral("\r\n\r\n"));
    EXPECT_EQ(toCrLf(QStringLiteral("\r\r\n\n")), QStringLiteral("\r\n\r\n\r\n"));
    EXPECT_EQ(toCrLf(QStringLiteral("end\r")), QStringLiteral("end\r\n"));
}

TEST(LineBreaks, CrLfTextAndTextWithoutBreaksStayAsTheyAre) {
    EXPECT_EQ(toCrLf(QString()), QString());
    EXPECT_EQ(toCrLf(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(toCrLf(QStringLiteral("a\r\n\r\nb")), QStringLiteral("a\r\n\r\nb"));
}
