#pragma once

#include <QObject>

class DocTypeDialog;
class FeatureContext;

// The Doctype command's menu item, the document-type dialog, and the document-type hooks of
// New and Save.
class DocTypeActions : public QObject {
    Q_OBJECT
public:
    explicit DocTypeActions(FeatureContext& context);

    void insertDocType();

private:
    // Shows the dialog in the window's language; the chosen code, 0 when cancelled.
    int showDialog();

    FeatureContext& m_context;
    DocTypeDialog* m_dialog;
};
