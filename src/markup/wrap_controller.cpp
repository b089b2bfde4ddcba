#include "markup/wrap_controller.h"

#include "app/main_window.h"

WrapController::WrapController(TMainForm& window) : QObject(&window), m_window(window) {}
