#pragma once

#include <QObject>

class TMainForm;

// Find, replace, go to line, bookmarks and word wrap.
class SearchController : public QObject {
    Q_OBJECT
public:
    explicit SearchController(TMainForm& window);

private:
    TMainForm& m_window;
};
