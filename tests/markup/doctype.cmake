hx_add_core_test(doctype_tests ${CMAKE_CURRENT_LIST_DIR}/doctype_test.cpp)
hx_add_qt_test(doctype_dialog_test ${CMAKE_CURRENT_LIST_DIR}/doctype_dialog_test.cpp)
