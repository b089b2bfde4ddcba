#include "transform/remove_format_controller.h"

#include "app/main_window.h"

RemoveFormatController::RemoveFormatController(TMainForm& window)
    : QObject(&window), m_window(window) {}
