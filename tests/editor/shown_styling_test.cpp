#include "editor/editor_setup.h"
#include "editor/highlighters.h"
#include "editor/scintilla_buffer.h"
#include "editor/shown_styling.h"
#include "test_paths.h"

#include <Qsci/qsciscintilla.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

using Sci = QsciScintillaBase;

struct HtmlEditor {
    HtmlEditor() {
        setupEditor(editor.get());
        highlighters.attach(HighlighterKind::Html);
    }
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const {
        return editor->SendScintilla(message, wParam, lParam);
    }
    // The style bytes of the document lines from first to last.
    QByteArray styles(long first, long last) const {
        const long start = send(Sci::SCI_POSITIONFROMLINE, first);
        const long end = send(Sci::SCI_GETLINEENDPOSITION, last);
        QByteArray bytes;
        for (long at = start; at < end; ++at)
            bytes += char(send(Sci::SCI_GETSTYLEAT, at));
        return bytes;
    }

    std::unique_ptr<QsciScintilla> editor = std::make_unique<QsciScintilla>();
    Highlighters highlighters{editor.get()};
    ScintillaBuffer buffer{editor.get()};
};

QStringList corpusPages() {
    const QString folder = corpusPagesFolder();
    QStringList pages;
    if (folder.isEmpty())
        return pages;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        QFile file(folder + '/' + name);
        if (file.open(QIODevice::ReadOnly))
            pages << QString::fromUtf8(file.readAll());
    }
    return pages;
}

} // namespace

// Real pages opened as large documents and looked at in random places, with edits among the
// looks: every shown line has the colours the lexer gives it from the document's start.
TEST(ShownStyling, ShownLinesOfCorpusPagesAreColouredAsFromTheStart) {
    const QStringList pages = corpusPages();
    if (pages.isEmpty())
        GTEST_SKIP() << "no corpus";
    const QString edits[] = {QStringLiteral("x"),     QStringLiteral("<b>"),  QStringLiteral("-->"),
                             QStringLiteral("<!-- "), QStringLiteral("\r\n"), QString()};
    QRandomGenerator random(15);
    HtmlEditor shown;
    HtmlEditor whole;
    shown.buffer.setWrapLimits({0, 0});
    // The reference is styled whole, as the control does for small documents.
    whole.buffer.setWrapLimits({qsizetype(1) << 30, qsizetype(1) << 30});
    int looks = 0;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        shown.buffer.loadText(pages[p]);
        whole.buffer.loadText(pages[p]);
        ASSERT_TRUE(shown.buffer.shownStyling().isActive());
        long last = 0;
        for (int round = 0; round < 8; ++round) {
            const long lines = shown.send(Sci::SCI_GETLINECOUNT);
            // Jumps, and steps on from the last look, as scrolling makes them.
            const long first = round % 2 ? qMin(lines - 1, last + long(random.bounded(60)))
                                         : long(random.bounded(int(lines)));
            last = qMin(lines - 1, first + 1 + long(random.bounded(40)));
            if (round % 3 == 2) {
                // At a line start: the lexer itself trips over an entity run into a tag
                // ("&lt<!--"), which an edit in mid-line can make.
                const QString text = shown.buffer.text();
                qsizetype at = 0;
                for (long line = 0; line < first; ++line)
                    at = text.indexOf(QLatin1Char('\n'), at) + 1;
                const QString edit = edits[random.bounded(int(std::size(edits)))];
                const int cut = int(random.bounded(3));
                for (HtmlEditor* e : {&shown, &whole}) {
                    e->buffer.select(int(at), int(at) + cut);
                    e->buffer.setSelText(edit);
                }
                whole.send(Sci::SCI_COLOURISE, 0, -1);
                ASSERT_EQ(shown.buffer.text(), whole.buffer.text());
            }
            shown.buffer.shownStyling().styleLines(first, last);
            ++looks;
            ASSERT_EQ(shown.styles(first, last), whole.styles(first, last))
                << "page " << p << " round " << round << " lines " << first << "-" << last;
        }
    }
    EXPECT_GT(looks, 1000);
}

// The point of it all: looking at the end of a large document styles the end, not what lies
// before it, and leaves the control nothing to style by itself.
TEST(ShownStyling, LookingAtTheEndOfALargeDocumentStylesOnlyTheEnd) {
    HtmlEditor shown;
    shown.buffer.setWrapLimits({1000, 1000});
    const QString part = QStringLiteral("<p class=\"a\">text &amp; more</p>\r\n");
    shown.buffer.loadText(part.repeated(3000));
    const long lines = shown.send(Sci::SCI_GETLINECOUNT);
    shown.editor->resize(600, 400);
    shown.editor->show();
    shown.send(Sci::SCI_DOCUMENTEND);
    shown.editor->grab();

    EXPECT_EQ(shown.send(Sci::SCI_GETENDSTYLED), shown.send(Sci::SCI_GETLENGTH));
    EXPECT_EQ(shown.styles(lines / 2, lines / 2), QByteArray(part.size() - 2, '\0'));
    const QByteArray end = shown.styles(lines - 3, lines - 3);
    EXPECT_NE(end, QByteArray(part.size() - 2, '\0'));

    // A small document is styled by the control as before.
    shown.buffer.loadText(part.repeated(3));
    EXPECT_FALSE(shown.buffer.shownStyling().isActive());
    EXPECT_EQ(shown.styles(2, 2), end);
}
