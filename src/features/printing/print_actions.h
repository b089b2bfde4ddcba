#pragma once

#include <QObject>

class QAction;
class QPrinter;
class FeatureContext;

// Printing the document: the File menu item and the toolbar button, the print dialog.
class PrintActions : public QObject {
    Q_OBJECT
public:
    explicit PrintActions(FeatureContext& context);

    // Shows the print dialog and prints unless it is cancelled.
    void print();
    // Prints the document on a printer already chosen; a printer that cannot be started (a PDF
    // file that cannot be written) gives an error box.
    void printDocument(QPrinter& printer);

private:
    FeatureContext& m_context;
    QAction* m_button;
};
