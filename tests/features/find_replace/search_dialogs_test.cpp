#include "features/find_replace/find_dialog.h"
#include "features/find_replace/replace_dialog.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "modal_dialog.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"
#include "shell/status_panels.h"
#include "window_test.h"

#include <Qsci/qsciscintilla.h>

#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

namespace {

const QString Smiley = QString::fromUtf8("\xF0\x9F\x98\x80");

} // namespace

class SearchDialogsTest : public WindowTest {
    Q_OBJECT

private:
    // A shown window holding text, English captions.
    struct Window {
        Window(RecordingPlatform& platform, const QString& text) : form(platform, &prompter) {
            form.show();
            form.startUp({});
            form.buffer().loadText(text);
        }
        ScriptedPrompter prompter;
        MainWindow form;
    };

    static FindDialog* findDialog(MainWindow& w) {
        return w.findChild<FindDialog*>(QStringLiteral("findDialog"));
    }
    static ReplaceDialog* replaceDialog(MainWindow& w) {
        return w.findChild<ReplaceDialog*>(QStringLiteral("replaceDialog"));
    }
    static void clickGutter(MainWindow& w, int line) {
        emit w.editor()->marginClicked(1, line, Qt::NoModifier);
    }

private slots:
    void findDialogIsModelessAndItsTypedSearchReachesTheEditor() {
        Window w(m_platform, Smiley + QStringLiteral("ab Ab\r\n") + Smiley + QStringLiteral("ab"));
        w.form.buffer().setSelStart(6);
        action(w.form, "findItem")->trigger();
        FindDialog* dialog = findDialog(w.form);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        // Offset 1 would split the first character.
        QCOMPARE(w.form.buffer().selStart(), 0);
        QVERIFY(!child<QPushButton>(*dialog, "findNextButton")->isEnabled());

        QTest::keyClicks(child<QLineEdit>(*dialog, "findEdit"), QStringLiteral("ab"));
        QTest::mouseClick(child<QPushButton>(*dialog, "findNextButton"), Qt::LeftButton);
        QCOMPARE(w.form.buffer().selStart(), 2);
        QCOMPARE(w.form.buffer().selText(), QStringLiteral("ab"));
        // Enter in the field is the find-next button; case is ignored unless ticked.
        QTest::keyClick(child<QLineEdit>(*dialog, "findEdit"), Qt::Key_Return);
        QCOMPARE(w.form.buffer().selText(), QStringLiteral("Ab"));
        click(*dialog, "matchCaseCheck");
        QTest::mouseClick(child<QPushButton>(*dialog, "findNextButton"), Qt::LeftButton);
        QCOMPARE(w.form.buffer().selStart(), 11);

        // F3 continues the dialog's search and wraps to the first match.
        action(w.form, "findNextItem")->trigger();
        QCOMPARE(w.form.buffer().selStart(), 2);
        QVERIFY(w.prompter.messages().isEmpty());

        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        // The dialog keeps its text for the next opening.
        action(w.form, "findPopupItem")->trigger();
        QCOMPARE(child<QLineEdit>(*dialog, "findEdit")->text(), QStringLiteral("ab"));
        QVERIFY(child<QCheckBox>(*dialog, "matchCaseCheck")->isChecked());
    }

    void findDialogWholeWordAndNotFoundMessage() {
        Window w(m_platform, QStringLiteral("xabc abc"));
        action(w.form, "findButton")->trigger();
        FindDialog* dialog = findDialog(w.form);
        retype(child<QLineEdit>(*dialog, "findEdit"), QStringLiteral("abc"));
        child<QCheckBox>(*dialog, "matchCaseCheck")->setChecked(false);
        click(*dialog, "wholeWordCheck");
        QTest::mouseClick(child<QPushButton>(*dialog, "findNextButton"), Qt::LeftButton);
        QCOMPARE(w.form.buffer().selStart(), 5);
        QTest::mouseClick(child<QPushButton>(*dialog, "findNextButton"), Qt::LeftButton);
        QCOMPARE(w.prompter.messages(), QStringList{QStringLiteral("Search string not found.")});
        QCOMPARE(w.form.buffer().selStart(), 1);
        QCOMPARE(w.form.buffer().selLength(), 0);
    }

