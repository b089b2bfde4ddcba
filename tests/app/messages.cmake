hx_add_core_test(messages_tests
    ${CMAKE_CURRENT_LIST_DIR}/messages_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/captions_test.cpp
)
