#include "markup/entities_controller.h"

#include "app/main_window.h"

EntitiesController::EntitiesController(TMainForm& window) : QObject(&window), m_window(window) {}
