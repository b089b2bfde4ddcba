hx_add_qt_test(print_test ${CMAKE_CURRENT_LIST_DIR}/print_test.cpp)
