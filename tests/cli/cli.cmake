hx_add_core_test(cli_tests ${CMAKE_CURRENT_LIST_DIR}/cli_runner_test.cpp)
# The real executable, end to end: a document through standard input and out again.
add_test(NAME cli_executable_roundtrip
         COMMAND sh -c "printf 'a\\r\\nb' | $<TARGET_FILE:hexlume-cli> save-as | od -c | grep -q 'a  \\\\r  \\\\n   b'")
set_tests_properties(cli_executable_roundtrip PROPERTIES LABELS core)
hx_add_core_test(cli_corpus_tests ${CMAKE_CURRENT_LIST_DIR}/cli_corpus_commands_test.cpp)
