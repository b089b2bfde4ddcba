#include "features/scratch_window/scratch_actions.h"
#include "features/scratch_window/scratch_window.h"
#include "foundation/messages/scripted_prompter.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class ScratchWindowTest : public WindowTest {
    Q_OBJECT

private:
    static void press(ScratchWindow& w, const char* name) {
        QToolButton* button = w.findChild<QToolButton*>(QLatin1String(name));
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // A window whose choosers answer with the given paths and whose errors are recorded.
    struct Scratch {
        ScratchWindow window;
        QString openPath;
        QString savePath;
        QString proposed;
        QStringList errors;
        Scratch() {
            window.chooseOpenFile = [this](const QString&) { return openPath; };
            window.chooseSaveFile = [this](const QString& p) {
                proposed = p;
                return savePath;
            };
            window.showError = [this](const QString& text) { errors << text; };
        }
    };

    QTemporaryDir m_files;

private slots:
    void initTestCase() { QVERIFY(m_home.isValid() && m_files.isValid()); }

    void opensWithTheClipboardTextWithoutWordWrap() {
        QApplication::clipboard()->setText(QStringLiteral("one\r\ntwo"));
        Scratch s;
        s.window.setLanguage(UiLanguage::German);
        s.window.showModeless();
        QCOMPARE(s.window.textEdit()->toPlainText(), QStringLiteral("one\ntwo"));
        QVERIFY(!s.window.wordWrap());
        QCOMPARE(s.window.textEdit()->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(s.window.textEdit()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(s.window.findChild<QToolButton*>(QStringLiteral("openButton"))->toolTip(),
                 QStringLiteral("Datei öffnen"));

        press(s.window, "wordWrapButton");
        QCOMPARE(s.window.textEdit()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(s.window.textEdit()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        // Closing and showing again: the old text, file and word wrap are gone.
        const QString path = m_files.filePath(QStringLiteral("old.txt"));
        write(path, "old");
        QVERIFY(s.window.loadFromFile(path));
        press(s.window, "closeButton");
        QVERIFY(!s.window.isVisible());
        QApplication::clipboard()->clear();
        s.window.setLanguage(UiLanguage::English);
        s.window.showModeless();
        QVERIFY(s.window.textEdit()->toPlainText().isEmpty());
        QVERIFY(s.window.currentFile().isEmpty());
        QVERIFY(!s.window.wordWrap());
        QCOMPARE(s.window.findChild<QToolButton*>(QStringLiteral("closeButton"))->toolTip(),
                 QStringLiteral("Close"));
    }

    void selectAllAndDeleteEmptiesAndCopyAllFillsTheClipboard() {
        QApplication::clipboard()->setText(QStringLiteral("a\nb"));
        Scratch s;
        s.window.showModeless();
        press(s.window, "copyAllButton");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a\nb"));
        QTest::keyClick(s.window.textEdit(), Qt::Key_A, Qt::ControlModifier);
        press(s.window, "deleteButton");
        QVERIFY(s.window.textEdit()->toPlainText().isEmpty());
    }

    void utf16FileComesBackByteForByte() {
        QApplication::clipboard()->clear();
        Scratch s;
        s.window.showModeless();
        const QByteArray bytes("\xFF\xFE\xC4\x00\r\x00\n\x00\xAC\x20\r\x00\n\x00", 14);
        s.openPath = m_files.filePath(QStringLiteral("wide.txt"));
        write(s.openPath, bytes);
        press(s.window, "openButton");
        QCOMPARE(s.window.textEdit()->toPlainText(), QStringLiteral("Ä\n€"));
        QCOMPARE(s.window.currentFile(), s.openPath);

        s.savePath = m_files.filePath(QStringLiteral("copy.txt"));
        press(s.window, "saveButton");
        QCOMPARE(s.proposed, s.openPath);
        QCOMPARE(read(s.savePath), bytes);
        QCOMPARE(s.window.currentFile(), s.savePath);
        QVERIFY(s.errors.isEmpty());
    }

    void unloadedTextIsWrittenAnsiUnlessTheCodePageLacksACharacter() {
        const struct {
            QString text;
            QByteArray bytes;
        } cases[] = {
            {QString(), QByteArray()},
            {QStringLiteral("Ä\n€\n"), QByteArray("\xC4\r\n\x80\r\n")},
            {QStringLiteral("Ä\u0416"), QByteArray("\xC3\x84\xD0\x96\r\n")},
        };
        for (const auto& c : cases)
            QCOMPARE(scratchFileBytes(c.text, TextEncoding::Ansi, false), c.bytes);
        QCOMPARE(scratchFileBytes(QStringLiteral("a"), TextEncoding::Utf8, true),
                 QByteArray("\xEF\xBB\xBF"
                            "a\r\n"));
    }

    void failuresAreReportedAndTheTextStays() {
        QApplication::clipboard()->setText(QStringLiteral("keep me"));
        Scratch s;
        s.window.showModeless();
        QVERIFY(!s.window.loadFromFile(m_files.filePath(QStringLiteral("missing.txt"))));
        QVERIFY(!s.window.saveToFile(m_files.filePath(QStringLiteral("no/such/folder.txt"))));
        QCOMPARE(s.errors.size(), 2);
        QVERIFY(s.errors[0].startsWith(QStringLiteral("The file ") +
                                       m_files.filePath(QStringLiteral("missing.txt"))));
        QVERIFY(s.errors[1].contains(QStringLiteral("could not be saved")));
        QCOMPARE(s.window.textEdit()->toPlainText(), QStringLiteral("keep me"));
        QVERIFY(s.window.currentFile().isEmpty());

        // A failed save leaves an existing file as it was.
        const QString path = m_files.filePath(QStringLiteral("odd.txt"));
        write(path, QByteArray("\xFF\xFE\x41", 3));
        QVERIFY(!s.window.loadFromFile(path));
        QCOMPARE(s.window.textEdit()->toPlainText(), QStringLiteral("keep me"));
    }

    void modalShowingReturnsWhenClosed() {
        QApplication::clipboard()->setText(QStringLiteral("rule"));
        Scratch s;
        bool wasModal = false;
        QTimer::singleShot(0, &s.window, [&] {
            wasModal = QApplication::activeModalWidget() == &s.window;
            QCOMPARE(s.window.textEdit()->toPlainText(), QStringLiteral("rule"));
            press(s.window, "closeButton");
        });
        s.window.exec();
        QVERIFY(wasModal);
        QVERIFY(!s.window.isVisible());
        QCOMPARE(s.window.windowModality(), Qt::NonModal);
    }

    void extrasItemShowsItInTheWindowLanguageWithThePromptersChoosers() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.findChild<QAction*>(QStringLiteral("germanItem"))->trigger();
        QAction* item = window.findChild<QAction*>(QStringLiteral("scratchWindowItem"));
        QCOMPARE(item->text(), QStringLiteral("Einfachen Texteditor starten"));
        QApplication::clipboard()->setText(QStringLiteral("x"));
        item->trigger();
        ScratchWindow& scratch = window.findChild<ScratchActions*>()->scratchWindow();
        QVERIFY(scratch.isVisible());
        QCOMPARE(scratch.language(), UiLanguage::German);
        // The main window's hints for its own buttons of the same names stay its own.
        QCOMPARE(scratch.findChild<QToolButton*>(QStringLiteral("newButton"))->toolTip(),
                 QStringLiteral("Neu"));

        const QString path = m_files.filePath(QStringLiteral("ansi.txt"));
        write(path, "caf\xE9");
        prompter.addFile(path);
        press(scratch, "openButton");
        QCOMPARE(scratch.textEdit()->toPlainText(), QStringLiteral("café"));
        scratch.textEdit()->moveCursor(QTextCursor::End);
        QTest::keyClicks(scratch.textEdit(), QStringLiteral("s"));
        // Save asks before it replaces a file; only OK does.
        prompter.addFile(path);
        press(scratch, "saveButton");
        QCOMPARE(prompter.messages().last(), QStringLiteral("OK zum Überschreiben von  ansi.txt"));
        QCOMPARE(read(path), QByteArray("caf\xE9"));
        prompter.addFile(path);
        prompter.addAnswer(QStringLiteral("ok"));
        press(scratch, "saveButton");
        QCOMPARE(read(path), QByteArray("caf\xE9s\r\n"));
        QVERIFY(!scratch.isTextChanged());

        // Changed text, even in the hidden window, asks when the main window closes: Cancel
        // keeps both open, Yes saves, No drops it.
        QTest::keyClicks(scratch.textEdit(), QStringLiteral("!"));
        scratch.close();
        const QString question = QStringLiteral(
            "Der Text im einfachen Texteditor wurde geändert. Änderungen speichern?");
        prompter.clearMessages();
        prompter.addAnswer(QStringLiteral("cancel"));
        QVERIFY(!window.close());
        QCOMPARE(prompter.messages(), QStringList{question});
        const QString saved = m_files.filePath(QStringLiteral("scratch.txt"));
        prompter.addAnswer(QStringLiteral("yes"));
        prompter.addFile(saved);
        QVERIFY(window.close());
        QCOMPARE(read(saved), QByteArray("caf\xE9s!\r\n"));
        scratch.textEdit()->insertPlainText(QStringLiteral("?"));
        prompter.addAnswer(QStringLiteral("no"));
        QVERIFY(window.close());
        QCOMPARE(read(saved), QByteArray("caf\xE9s!\r\n"));
    }
};

QTEST_MAIN(ScratchWindowTest)
#include "scratch_window_test.moc"
