#include "app/print_controller.h"

#include "app/main_actions.h"
#include "app/main_window.h"
#include "app/print_document.h"
#include "app/prompter.h"
#include "editor/editor_buffer.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolBar>

namespace {

constexpr int PrintHintLine = 59;
constexpr int CannotSaveLine = 24;

QIcon printIcon() {
    return QIcon::fromTheme(QStringLiteral("document-print"),
                            QIcon(QStringLiteral(":/icons/hx-print.svg")));
}

} // namespace

PrintController::PrintController(TMainForm& window) : QObject(&window), m_window(window) {
    MainActions& a = window.actions();
    // German captions are the built-in ones; the language switch rewrites them.
    auto* item = new QAction(printIcon(), QStringLiteral("Drucken"), a.fileMenu);
    item->setObjectName(QStringLiteral("FilePrintItem"));
    item->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    const QList<QAction*> file = a.fileMenu->actions();
    // Last of the file commands, before the separator that sets Exit apart.
    a.fileMenu->insertAction(file.value(file.indexOf(a.fileExit) - 1), item);
    connect(item, &QAction::triggered, this, [this] { FilePrint(); });

    m_button = new QAction(printIcon(), QString(), a.toolBar1);
    m_button->setObjectName(QStringLiteral("PrintButton"));
    const QList<QAction*> standard = a.toolBar1->actions();
    a.toolBar1->insertAction(standard.value(standard.indexOf(a.saveButton) + 1), m_button);
    connect(m_button, &QAction::triggered, this, [this] { FilePrint(); });

    auto hint = [this] {
        const QString text = m_window.messages().message(PrintHintLine);
        m_button->setText(text);
        m_button->setToolTip(text);
        m_button->setStatusTip(text);
    };
    hint();
    connect(&m_window, &TMainForm::languageApplied, this, hint);
}

void PrintController::FilePrint() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printDocument(printer);
}

void PrintController::printDocument(QPrinter& printer) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = printPlainText(m_window.buffer().text(), printer);
    QApplication::restoreOverrideCursor();
    if (!printed) {
        const QString target =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        m_window.prompter().error(m_window.messages().message(CannotSaveLine) + QLatin1Char(' ') +
                                  target);
    }
}
