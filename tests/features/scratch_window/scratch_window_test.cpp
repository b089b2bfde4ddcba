#include "features/scratch_window/scratch_controller.h"
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
    static void press(TFormText& w, const char* name) {
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
        TFormText window;
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
        s.window.AppLanguage = UiLanguage::German;
        s.window.showModeless();
        QCOMPARE(s.window.Memo()->toPlainText(), QStringLiteral("one\ntwo"));
        QVERIFY(!s.window.wordWrap());
        QCOMPARE(s.window.Memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(s.window.Memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(s.window.findChild<QToolButton*>(QStringLiteral("ToolButton2"))->toolTip(),
                 QStringLiteral("Datei öffen"));

        press(s.window, "ToolButton13");
        QCOMPARE(s.window.Memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(s.window.Memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        // Closing and showing again: the old text, file and word wrap are gone.
        const QString path = m_files.filePath(QStringLiteral("old.txt"));
        write(path, "old");
        QVERIFY(s.window.LoadFromFile(path));
        press(s.window, "ToolButton11");
        QVERIFY(!s.window.isVisible());
        QApplication::clipboard()->clear();
        s.window.AppLanguage = UiLanguage::English;
        s.window.showModeless();
        QVERIFY(s.window.Memo()->toPlainText().isEmpty());
        QVERIFY(s.window.CurrentFile().isEmpty());
        QVERIFY(!s.window.wordWrap());
        QCOMPARE(s.window.findChild<QToolButton*>(QStringLiteral("ToolButton11"))->toolTip(),
                 QStringLiteral("Exit"));
    }

    void selectAllAndDeleteEmptiesAndCopyAllFillsTheClipboard() {
        QApplication::clipboard()->setText(QStringLiteral("a\nb"));
        Scratch s;
        s.window.showModeless();
        press(s.window, "ToolButton12");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a\nb"));
        QTest::keyClick(s.window.Memo(), Qt::Key_A, Qt::ControlModifier);
        press(s.window, "ToolButton10");
        QVERIFY(s.window.Memo()->toPlainText().isEmpty());
    }

    void utf16FileComesBackByteForByte() {
        QApplication::clipboard()->clear();
        Scratch s;
        s.window.showModeless();
        const QByteArray bytes("\xFF\xFE\xC4\x00\r\x00\n\x00\xAC\x20\r\x00\n\x00", 14);
        s.openPath = m_files.filePath(QStringLiteral("wide.txt"));
        write(s.openPath, bytes);
        press(s.window, "ToolButton2");
        QCOMPARE(s.window.Memo()->toPlainText(), QStringLiteral("Ä\n€"));
        QCOMPARE(s.window.CurrentFile(), s.openPath);

        s.savePath = m_files.filePath(QStringLiteral("copy.txt"));
        press(s.window, "ToolButton3");
        QCOMPARE(s.proposed, s.openPath);
        QCOMPARE(read(s.savePath), bytes);
        QCOMPARE(s.window.CurrentFile(), s.savePath);
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
        QVERIFY(!s.window.LoadFromFile(m_files.filePath(QStringLiteral("missing.txt"))));
        QVERIFY(!s.window.SaveToFile(m_files.filePath(QStringLiteral("no/such/folder.txt"))));
        QCOMPARE(s.errors.size(), 2);
        QVERIFY(s.errors[0].startsWith(QStringLiteral("The file ") +
                                       m_files.filePath(QStringLiteral("missing.txt"))));
        QVERIFY(s.errors[1].contains(QStringLiteral("could not be saved")));
        QCOMPARE(s.window.Memo()->toPlainText(), QStringLiteral("keep me"));
        QVERIFY(s.window.CurrentFile().isEmpty());

        // A failed save leaves an existing file as it was.
        const QString path = m_files.filePath(QStringLiteral("odd.txt"));
        write(path, QByteArray("\xFF\xFE\x41", 3));
        QVERIFY(!s.window.LoadFromFile(path));
        QCOMPARE(s.window.Memo()->toPlainText(), QStringLiteral("keep me"));
    }

    void modalShowingReturnsWhenClosed() {
        QApplication::clipboard()->setText(QStringLiteral("rule"));
        Scratch s;
        bool wasModal = false;
        QTimer::singleShot(0, &s.window, [&] {
            wasModal = QApplication::activeModalWidget() == &s.window;
            QCOMPARE(s.window.Memo()->toPlainText(), QStringLiteral("rule"));
            press(s.window, "ToolButton11");
        });
        s.window.showModal();
        QVERIFY(wasModal);
        QVERIFY(!s.window.isVisible());
        QCOMPARE(s.window.windowModality(), Qt::NonModal);
    }

    void extrasItemShowsItInTheWindowLanguageWithThePromptersChoosers() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.findChild<QAction*>(QStringLiteral("germanItem"))->trigger();
        QAction* item = window.findChild<QAction*>(QStringLiteral("Startsimpletexteditor1"));
        QCOMPARE(item->text(), QStringLiteral("Einfachen Texteditor starten"));
        QApplication::clipboard()->setText(QStringLiteral("x"));
        item->trigger();
        TFormText& scratch = window.findChild<ScratchController*>()->scratchWindow();
        QVERIFY(scratch.isVisible());
        QCOMPARE(scratch.AppLanguage, UiLanguage::German);
        // The main window's hints for its own buttons of the same names stay its own.
        QCOMPARE(scratch.findChild<QToolButton*>(QStringLiteral("ToolButton1"))->toolTip(),
                 QStringLiteral("Neu"));

        const QString path = m_files.filePath(QStringLiteral("ansi.txt"));
        write(path, "caf\xE9");
        prompter.addFile(path);
        press(scratch, "ToolButton2");
        QCOMPARE(scratch.Memo()->toPlainText(), QStringLiteral("café"));
        prompter.addFile(path);
        press(scratch, "ToolButton3");
        QCOMPARE(read(path), QByteArray("caf\xE9\r\n"));
        scratch.close();
    }
};

QTEST_MAIN(ScratchWindowTest)
#include "scratch_window_test.moc"
