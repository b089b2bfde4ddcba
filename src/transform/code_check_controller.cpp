#include "transform/code_check_controller.h"

#include "app/main_window.h"

CodeCheckController::CodeCheckController(TMainForm& window) : QObject(&window), m_window(window) {}
