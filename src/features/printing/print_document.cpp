#include "features/printing/print_document.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

namespace {

// The margins of the set-up, but never inside the border the printer cannot print on, where the
// text would be cut off.
void applyMargins(QPrinter& printer) {
    printer.setFullPage(false);
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF minimum = layout.minimumMargins();
    const QMarginsF wanted = print_setup::MarginsMm;
    layout.setMargins(
        QMarginsF(qMax(wanted.left(), minimum.left()), qMax(wanted.top(), minimum.top()),
                  qMax(wanted.right(), minimum.right()), qMax(wanted.bottom(), minimum.bottom())));
    printer.setPageLayout(layout);
}

} // namespace

bool printPlainText(const QString& text, QPrinter& printer) {
    applyMargins(printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);

    QTextDocument document;
    // Laid out in the printer's own pixels, so the 8 points are 8 points on paper.
    document.documentLayout()->setPaintDevice(&printer);
    QFont font(QLatin1String(print_setup::FontFamily));
    font.setPointSize(print_setup::FontPoints);
    document.setDefaultFont(font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(printer.resolution() / 2.0);
    document.setDefaultTextOption(option);
    document.setDocumentMargin(0);
    document.setPlainText(text);
    document.setPageSize(page.size());

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QAbstractTextDocumentLayout::PaintContext context;
    // The colour comes with the palette: formatting a large text character by character costs.
    context.palette.setColor(QPalette::Text, print_setup::Colour);
    // The print dialog may have limited the pages (counted from 1; 0 means all).
    const int pages = document.pageCount();
    const int first = printer.fromPage() > 0 ? qMin(printer.fromPage(), pages) - 1 : 0;
    const int last = printer.toPage() > 0 ? qMin(printer.toPage(), pages) - 1 : pages - 1;
    for (int i = first; i <= last; ++i) {
        if (i > first)
            printer.newPage();
        painter.save();
        painter.translate(0, -i * page.height());
        context.clip = QRectF(0, i * page.height(), page.width(), page.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}
