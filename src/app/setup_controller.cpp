#include "app/setup_controller.h"

#include "app/main_window.h"

SetupController::SetupController(TMainForm& window) : QObject(&window), m_window(window) {}
