#include "app/scratch_controller.h"

#include "app/main_window.h"

ScratchController::ScratchController(TMainForm& window) : QObject(&window), m_window(window) {}
