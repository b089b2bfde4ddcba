#pragma once

#include <QObject>

class QAction;
class TFormFiles;
class FeatureContext;

// Owns the multi-file search and replace window and the menu item that opens it.
class FilesController : public QObject {
    Q_OBJECT
public:
    explicit FilesController(FeatureContext& context);

    TFormFiles& dialog() const { return *m_dialog; }
    void MultiReplace1Click();

private:
    FeatureContext& m_context;
    QAction* m_item;
    TFormFiles* m_dialog;
};
