#include "dialogs/object_controller.h"

#include "app/main_window.h"

ObjectController::ObjectController(TMainForm& window) : QObject(&window), m_window(window) {}
