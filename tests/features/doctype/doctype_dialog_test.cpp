#include "features/doctype/doctype_dialog.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/markup/doctype.h"
#include "foundation/messages/scripted_prompter.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "file_bytes.h"
#include "modal_dialog.h"

class DocTypeDialogTest : public WindowTest {
    Q_OBJECT

private:
    static QRadioButton* radio(DocTypeDialog* dialog, const char* name) {
        return child<QRadioButton>(*dialog, name);
    }

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void okGivesTheCodeAndEveryOpeningStartsOnHtml5() {
        DocTypeDialog dialog;
        dialog.setLanguage(UiLanguage::English);
        QStringList titles;
        whenModalOf<DocTypeDialog>([&](DocTypeDialog* d) {
            titles << d->windowTitle() << child<QGroupBox>(*d, "documentGroup")->title()
                   << child<QGroupBox>(*d, "specificationGroup")->title()
                   << radio(d, "xhtmlButton")->text()
                   << child<QPushButton>(*d, "cancelButton")->text();
            QTest::mouseClick(radio(d, "xhtmlButton"), Qt::LeftButton, {}, QPoint(6, 6));
            QTest::mouseClick(radio(d, "strictButton"), Qt::LeftButton, {}, QPoint(6, 6));
            QTest::mouseClick(child<QPushButton>(*d, "okButton"), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenCode(), 12);
        QCOMPARE(titles, (QStringList{QStringLiteral("DocType"), QStringLiteral("Document"),
                                      QStringLiteral("Specification"), QStringLiteral("XHTML"),
                                      QStringLiteral("Cancel")}));

        // Reopened in German: back on HTML 5, whose Transitional/Strict/Frameset choice is off
        // until another document type is chosen; Cancel gives 0.
        dialog.setLanguage(UiLanguage::German);
        QList<bool> specificationOn;
        bool html5 = false;
        QString note;
        QString cancel;
        whenModalOf<DocTypeDialog>([&](DocTypeDialog* d) {
            html5 = radio(d, "html5Button")->isChecked();
            QGroupBox* specification = child<QGroupBox>(*d, "specificationGroup");
            specificationOn << specification->isEnabled();
            QTest::mouseClick(radio(d, "html4Button"), Qt::LeftButton, {}, QPoint(6, 6));
            specificationOn << specification->isEnabled();
            QTest::mouseClick(radio(d, "html5Button"), Qt::LeftButton, {}, QPoint(6, 6));
            specificationOn << specification->isEnabled();
            note = child<QLabel>(*d, "noteLabel")->text();
            cancel = child<QPushButton>(*d, "cancelButton")->text();
            QTest::mouseClick(child<QPushButton>(*d, "cancelButton"), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(dialog.chosenCode(), 0);
        QVERIFY(html5);
        QCOMPARE(specificationOn, (QList<bool>{false, true, false}));
        QCOMPARE(cancel, QStringLiteral("Abbrechen"));
        QCOMPARE(note, QStringLiteral("Wenn Sie sich nicht mit den DocType Spezifikationen "
                                      "auskennen, verwenden Sie die Voreinstellungen."));

        // Enter takes HTML 5, whatever specification was left chosen; Esc cancels.
        whenModalOf<DocTypeDialog>([](DocTypeDialog* d) { QTest::keyClick(d, Qt::Key_Return); });
        dialog.exec();
        QCOMPARE(dialog.chosenCode(), 21);
        whenModalOf<DocTypeDialog>([](DocTypeDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        dialog.exec();
        QCOMPARE(dialog.chosenCode(), 0);
    }

    void doctypeCommandThroughTheWindowShowsTheDialogAndTheBox() {
        MainWindow window(m_platform);
        window.show();
        window.buffer().loadText(QStringLiteral("<HTML>\r\n<body></body>\r\n</HTML>"));
        QString box;
        whenModalOf<DocTypeDialog>([&](DocTypeDialog* d) {
            QTest::mouseClick(radio(d, "xhtmlButton"), Qt::LeftButton, {}, QPoint(6, 6));
            QTest::mouseClick(radio(d, "strictButton"), Qt::LeftButton, {}, QPoint(6, 6));
            // The information box follows once the dialog has closed.
            whenModalOf<QMessageBox>([&](QMessageBox* m) {
                box = m->text();
                m->accept();
            });
            QTest::mouseClick(child<QPushButton>(*d, "okButton"), Qt::LeftButton);
        });
        action(window, "docTypeItem")->trigger();
        QCOMPARE(box, QStringLiteral("Run code check (HTML menu) please."));
        QCOMPARE(window.buffer().text(), docTypeDeclaration(12) + QStringLiteral("\r\n") +
                                             xhtmlRootElement() +
                                             QStringLiteral("\r\n<body></body>\r\n</HTML>"));
    }

    void newAsksForTheTypeAndSaveStampsTheGenerator() {
        ScriptedPrompter prompter({QStringLiteral("yes"), QStringLiteral("xhtml-transitional")});
        MainWindow window(m_platform, &prompter);
        window.show();
        action(window, "newItem")->trigger();
        QVERIFY(window.buffer().text().startsWith(docTypeDeclaration(11) + QStringLiteral("\r\n") +
                                                  xhtmlRootElement() + QStringLiteral("\r\n")));

        const QString path = QDir(m_home.path()).filePath(QStringLiteral("new.html"));
        prompter.addFile(path);
        action(window, "saveAsItem")->trigger();
        window.buffer().setSelStart(0);
        window.buffer().setSelText(QStringLiteral(" "));
        action(window, "saveItem")->trigger();
        // The page's own generator element is the one Save keeps: no second one.
        const QByteArray saved = readFileBytes(path);
        QCOMPARE(saved.count("generator"), 1);
        QVERIFY(saved.contains("<meta name=\"generator\" content=\"Hexlume\">\r\n"));
        QVERIFY(!window.buffer().isModified());
    }
};

QTEST_MAIN(DocTypeDialogTest)
#include "doctype_dialog_test.moc"
