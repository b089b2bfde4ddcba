hx_add_core_test(entities_tests ${CMAKE_CURRENT_LIST_DIR}/entities_test.cpp)
hx_add_qt_test(entities_dialog_test ${CMAKE_CURRENT_LIST_DIR}/entities_dialog_test.cpp)
