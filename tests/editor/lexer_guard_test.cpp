#include "editor/editor_setup.h"
#include "editor/highlighters.h"
#include "editor/lexer_guard.h"
#include "editor/scintilla_buffer.h"

#include <Qsci/qsciscintilla.h>

#include <QCoreApplication>
#include <QRandomGenerator>

#include <gtest/gtest.h>

// The HTML lexer aborts the process on "&" run into "<!": a miss here ends the test run.
namespace {

using Sci = QsciScintillaBase;

struct GuardedEditor {
    GuardedEditor() {
        setupEditor(editor.get());
        highlighters.attach(HighlighterKind::Html);
        buffer.colouringStopped = [this](bool stopped) {
            highlighters.setHtmlLexerStopped(stopped);
        };
    }
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const {
        return editor->SendScintilla(message, wParam, lParam);
    }
    void insert(long at, const char* text) const {
        editor->SendScintilla(Sci::SCI_INSERTTEXT, static_cast<unsigned long>(at), text);
    }
    // Lets changes told only ahead be looked at, then colours all: what a repaint would do.
    void colourAll() const {
        QCoreApplication::processEvents();
        send(Sci::SCI_COLOURISE, 0, -1);
    }
    bool coloured() const { return editor->lexer() != nullptr; }

    std::unique_ptr<QsciScintilla> editor = std::make_unique<QsciScintilla>();
    Highlighters highlighters{editor.get()};
    ScintillaBuffer buffer{editor.get()};
};

} // namespace

TEST(LexerGuard, ColouringStopsBeforeTheTextArrivesHoweverItComes) {
    GuardedEditor g;
    g.buffer.loadText(QStringLiteral("a &lt<!-- b -->"));
    g.colourAll();
    EXPECT_FALSE(g.coloured());
    // A clean page colours again.
    g.buffer.loadText(QStringLiteral("<p>&lt;<!-- b --></p>"));
    g.colourAll();
    ASSERT_TRUE(g.coloured());
    // Typed, with all notifications on: deleting the ";" joins the run to the comment.
    g.send(Sci::SCI_DELETERANGE, 6, 1);
    g.colourAll();
    EXPECT_FALSE(g.coloured());

    // A command's insertion.
    g.buffer.loadText(QStringLiteral("<p>x</p><!DOCTYPE html>"));
    g.colourAll();
    ASSERT_TRUE(g.coloured());
    g.buffer.select(8, 8);
    g.buffer.setSelText(QStringLiteral("&amp"));
    g.colourAll();
    EXPECT_FALSE(g.coloured());
}

TEST(LexerGuard, LargeDocumentsTellChangesOnlyAheadAndAreStillLookedAt) {
    GuardedEditor g;
    g.buffer.setWrapLimits({64, 64});
    g.buffer.loadText(
        QStringLiteral("<p>x</p>\r\n<!-- a long line over the limits of this test -->"));
    g.colourAll();
    ASSERT_TRUE(g.coloured());
    g.insert(10, "&");
    g.colourAll();
    EXPECT_FALSE(g.coloured());
}

TEST(LexerGuard, RandomTypingNeverReachesTheLexerWithTheRun) {
    static const char* const pieces[] = {"&", "lt", ";", "<",    "!",  "--",  ">",
                                         "a", " ",  "#", "\r\n", "<!", "<p>", "x:y"};
    QRandomGenerator random(15);
    for (int round = 0; round < 1000; ++round) {
        GuardedEditor g;
        // Every other round as a large document, whose changes are told only ahead.
        if (round % 2)
            g.buffer.setWrapLimits({1, 1});
        g.buffer.loadText(QStringLiteral("<p>"));
        bool held = false;
        for (int step = 0; step < 12; ++step) {
            const long length = g.send(Sci::SCI_GETLENGTH);
            const long at = long(random.bounded(int(length) + 1));
            if (length > 0 && random.bounded(4) == 0)
                g.send(Sci::SCI_DELETERANGE, at == length ? at - 1 : at, 1);
            else
                g.insert(at, pieces[random.bounded(int(std::size(pieces)))]);
            g.colourAll();
            held = held || entityRunsIntoDeclaration(g.buffer.text().toUtf8());
        }
        // Colours stop for the run and for nothing else.
        EXPECT_EQ(g.coloured(), !held) << qPrintable(g.buffer.text());
    }
}
