#include "dialogs/frames_controller.h"

#include "app/main_window.h"

FramesController::FramesController(TMainForm& window) : QObject(&window), m_window(window) {}
