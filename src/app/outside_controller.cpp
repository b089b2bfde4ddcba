#include "app/outside_controller.h"

#include "app/main_window.h"

OutsideController::OutsideController(TMainForm& window) : QObject(&window), m_window(window) {}
