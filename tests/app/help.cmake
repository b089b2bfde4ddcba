hx_add_qt_test(help_window_test ${CMAKE_CURRENT_LIST_DIR}/help_window_test.cpp)
