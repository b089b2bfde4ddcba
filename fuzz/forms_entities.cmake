hx_add_fuzzer(fuzz_js_string
    SOURCES fuzz_js_string.cpp ${PROJECT_SOURCE_DIR}/src/markup/js_string.cpp
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus_js_string)
