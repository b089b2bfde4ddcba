#include "features/frames_objects/iframe_markup.h"

#include "foundation/document/memory_buffer.h"

#include <gtest/gtest.h>

TEST(IFrameElement, Defaults_ElementThenFallbackParagraphEachOnItsOwnLine) {
    EXPECT_EQ(iFrameElement(IFrameFields{}),
              QStringLiteral("<iframe src=\"Seite.htm\" width=\"400\" height=\"400\" "
                             "name=\"Inline Page\">\r\n"
                             "<p>Your browser is unable to display inline frames:\r\n"
                             "Use a simple link instead:<a href=\"Seite.htm\">Inline Page</a></p>"
                             "\r\n</iframe>\r\n"));
}

TEST(IFrameElement, FieldsAsTypedInBothLanguages) {
    IFrameFields f;
    f.language = UiLanguage::German;
    f.name = QStringLiteral(" n ");
    f.width = QString();
    f.height = QStringLiteral("50%");
    f.source = QStringLiteral("http://www.example.com/a.htm");
    const QString german = iFrameElement(f);
    EXPECT_TRUE(german.startsWith(QStringLiteral(
        "<iframe src=\"http://www.example.com/a.htm\" width=\"\" height=\"50%\" name=\" n \">")));
    EXPECT_TRUE(german.contains(
        QStringLiteral("<a href=\"http://www.example.com/a.htm\"> n </a></p>\r\n")));
    // The fallback is for the page's visitors, not the editor's user.
    f.language = UiLanguage::English;
    EXPECT_EQ(iFrameElement(f), german);
}

TEST(InsertIFrame, GoesInFrontOfTheSelectionWhichStays) {
    MemoryBuffer editor(QStringLiteral("ab<p>sel</p>cd"));
    editor.select(2, 12);
    insertIFrame(editor, QStringLiteral("<iframe></iframe>\r\n"));
    EXPECT_EQ(editor.text(), QStringLiteral("ab<iframe></iframe>\r\n<p>sel</p>cd"));
    editor.undo();
    EXPECT_EQ(editor.text(), QStringLiteral("ab<p>sel</p>cd"));
}

TEST(InsertIFrame, AtTheCaretWithoutSelectionAndNothingWhenEmpty) {
    MemoryBuffer editor(QStringLiteral("abcd"));
    editor.setSelStart(2);
    insertIFrame(editor, QString());
    EXPECT_FALSE(editor.isModified());
    insertIFrame(editor, QStringLiteral("X"));
    EXPECT_EQ(editor.text(), QStringLiteral("abXcd"));
    EXPECT_EQ(editor.selStart(), 3);
}
