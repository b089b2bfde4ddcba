#include "buffer_contract_test.h"

#include "editor/editor_setup.h"
#include "editor/highlighters.h"
#include "editor/scintilla_buffer.h"

#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QCoreApplication>

namespace {

using Sci = QsciScintillaBase;

// The control, set up as the main window has it, must outlive the buffer over it.
struct EditorHolder {
    EditorHolder() {
        setupEditor(editor.get());
        highlighters.attach(HighlighterKind::Html);
    }
    std::unique_ptr<QsciScintilla> editor = std::make_unique<QsciScintilla>();
    Highlighters highlighters{editor.get()};
};

class OwningScintillaBuffer : private EditorHolder, public ScintillaBuffer {
public:
    OwningScintillaBuffer() : ScintillaBuffer(editor.get()) {}
    QsciScintilla* control() const { return editor.get(); }
};

std::unique_ptr<EditorBuffer> makeScintillaBuffer() {
    return std::make_unique<OwningScintillaBuffer>();
}

class ScintillaBufferTest : public ::testing::Test {
protected:
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) {
        return buffer.control()->SendScintilla(message, wParam, lParam);
    }

    OwningScintillaBuffer buffer;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Scintilla, BufferContract, ::testing::Values(&makeScintillaBuffer),
                         [](const auto&) { return std::string("ScintillaBuffer"); });

TEST_F(ScintillaBufferTest, KeepsTheControlInUtf8AndCrLfMode) {
    EXPECT_EQ(send(Sci::SCI_GETCODEPAGE), long(Sci::SC_CP_UTF8));
    EXPECT_EQ(send(Sci::SCI_GETEOLMODE), long(Sci::SC_EOL_CRLF));

    buffer.loadText(QStringLiteral("ab"));
    buffer.setSelStart(1);
    send(Sci::SCI_NEWLINE);
    EXPECT_EQ(buffer.text(), QStringLiteral("a\r\nb"));
}

TEST_F(ScintillaBufferTest, SetSelTextMakesExactlyOneUndoStepInTheControl) {
    buffer.loadText(QStringLiteral("abc"));
    EXPECT_EQ(send(Sci::SCI_CANUNDO), 0);
    buffer.select(0, 2);
    buffer.setSelText(QStringLiteral("x\ny"));
    send(Sci::SCI_UNDO);
    EXPECT_EQ(buffer.text(), QStringLiteral("abc"));
    EXPECT_EQ(send(Sci::SCI_CANUNDO), 0);
}

TEST_F(ScintillaBufferTest, EditsMadeInTheControlAreSeenByTheBuffer) {
    buffer.loadText(QStringLiteral("abc"));
    send(Sci::SCI_SETSEL, 1, 2);
    buffer.control()->replaceSelectedText(QStringLiteral("\xE4"));
    EXPECT_EQ(buffer.text(), QStringLiteral("a\xE4"
                                            "c"));
    EXPECT_EQ(buffer.caretOffset(), 2);
    EXPECT_TRUE(buffer.isModified());
}

TEST_F(ScintillaBufferTest, ChangesThroughTheBufferAreSignalledLikeTyping) {
    int textChanges = 0;
    int lineChanges = 0;
    QObject::connect(buffer.control(), &QsciScintilla::textChanged, [&] { ++textChanges; });
    QObject::connect(buffer.control(), &QsciScintilla::linesChanged, [&] { ++lineChanges; });
    buffer.loadText(QStringLiteral("abc"));
    buffer.setSelText(QStringLiteral("x"));
    EXPECT_EQ(textChanges, 2);
    EXPECT_EQ(lineChanges, 0);
    buffer.setSelText(QStringLiteral("\n"));
    buffer.undo();
    EXPECT_EQ(textChanges, 4);
    EXPECT_EQ(lineChanges, 2);

    // Typing is still reported by the control itself.
    buffer.control()->SendScintilla(Sci::SCI_ADDTEXT, 1UL, "y");
    EXPECT_EQ(textChanges, 5);
}

TEST_F(ScintillaBufferTest, WholeTextChangesKeepWrapAndLeaveTheTextHighlighted) {
    const QString page = QStringLiteral("<p>one</p>\r\n<!-- two -->");
    buffer.loadText(page);
    EXPECT_EQ(buffer.control()->wrapMode(), QsciScintilla::WrapWord);
    EXPECT_EQ(send(Sci::SCI_GETENDSTYLED), send(Sci::SCI_GETLENGTH));

    buffer.setText(page + page);
    EXPECT_EQ(buffer.control()->wrapMode(), QsciScintilla::WrapWord);
    EXPECT_EQ(send(Sci::SCI_GETENDSTYLED), send(Sci::SCI_GETLENGTH));
    EXPECT_EQ(send(Sci::SCI_GETSTYLEAT, send(Sci::SCI_GETLENGTH) - 1), QsciLexerHTML::HTMLComment);
}

