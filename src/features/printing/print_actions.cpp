#include "features/printing/print_actions.h"

#include "features/printing/print_document.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/prompter.h"
#include "widgets/feature_context.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolBar>

namespace {

constexpr int PrintHintLine = 59;
constexpr int PrintItemLine = 140;
constexpr int CannotSaveLine = 24;

QIcon printIcon() {
    return QIcon::fromTheme(QStringLiteral("document-print"),
                            QIcon(QStringLiteral(":/icons/hx-print.svg")));
}

} // namespace

PrintActions::PrintActions(FeatureContext& context) : QObject(&context), m_context(context) {
    const FeatureMenus& menus = m_context.menus();
    // German captions are the built-in ones; the language switch rewrites them.
    auto* item = new QAction(printIcon(), QStringLiteral("Drucken"), menus.file);
    item->setObjectName(QStringLiteral("printItem"));
    item->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    // Last of the file commands, before the separator that sets Exit apart.
    menus.file->insertAction(menus.fileEnd, item);
    m_context.captionFromMessage(item, PrintItemLine);
    connect(item, &QAction::triggered, this, [this] { print(); });

    m_button = new QAction(printIcon(), QString(), menus.standardBar);
    m_button->setObjectName(QStringLiteral("printButton"));
    const QList<QAction*> standard = menus.standardBar->actions();
    menus.standardBar->insertAction(standard.value(standard.indexOf(menus.saveButton) + 1),
                                    m_button);
    connect(m_button, &QAction::triggered, this, [this] { print(); });
    m_context.hintFromMessage(m_button, PrintHintLine);
}

void PrintActions::print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, m_context.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    printDocument(printer);
}

void PrintActions::printDocument(QPrinter& printer) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = printPlainText(m_context.buffer().text(), printer);
    QApplication::restoreOverrideCursor();
    if (!printed) {
        const QString target =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        m_context.prompter().error(m_context.messages().message(CannotSaveLine) + QLatin1Char(' ') +
                                   target);
    }
}
