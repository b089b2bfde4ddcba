#include "markup/css_controller.h"

#include "app/main_window.h"

CssController::CssController(TMainForm& window) : QObject(&window), m_window(window) {}
