#include "editor/completion_entries.h"
#include "editor/editor_setup.h"
#include "editor/tag_completion.h"

#include <Qsci/qsciscintilla.h>
#include <QtTest>

using Sci = QsciScintillaBase;

class TagCompletionTest : public QObject {
    Q_OBJECT

private:
    QsciScintilla* editor = nullptr;

    bool listActive() const { return editor->SendScintilla(Sci::SCI_AUTOCACTIVE) != 0; }
    QString current() const {
        char text[256] = {};
        editor->SendScintilla(Sci::SCI_AUTOCGETCURRENTTEXT, 0UL, text);
        return QString::fromUtf8(text);
    }
    static QString inserted(const char* shown) {
        for (const CompletionEntry& e : completionEntries()) {
            if (e.shown == QLatin1String(shown))
                return e.inserted;
        }
        return QString();
    }
    QString wholeText() const {
        const long length = editor->SendScintilla(Sci::SCI_GETLENGTH);
        return QString::fromUtf8(
            static_cast<const char*>(editor->SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER)),
            length);
    }

private slots:
    void init() {
        editor = new QsciScintilla;
        setupEditor(editor);
        new TagCompletion(editor);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
    }
    void cleanup() {
        delete editor;
        editor = nullptr;
    }

    void typingAngleBracketOpensTheListByItself() {
        QTest::keyClick(editor, '<');
        QTRY_VERIFY(listActive());
        QCOMPARE(current(), QStringLiteral("<a href"));
    }

    void enterReplacesTypedTokenByFirstMatch() {
        QTest::keyClicks(editor, QStringLiteral("x <t"));
        QTRY_VERIFY(listActive());
        QCOMPARE(current(), QStringLiteral("<table>"));
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!listActive());
        QCOMPARE(wholeText(), QStringLiteral("x ") + inserted("<table>"));
        QCOMPARE(editor->SendScintilla(Sci::SCI_GETCURRENTPOS),
                 editor->SendScintilla(Sci::SCI_GETLENGTH));
    }

    void listHoldsOnlyMatchingEntriesInListOrder() {
        QTest::keyClicks(editor, QStringLiteral("<t"));
        QTRY_VERIFY(listActive());
        QStringList seen{current()};
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(editor, Qt::Key_Down);
            if (current() != seen.last())
                seen << current();
        }
        // The HTML 5 entries follow the classic ones.
        QCOMPARE(seen, (QStringList{"<table>", "<tr>", "<td>", "<textarea>", "<title>",
                                    "<template>", "<time>"}));
    }

    void tabCompletesTheChosenEntry() {
        QTest::keyClicks(editor, QStringLiteral("<t"));
        QTRY_VERIFY(listActive());
        QTest::keyClick(editor, Qt::Key_Down);
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(wholeText(), inserted("<tr>"));
    }

    void choosingAdressInsertsAddressElement() {
        QTest::keyClicks(editor, QStringLiteral("<ad"));
        QTRY_VERIFY(listActive());
        QCOMPARE(current(), QStringLiteral("<adress>"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(wholeText(), QStringLiteral("<address></address>"));
    }

    void retMarkersAreInsertedLiterally() {
        QTest::keyClicks(editor, QStringLiteral("<u"));
        QTRY_VERIFY(listActive());
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(current(), QStringLiteral("<ul>"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(wholeText(),
                 QStringLiteral("<ul type=\"circle/disc/square\">$ret<li></li>$ret</ul>"));
    }

    void typingMoreShrinksTheListAndNoMatchClosesIt() {
        QTest::keyClicks(editor, QStringLiteral("<t"));
        QTRY_VERIFY(listActive());
        QTest::keyClick(editor, 'e');
        QVERIFY(listActive());
        QCOMPARE(current(), QStringLiteral("<textarea>"));
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(current(), QStringLiteral("<template>"));
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(current(), QStringLiteral("<template>"));
        QTest::keyClick(editor, 'q');
        QVERIFY(!listActive());
        QCOMPARE(wholeText(), QStringLiteral("<teq"));
    }

    void backspaceWidensTheListAgain() {
        QTest::keyClicks(editor, QStringLiteral("<ta"));
        QTRY_VERIFY(listActive());
        QTest::keyClick(editor, Qt::Key_Backspace);
        QVERIFY(listActive());
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(current(), QStringLiteral("<tr>"));
    }

    void endOfTokenCharacterClosesTheList() {
        QTest::keyClicks(editor, QStringLiteral("<ta"));
        QTRY_VERIFY(listActive());
        QTest::keyClick(editor, '.');
        QVERIFY(!listActive());
        QCOMPARE(wholeText(), QStringLiteral("<ta."));
    }

    void ctrlSpaceOpensTheListForTheTokenBeforeTheCaret() {
        editor->SendScintilla(Sci::SCI_ADDTEXT, 6UL, "a <STR");
        QVERIFY(!listActive());
        QTest::keyClick(editor, Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(listActive());
        QCOMPARE(current(), QStringLiteral("<strike>"));
        QTest::keyClick(editor, Qt::Key_Down);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(wholeText(), QStringLiteral("a <strong></strong>"));
    }

    void completionIsOneUndoStep() {
        QTest::keyClicks(editor, QStringLiteral("<b"));
        QTRY_VERIFY(listActive());
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(wholeText(), QStringLiteral("<b></b>"));
        editor->undo();
        QCOMPARE(wholeText(), QStringLiteral("<b"));
    }
};

QTEST_MAIN(TagCompletionTest)
#include "tag_completion_test.moc"