TEST_F(ScintillaBufferTest, BookmarkNumberIsTheMarkerOfItsLine) {
    buffer.loadText(QStringLiteral("0\r\n1\r\n2"));
    buffer.setBookmark(7, 2);
    EXPECT_EQ(send(Sci::SCI_MARKERGET, 2), 1L << ScintillaBuffer::bookmarkMarker(7));
}

TEST_F(ScintillaBufferTest, LargeTextKeepsOffsetsRightToItsEnd) {
    QString text;
    const QString lineWithEmoji =
        QString::fromUtf8("<p>\xC3\xBC\xC3\x9F \xF0\x9F\x98\x80 line</p>");
    for (int i = 0; i < 200000; ++i)
        text += lineWithEmoji + QStringLiteral("\r\n");
    text += QStringLiteral("last");
    buffer.loadText(text);

    EXPECT_EQ(buffer.text(), text);
    EXPECT_EQ(buffer.lineCount(), 200001);
    buffer.select(int(text.size()) - 4, int(text.size()));
    EXPECT_EQ(buffer.selText(), QStringLiteral("last"));
    EXPECT_EQ(buffer.caretLine(), 200001);
    EXPECT_EQ(buffer.caretColumn(), 5);

    const int emojiAt = int(text.lastIndexOf(QString::fromUtf8("\xF0\x9F\x98\x80")));
    buffer.select(emojiAt, emojiAt + 2);
    EXPECT_EQ(buffer.selText(), QString::fromUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(buffer.line(199999), lineWithEmoji);
}

// A document the control cannot wrap quickly opens with wrap off, whether it is large or has
// one huge line; the next document within the limits gets word wrap back, and the user's own
// choice of no wrap is kept.
TEST_F(ScintillaBufferTest, DocumentsBeyondTheWrapLimitsOpenWithWrapOffUntilASmallerOne) {
    QList<bool> told;
    buffer.wrapHeldChanged = [&](bool held) { told << held; };
    buffer.setWrapLimits({1000, 200});
    // Limits count bytes: 101 two-byte characters are over 200.
    const QString longLine = QStringLiteral("\u00e4").repeated(101);
    const QString manyLines = QStringLiteral("<p>short line</p>\r\n").repeated(60);

    for (const QString& large : {longLine, manyLines}) {
        buffer.loadText(large);
        EXPECT_EQ(buffer.control()->wrapMode(), QsciScintilla::WrapNone);
        EXPECT_TRUE(buffer.wrapHeld());
        buffer.loadText(QStringLiteral("small\r\n") + longLine.first(100));
        EXPECT_EQ(buffer.control()->wrapMode(), QsciScintilla::WrapWord);
        EXPECT_FALSE(buffer.wrapHeld());
    }
    EXPECT_EQ(told, QList<bool>({true, false, true, false}));

    setWordWrap(buffer.control(), false);
    buffer.loadText(longLine);
    buffer.loadText(QStringLiteral("small"));
    EXPECT_EQ(buffer.control()->wrapMode(), QsciScintilla::WrapNone);
    EXPECT_EQ(told.size(), 4);
}

// In a large document the control tells of a change only ahead of it; the editor's change
// signals must still come, once per key press or undo step, and none may be lost, or the
// recovery journal and the bookmarks would miss what the user typed.
TEST_F(ScintillaBufferTest, LargeDocumentsStillTellEveryChangeOnceTheEventLoopTurns) {
    QsciScintilla* control = buffer.control();
    int texts = 0;
    int lines = 0;
    QObject::connect(control, &QsciScintilla::textChanged, [&] { ++texts; });
    QObject::connect(control, &QsciScintilla::linesChanged, [&] { ++lines; });
    buffer.setWrapLimits({1000, 200});
    buffer.loadText(QStringLiteral("<p>short line</p>\r\n").repeated(60));
    QCoreApplication::processEvents();
    texts = lines = 0;

    control->SendScintilla(QsciScintillaBase::SCI_ADDTEXT, 1, "x");
    control->SendScintilla(QsciScintillaBase::SCI_ADDTEXT, 2, "\r\n");
    QCoreApplication::processEvents();
    EXPECT_EQ(texts, 1);
    EXPECT_EQ(lines, 1);
    EXPECT_TRUE(buffer.text().startsWith(QStringLiteral("x\r\n<p>")));

    buffer.setText(buffer.text().toUpper());
    control->undo();
    QCoreApplication::processEvents();
    EXPECT_EQ(texts, 3); // the rewrite tells at once, its undo once the loop turns
    EXPECT_TRUE(buffer.text().startsWith(QStringLiteral("x\r\n<p>short")));

    // A small document keeps the control's own signals, told at the change.
    buffer.loadText(QStringLiteral("small"));
    texts = 0;
    control->SendScintilla(QsciScintillaBase::SCI_ADDTEXT, 1, "y");
    EXPECT_EQ(texts, 1);
}
