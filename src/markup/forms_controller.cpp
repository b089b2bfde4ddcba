#include "markup/forms_controller.h"

#include "app/main_window.h"

FormsController::FormsController(TMainForm& window) : QObject(&window), m_window(window) {}
