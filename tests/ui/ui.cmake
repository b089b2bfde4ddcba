hx_add_qt_test(main_window_test ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp)
