hx_add_core_test(cli_document_commands_tests
    ${CMAKE_CURRENT_LIST_DIR}/cli_document_commands_test.cpp)