    void replaceDialogFindReplaceAndReplaceAll() {
        Window w(m_platform, QStringLiteral("Cat cat\r\ncat"));
        action(w.form, "replaceItem")->trigger();
        ReplaceDialog* dialog = replaceDialog(w.form);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QVERIFY(!w.form.buffer().isModified());

        QTest::keyClicks(child<QLineEdit>(*dialog, "findEdit"), QStringLiteral("cat"));
        QTest::keyClicks(child<QLineEdit>(*dialog, "replaceEdit"), QStringLiteral("dog"));
        click(*dialog, "matchCaseCheck");
        QTest::mouseClick(child<QPushButton>(*dialog, "findNextButton"), Qt::LeftButton);
        QCOMPARE(w.form.buffer().selStart(), 4);
        QTest::mouseClick(child<QPushButton>(*dialog, "replaceButton"), Qt::LeftButton);
        QCOMPARE(w.form.buffer().text(), QStringLiteral("Cat dog\r\ncat"));
        QVERIFY(w.form.buffer().isModified());

        w.form.buffer().setBookmark(4, 1);
        click(*dialog, "matchCaseCheck");
        QTest::mouseClick(child<QPushButton>(*dialog, "replaceAllButton"), Qt::LeftButton);
        QCOMPARE(w.form.buffer().text(), QStringLiteral("dog dog\r\ndog"));
        QCOMPARE(w.prompter.messages(), QStringList{QStringLiteral("Replaced: 2")});
        w.prompter.clearMessages();
        // The control drops its markers with the old text; the bookmark stays on its line.
        QCOMPARE(w.form.buffer().bookmark(4), 1);
        QVERIFY(action(w.form, "gotoBookmark4Item")->isChecked());
        // Replace all is one step: one undo brings back the text before it.
        w.form.editor()->undo();
        QCOMPARE(w.form.buffer().text(), QStringLiteral("Cat dog\r\ncat"));

        w.form.buffer().setSelStart(0);
        QTest::mouseClick(child<QPushButton>(*dialog, "findNextButton"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(*dialog, "findNextButton"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(*dialog, "findNextButton"), Qt::LeftButton);
        QCOMPARE(w.prompter.messages(), QStringList{QStringLiteral("Search string not found.")});

        // Opening again starts with empty texts; Esc closes.
        action(w.form, "replacePopupItem")->trigger();
        QVERIFY(child<QLineEdit>(*dialog, "findEdit")->text().isEmpty());
        QVERIFY(child<QLineEdit>(*dialog, "replaceEdit")->text().isEmpty());
        QVERIFY(!child<QPushButton>(*dialog, "replaceAllButton")->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }

    void dialogsAndMenuItemsFollowTheLanguage() {
        Window w(m_platform, QStringLiteral("x"));
        action(w.form, "germanItem")->trigger();
        QCOMPARE(action(w.form, "findItem")->text(), QStringLiteral("Suchen..."));
        QCOMPARE(action(w.form, "findNextItem")->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(action(w.form, "wordWrapButton")->toolTip(),
                 QStringLiteral("Zeilenbegrenzung ein/aus"));
        action(w.form, "findItem")->trigger();
        QCOMPARE(findDialog(w.form)->windowTitle(), QStringLiteral("Suchen"));
        QCOMPARE(child<QPushButton>(*findDialog(w.form), "findNextButton")->text(),
                 QStringLiteral("&Weitersuchen"));
        action(w.form, "englishItem")->trigger();
        QCOMPARE(findDialog(w.form)->windowTitle(), QStringLiteral("Find"));
        QCOMPARE(action(w.form, "findNextPopupItem")->text(), QStringLiteral("Find next"));
        action(w.form, "replaceItem")->trigger();
        QCOMPARE(child<QPushButton>(*replaceDialog(w.form), "replaceAllButton")->text(),
                 QStringLiteral("Replace &All"));
    }

    void goToLineClampsAndRefusesWhatIsNoNumber() {
        Window w(m_platform, QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\nten"));
        w.form.buffer().setSelStart(3);
        QString prompt;
        whenModal([&prompt](QDialog& dialog) {
            auto* box = qobject_cast<QInputDialog*>(&dialog);
            prompt = dialog.windowTitle() + QLatin1Char('|') + (box ? box->labelText() : QString());
            QTest::keyClicks(dialog.findChild<QLineEdit*>(), QStringLiteral("99999"));
            dialog.accept();
        });
        action(w.form, "goToLineItem")->trigger();
        QCOMPARE(prompt, QStringLiteral("GoTo|Enter line number:"));
        QCOMPARE(w.form.buffer().caretLine(), 10);
        QCOMPARE(w.form.buffer().caretColumn(), 1);

        whenModal([](QDialog& dialog) {
            QTest::keyClicks(dialog.findChild<QLineEdit*>(), QStringLiteral("4"));
            dialog.accept();
        });
        action(w.form, "goToLineItem")->trigger();
        QCOMPARE(w.form.buffer().caretLine(), 4);

        whenModal([](QDialog& dialog) {
            QTest::keyClicks(dialog.findChild<QLineEdit*>(), QStringLiteral("four"));
            dialog.accept();
        });
        action(w.form, "goToLineItem")->trigger();
        QCOMPARE(w.prompter.messages(), QStringList{QStringLiteral("Invalid input!")});
        QCOMPARE(w.form.buffer().caretLine(), 4);
    }

    void wordWrapToggleShowsItsStateInPanelTwo() {
        Window w(m_platform, QStringLiteral("x"));
        QLabel* panel = w.form.statusPanels().panel(2);
        QVERIFY(panel->text().isEmpty());
        QVERIFY(w.form.editor()->wrapMode() != QsciScintilla::WrapNone);
        const qint64 onIcon = action(w.form, "wordWrapButton")->icon().cacheKey();
        action(w.form, "wordWrapButton")->trigger();
        QCOMPARE(panel->text(), QStringLiteral("WW=off"));
        QCOMPARE(w.form.editor()->wrapMode(), QsciScintilla::WrapNone);
        QVERIFY(action(w.form, "wordWrapButton")->icon().cacheKey() != onIcon);
        action(w.form, "wordWrapButton")->trigger();
        QCOMPARE(panel->text(), QStringLiteral("WW=on"));
        QVERIFY(w.form.editor()->wrapMode() != QsciScintilla::WrapNone);
    }

    void clickInTheGutterClearsTheBookmarkOnItsLineElseSetsTheLowestFree() {
        Window w(m_platform, QStringLiteral("a\r\nb\r\nc\r\nd"));
        EditorBuffer& buffer = w.form.buffer();
        buffer.setSelStart(0);
        action(w.form, "setBookmark0Item")->trigger();
        buffer.setSelStart(3);
        action(w.form, "setBookmark1Item")->trigger();
        action(w.form, "setBookmark3Item")->trigger();
        QCOMPARE(buffer.bookmark(3), 1);

        // The first bookmark on the clicked line goes, and only that.
        clickGutter(w.form, 1);
        QCOMPARE(buffer.bookmark(1), -1);
        QCOMPARE(buffer.bookmark(3), 1);
        QVERIFY(!action(w.form, "setBookmark1Item")->isChecked());
        QVERIFY(!action(w.form, "gotoBookmark1Item")->isChecked());
        QVERIFY(action(w.form, "gotoBookmark3Item")->isChecked());
        clickGutter(w.form, 1);
        QCOMPARE(buffer.bookmark(3), -1);

        // Again on the free line: the lowest free number marks the clicked line.
        clickGutter(w.form, 2);
        QCOMPARE(buffer.bookmark(1), 2);
        QVERIFY(action(w.form, "setBookmark1Item")->isChecked());

        // With all ten in use a click on a line without one does nothing.
        for (int n = 2; n < 10; ++n)
            buffer.setBookmark(n, 0);
        clickGutter(w.form, 3);
        for (int n = 0; n < 10; ++n)
            QVERIFY(buffer.bookmark(n) != 3);

        // A load clears them all and a click takes number 0 again.
        buffer.loadText(QStringLiteral("new\r\ntext"));
        QVERIFY(!action(w.form, "setBookmark0Item")->isChecked());
        clickGutter(w.form, 1);
        QCOMPARE(buffer.bookmark(0), 1);
    }

    void gotoBookmarkReturnsToItsColumnAsFarAsTheLineReaches() {
        Window w(m_platform, QStringLiteral("first line\r\nsecond line"));
        EditorBuffer& buffer = w.form.buffer();
        buffer.setSelStart(12 + 7);
        action(w.form, "setBookmark5Item")->trigger();
        QVERIFY(action(w.form, "setBookmark5Item")->isChecked());
        buffer.setSelStart(0);
        action(w.form, "gotoBookmark5Item")->trigger();
        QCOMPARE(buffer.caretLine(), 2);
        QCOMPARE(buffer.caretColumn(), 8);

        // A line above comes in: the bookmark moves with its line.
        buffer.setSelStart(0);
        buffer.setSelText(QStringLiteral("new\r\n"));
        buffer.select(17 + 3, 17 + 11);
        buffer.setSelText(QString());
        buffer.setSelStart(0);
        action(w.form, "gotoBookmark5Item")->trigger();
        QCOMPARE(buffer.caretLine(), 3);
        QCOMPARE(buffer.caretColumn(), 4);

        action(w.form, "clearBookmarksItem")->trigger();
        QCOMPARE(buffer.bookmark(5), -1);
        QVERIFY(!action(w.form, "gotoBookmark5Item")->isChecked());
        // An empty document takes no bookmark.
        buffer.loadText(QString());
        action(w.form, "setBookmark2Item")->trigger();
        QCOMPARE(buffer.bookmark(2), -1);
    }
};

QTEST_MAIN(SearchDialogsTest)
#include "search_dialogs_test.moc"
