#include "dialogs/image_controller.h"

#include "app/main_window.h"

ImageController::ImageController(TMainForm& window) : QObject(&window), m_window(window) {}
