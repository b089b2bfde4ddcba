#include "transform/transform_controller.h"

#include "app/main_window.h"

TransformController::TransformController(TMainForm& window) : QObject(&window), m_window(window) {}
