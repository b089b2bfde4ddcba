#include "tables/table_controller.h"

#include "app/main_window.h"

TableController::TableController(TMainForm& window) : QObject(&window), m_window(window) {}
