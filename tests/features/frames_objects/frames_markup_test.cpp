#include "features/frames_objects/frames_markup.h"

#include <gtest/gtest.h>

namespace {

const QString Head = QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\" "
                                    "\"http://www.w3.org/TR/html4/frameset.dtd\">\r\n"
                                    "<html>\r\n<head>\r\n<title>Frame page</title>\r\n</head>\r\n");
const QString EnglishTail =
    QStringLiteral("<noframes>\r\n<body>\r\n"
                   "<p>Will be displayed if browser is unabled to handle frames.</p>\r\n"
                   "</body>\r\n</noframes>\r\n</frameset></html>");

FramesFields english() {
    FramesFields f;
    f.language = UiLanguage::English;
    return f;
}

QString frameLine(int n, const char* name, const char* border = "1",
                  const char* ending = "noresize>") {
    return QStringLiteral("<frame src=\"Frame%1.htm\" name=\"%2\" scrolling=\"auto\" "
                          "marginwidth=\"5\" marginheight=\"5\" frameborder=\"%3\" %4\r\n")
        .arg(n)
        .arg(QLatin1String(name), QLatin1String(border), QLatin1String(ending));
}

} // namespace

TEST(FramesetPage, Defaults_TwoFramesSideBySideWithBordersAndNoresize) {
    const QString expected =
        Head +
        QStringLiteral("<frameset cols=\"50%,50%\" frameborder=\"1\" framespacing=\"1\" "
                       "border=\"1\">\r\n") +
        frameLine(1, "Left") + frameLine(2, "Right") + EnglishTail;
    EXPECT_EQ(framesetPage(english()), expected);
}

TEST(FramesetPage, ThreeFrames_TopRowThenInnerColumns) {
    FramesFields f = english();
    f.layout = FrameLayout::Three;
    f.frames[2].noresize = false;
    const QString expected =
        Head +
        QStringLiteral("<frameset rows=\"20%,80%\" frameborder=\"1\" framespacing=\"1\" "
                       "border=\"1\">\r\n") +
        frameLine(1, "Top") + QStringLiteral("<frameset cols=\"30%,70%\">\r\n") +
        frameLine(2, "Left") + frameLine(3, "Right", "1", ">") + QStringLiteral("</frameset>\r\n") +
        EnglishTail;
    EXPECT_EQ(framesetPage(f), expected);
    // Without noresize the tag keeps its blank before ">".
    EXPECT_TRUE(framesetPage(f).contains(QStringLiteral("frameborder=\"1\" >\r\n")));
}

TEST(FramesetPage, FourFrames_BottomFrameAfterInnerFrameset) {
    FramesFields f = english();
    f.layout = FrameLayout::Four;
    const QString expected =
        Head +
        QStringLiteral("<frameset rows=\"20%,60%,20%\" frameborder=\"1\" framespacing=\"1\" "
                       "border=\"1\">\r\n") +
        frameLine(1, "Top") + QStringLiteral("<frameset cols=\"40%,60%\">\r\n") +
        frameLine(2, "Left") + frameLine(3, "Right") + QStringLiteral("</frameset>\r\n") +
        frameLine(4, "Bottom") + EnglishTail;
    EXPECT_EQ(framesetPage(f), expected);
}

TEST(FramesetPage, BordersOff_ZeroOnOuterFramesetAndEveryFrameOnly) {
    for (FrameLayout layout : {FrameLayout::Two, FrameLayout::Three, FrameLayout::Four}) {
        FramesFields f = english();
        f.layout = layout;
        f.borders = false;
        const QString page = framesetPage(f);
        EXPECT_FALSE(page.contains(QStringLiteral("=\"1\"")));
        EXPECT_TRUE(page.contains(
            QStringLiteral("frameborder=\"0\" framespacing=\"0\" border=\"0\">\r\n")));
        EXPECT_EQ(page.count(QStringLiteral("frameborder=\"0\" noresize>")), frameCount(layout));
        if (layout != FrameLayout::Two) {
            EXPECT_TRUE(page.contains(QStringLiteral("%\">\r\n<frame src=\"Frame2.htm\"")));
        }
    }
}

TEST(FramesetPage, BlankFields_FallBackToAutoAndZeroMargins) {
    FramesFields f = english();
    f.frames[0].scrolling = QStringLiteral("  ");
    f.frames[0].marginWidth = QString();
    f.frames[0].marginHeight = QStringLiteral("\t");
    f.frames[1].source = QString();
    const QString page = framesetPage(f);
    EXPECT_TRUE(page.contains(QStringLiteral("<frame src=\"Frame1.htm\" name=\"Left\" "
                                             "scrolling=\"auto\" marginwidth=\"0\" "
                                             "marginheight=\"0\" frameborder=\"1\" noresize>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<frame src=\"\" name=\"Right\" ")));
}

TEST(FramesetPage, FieldsAreWrittenAsTypedNotTrimmed) {
    FramesFields f = english();
    f.frames[0].scrolling = QStringLiteral(" no ");
    f.frames[0].marginWidth = QStringLiteral(" 7");
    f.frames[0].marginHeight = QStringLiteral("8 ");
    f.frames[0].source = QStringLiteral("a b.htm");
    EXPECT_TRUE(framesetPage(f).contains(
        QStringLiteral("<frame src=\"a b.htm\" name=\"Left\" scrolling=\" no \" "
                       "marginwidth=\" 7\" marginheight=\"8 \" ")));
}

TEST(FramesetPage, OnlyTheFramesOfTheChosenLayoutAreRead) {
    FramesFields f = english();
    f.frames[2].source = QStringLiteral("third.htm");
    f.frames[3].source = QStringLiteral("fourth.htm");
    EXPECT_FALSE(framesetPage(f).contains(QStringLiteral("third.htm")));
    f.layout = FrameLayout::Three;
    EXPECT_TRUE(framesetPage(f).contains(QStringLiteral("third.htm")));
    EXPECT_FALSE(framesetPage(f).contains(QStringLiteral("fourth.htm")));
}

TEST(FramesetPage, NoFramesTextFollowsTheLanguage) {
    FramesFields f;
    f.language = UiLanguage::German;
    EXPECT_TRUE(framesetPage(f).contains(QStringLiteral(
        "<body>\r\n<p>Wird angezeigt, wenn der Browser keine Frames darstellen kann.</p>\r\n"
        "</body>")));
    f.language = UiLanguage::English;
    EXPECT_TRUE(framesetPage(f).endsWith(EnglishTail));
}

TEST(SourceFieldText, KeepsOnlyTheFileName) {
    EXPECT_EQ(sourceFieldText(QStringLiteral("/home/me/site/left page.htm")),
              QStringLiteral("left page.htm"));
    EXPECT_EQ(sourceFieldText(QStringLiteral("page.htm")), QStringLiteral("page.htm"));
}
