#pragma once

#include <QObject>

class TFormDocType;
class FeatureContext;

// The Doctype command, its dialog, and the document-type hooks of New and Save.
class DocTypeController : public QObject {
    Q_OBJECT
public:
    explicit DocTypeController(FeatureContext& context);

private:
    // Shows the dialog in the window's language; the chosen code, 0 when cancelled.
    int showDialog();

    FeatureContext& m_context;
    TFormDocType* m_dialog;
};
