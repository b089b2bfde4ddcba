#include "features/printing/print_actions.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>

class PrintTest : public WindowTest {
    Q_OBJECT

private:
    // Prints the text through the window's print command onto an A4 PDF file; returns its bytes.
    QByteArray printed(const QString& text, QPageLayout* layout = nullptr, int fromPage = 0,
                       int toPage = 0) {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.buffer().loadText(text);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QString path = m_home.filePath(QStringLiteral("out.pdf"));
        QFile::remove(path);
        printer.setOutputFileName(path);
        printer.setFromTo(fromPage, toPage);
        window.findChild<PrintActions*>()->printDocument(printer);
        if (layout)
            *layout = printer.pageLayout();
        [&] { QCOMPARE(prompter.messages(), QStringList()); }();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static int pageCount(const QByteArray& pdf) {
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
        int count = 0;
        for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
            ++count;
        return count;
    }

    // The page descriptions, inflated.
    static QByteArray contents(const QByteArray& pdf) {
        static const QRegularExpression stream(QStringLiteral("stream\r?\n"));
        QByteArray all;
        const QString text = QString::fromLatin1(pdf);
        for (auto it = stream.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const qsizetype end = pdf.indexOf("endstream", m.capturedEnd());
            // qUncompress wants a size hint first; it grows the buffer when the hint is short.
            QByteArray packed("\x00\x01\x00\x00", 4);
            packed += pdf.mid(m.capturedEnd(), end - m.capturedEnd());
            all += qUncompress(packed);
        }
        return all;
    }

    static QString lines(int count) {
        QStringList list;
        for (int i = 1; i <= count; ++i)
            list << QStringLiteral("line %1").arg(i);
        return list.join(QStringLiteral("\r\n"));
    }

private slots:
    void shortTextFillsOnePageWithinTheMargins() {
        QPageLayout layout;
        const QByteArray pdf = printed(QStringLiteral("<p>Hello</p>"), &layout);
        QCOMPARE(pageCount(pdf), 1);
        QCOMPARE(layout.margins(QPageLayout::Millimeter), QMarginsF(10, 5, 5, 5));
        // Arial is printed in its metric twin where the system has no Arial.
        QVERIFY(pdf.contains("LiberationSans") || pdf.contains("Arial"));
        // Navy: 128 of 255 blue.
        QVERIFY(contents(pdf).contains("0 0 0.50196"));
        QCOMPARE(pageCount(printed(QString())), 1);
    }

    void manyLinesFlowOntoFurtherPages() {
        // 8 points give about 90 lines on an A4 page with these margins.
        QCOMPARE(pageCount(printed(lines(60))), 1);
        QCOMPARE(pageCount(printed(lines(200))), 3);
        // A range chosen in the print dialog.
        QCOMPARE(pageCount(printed(lines(200), nullptr, 2, 3)), 2);
        QCOMPARE(pageCount(printed(lines(200), nullptr, 3, 9)), 1);
    }

    void aLineLongerThanThePageWrapsInsteadOfBeingCut() {
        QVERIFY(pageCount(printed(QString(30000, QLatin1Char('x')))) >= 2);
    }

    void aPdfFileThatCannotBeWrittenIsReported() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.buffer().loadText(QStringLiteral("text"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = m_home.filePath(QStringLiteral("missing/folder/out.pdf"));
        printer.setOutputFileName(path);
        window.findChild<PrintActions*>()->printDocument(printer);
        QCOMPARE(prompter.messages(), QStringList{QStringLiteral("Cannot save file: ") + path});
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
