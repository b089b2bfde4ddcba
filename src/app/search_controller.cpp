#include "app/search_controller.h"

#include "app/main_window.h"

SearchController::SearchController(TMainForm& window) : QObject(&window), m_window(window) {}
