hx_add_core_test(setup_fields_tests ${CMAKE_CURRENT_LIST_DIR}/setup_fields_test.cpp)
hx_add_qt_test(setup_dialog_test ${CMAKE_CURRENT_LIST_DIR}/setup_dialog_test.cpp)
