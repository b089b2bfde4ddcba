#include "tables/new_table_controller.h"

#include "app/main_window.h"

NewTableController::NewTableController(TMainForm& window) : QObject(&window), m_window(window) {}
