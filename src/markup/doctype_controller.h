#pragma once

#include <QObject>

class TFormDocType;
class TMainForm;

// The Doctype command, its dialog, and the document-type hooks of New and Save.
class DocTypeController : public QObject {
    Q_OBJECT
public:
    explicit DocTypeController(TMainForm& window);

private:
    // Shows the dialog in the window's language; the chosen code, 0 when cancelled.
    int showDialog();

    TMainForm& m_window;
    TFormDocType* m_dialog;
};
