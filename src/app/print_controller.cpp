#include "app/print_controller.h"

#include "app/main_window.h"

PrintController::PrintController(TMainForm& window) : QObject(&window), m_window(window) {}
