hx_add_core_test(forms_tests ${CMAKE_CURRENT_LIST_DIR}/forms_test.cpp)
hx_add_qt_test(forms_dialog_test ${CMAKE_CURRENT_LIST_DIR}/forms_dialog_test.cpp)
