#include "transform/files_controller.h"

#include "app/main_window.h"

FilesController::FilesController(TMainForm& window) : QObject(&window), m_window(window) {}
