#pragma once

#include <QObject>

class TMainForm;

// The Doctype command, its dialog, and the document-type hooks of New and Save.
class DocTypeController : public QObject {
    Q_OBJECT
public:
    explicit DocTypeController(TMainForm& window);

private:
    TMainForm& m_window;
};
