hx_add_core_test(text_rules_tests ${CMAKE_CURRENT_LIST_DIR}/case_rules_test.cpp)
