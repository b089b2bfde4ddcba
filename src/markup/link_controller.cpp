#include "markup/link_controller.h"

#include "app/main_window.h"

LinkController::LinkController(TMainForm& window) : QObject(&window), m_window(window) {}
