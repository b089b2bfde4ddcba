hx_add_fuzzer(fuzz_list_command
    SOURCES fuzz_list_command.cpp
            ${PROJECT_SOURCE_DIR}/src/markup/wrapping.cpp
            ${PROJECT_SOURCE_DIR}/src/app/case_rules.cpp
            ${PROJECT_SOURCE_DIR}/src/markup/blank_selection.cpp
            ${PROJECT_SOURCE_DIR}/src/editor/memory_buffer.cpp
            ${PROJECT_SOURCE_DIR}/src/editor/line_breaks.cpp
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus_list_command)
