#pragma once

#include <QObject>

class QAction;
class FilesReplaceDialog;
class FeatureContext;

// Owns the multi-file search and replace window and the menu item that opens it.
class FilesReplaceActions : public QObject {
    Q_OBJECT
public:
    explicit FilesReplaceActions(FeatureContext& context);

    FilesReplaceDialog& dialog() const { return *m_dialog; }
    void showFilesReplaceDialog();

private:
    FeatureContext& m_context;
    QAction* m_item;
    FilesReplaceDialog* m_dialog;
};
