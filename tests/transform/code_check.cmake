hx_add_core_test(code_check_tests
    ${CMAKE_CURRENT_LIST_DIR}/code_check_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/code_check_random_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/code_check_corpus_test.cpp)
hx_add_qt_test(code_check_ui_test ${CMAKE_CURRENT_LIST_DIR}/code_check_ui_test.cpp)
