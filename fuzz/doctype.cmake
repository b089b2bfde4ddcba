hx_add_fuzzer(fuzz_remove_format
    SOURCES fuzz_remove_format.cpp
            ${PROJECT_SOURCE_DIR}/src/transform/remove_format.cpp
            ${PROJECT_SOURCE_DIR}/src/markup/doctype.cpp
            ${PROJECT_SOURCE_DIR}/src/app/case_rules.cpp
            ${PROJECT_SOURCE_DIR}/src/editor/memory_buffer.cpp
            ${PROJECT_SOURCE_DIR}/src/editor/line_breaks.cpp
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus_remove_format)
