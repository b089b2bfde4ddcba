#include "markup/doctype_controller.h"

#include "app/main_window.h"

DocTypeController::DocTypeController(TMainForm& window) : QObject(&window), m_window(window) {}
