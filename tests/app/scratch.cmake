hx_add_qt_test(scratch_window_test ${CMAKE_CURRENT_LIST_DIR}/scratch_window_test.cpp)
