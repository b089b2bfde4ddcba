#pragma once

#include <QObject>

class QAction;
class QPrinter;
class TMainForm;

// Printing the document: the File menu item and the toolbar button, the print dialog.
class PrintController : public QObject {
    Q_OBJECT
public:
    explicit PrintController(TMainForm& window);

    // Shows the print dialog and prints unless it is cancelled.
    void FilePrint();
    // Prints the document on a printer already chosen; a printer that cannot be started (a PDF
    // file that cannot be written) gives an error box.
    void printDocument(QPrinter& printer);

private:
    TMainForm& m_window;
    QAction* m_button;
};
