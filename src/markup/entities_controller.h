#pragma once

#include <QObject>

class TMainForm;

// Umlauts, character references, special characters and the JavaScript string command.
class EntitiesController : public QObject {
    Q_OBJECT
public:
    explicit EntitiesController(TMainForm& window);

private:
    TMainForm& m_window;
};
