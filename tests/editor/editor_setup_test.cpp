#include "editor/editor_setup.h"

#include "foundation/document/editor_buffer.h"

#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

namespace {

using Sci = QsciScintillaBase;

class EditorSetupTest : public ::testing::Test {
protected:
    void SetUp() override { setupEditor(&editor); }

    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) {
        return editor.SendScintilla(message, wParam, lParam);
    }
    std::string styleFont(int style) {
        char name[128] = {};
        editor.SendScintilla(Sci::SCI_STYLEGETFONT, style, name);
        return name;
    }
    int gutterWidth() {
        int width = 0;
        for (int margin = 0; margin < 5; ++margin)
            width += editor.marginWidth(margin);
        return width;
    }

    QsciScintilla editor;
};

} // namespace

TEST_F(EditorSetupTest, FontIsCourierNew10AndGutterFontCourierNew8) {
    EXPECT_EQ(styleFont(Sci::STYLE_DEFAULT), "Courier New");
    EXPECT_EQ(send(Sci::SCI_STYLEGETSIZE, Sci::STYLE_DEFAULT), 10);
    EXPECT_EQ(styleFont(Sci::STYLE_LINENUMBER), "Courier New");
    EXPECT_EQ(send(Sci::SCI_STYLEGETSIZE, Sci::STYLE_LINENUMBER), 8);
}

TEST_F(EditorSetupTest, TabsAreThreeWideAndInsertedAsSpaces) {
    EXPECT_EQ(editor.tabWidth(), 3);
    EXPECT_FALSE(editor.indentationsUseTabs());
    EXPECT_TRUE(editor.tabIndents());

    send(Sci::SCI_TAB);
    EXPECT_EQ(editor.text(), QStringLiteral("   "));
}

TEST_F(EditorSetupTest, EditingBehaviourIsSetUp) {
    EXPECT_EQ(editor.wrapMode(), QsciScintilla::WrapWord);
    EXPECT_TRUE(wordWrap(&editor));
    EXPECT_TRUE(editor.autoIndent());
    EXPECT_EQ(send(Sci::SCI_GETENDATLASTLINE), 0);
    EXPECT_EQ(send(Sci::SCI_GETCODEPAGE), long(Sci::SC_CP_UTF8));
    EXPECT_EQ(send(Sci::SCI_GETEOLMODE), long(Sci::SC_EOL_CRLF));
    EXPECT_EQ(editor.eolMode(), QsciScintilla::EolWindows);
    // Switching wrap keeps layouts for the screen only, never one per line of the document.
    for (bool on : {false, true}) {
        setWordWrap(&editor, on);
        EXPECT_EQ(send(Sci::SCI_GETLAYOUTCACHE), long(Sci::SC_CACHE_PAGE));
    }
}

TEST_F(EditorSetupTest, GutterIs45WideWithLineNumbersAnd25Without) {
    EXPECT_EQ(gutterWidth(), 25);
    EXPECT_FALSE(editor.marginLineNumbers(0));

    setLineNumbers(&editor, true);
    EXPECT_EQ(gutterWidth(), 45);
    EXPECT_TRUE(editor.marginLineNumbers(0));

    setLineNumbers(&editor, false);
    EXPECT_EQ(gutterWidth(), 25);
}

TEST_F(EditorSetupTest, BookmarkStripShowsTheDigitsAndTakesClicks) {
    for (bool numbers : {false, true}) {
        setLineNumbers(&editor, numbers);
        EXPECT_TRUE(editor.marginSensitivity(1));
        EXPECT_GT(editor.marginWidth(1), 0);
    }
    EXPECT_EQ(editor.marginMarkerMask(1), (1 << EditorBuffer::BookmarkCount) - 1);
    for (int i = 0; i < EditorBuffer::BookmarkCount; ++i)
        EXPECT_EQ(send(Sci::SCI_MARKERSYMBOLDEFINED, i), Sci::SC_MARK_CHARACTER + '0' + i);
}
