#pragma once

#include <QObject>

class QAction;
class TFormFiles;
class TMainForm;

// Owns the multi-file search and replace window and the menu item that opens it.
class FilesController : public QObject {
    Q_OBJECT
public:
    explicit FilesController(TMainForm& window);

    TFormFiles& dialog() const { return *m_dialog; }
    void MultiReplace1Click();

private:
    TMainForm& m_window;
    QAction* m_item;
    TFormFiles* m_dialog;
};
