set(HX_TABLES_FUZZ_CORE
    ${PROJECT_SOURCE_DIR}/src/tables/text_search.cpp
    ${PROJECT_SOURCE_DIR}/src/app/case_rules.cpp
    ${PROJECT_SOURCE_DIR}/src/tables/element_locator.cpp
    ${PROJECT_SOURCE_DIR}/src/app/messages.cpp)

hx_add_fuzzer(fuzz_element_locator
    SOURCES fuzz_element_locator.cpp ${HX_TABLES_FUZZ_CORE}
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus_element_locator)
# Shares the literal rendering of the locator's steps with the tests.
target_include_directories(fuzz_element_locator PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)

hx_add_fuzzer(fuzz_cell_merge
    SOURCES fuzz_cell_merge.cpp ${HX_TABLES_FUZZ_CORE}
            ${PROJECT_SOURCE_DIR}/src/tables/cell_merge.cpp
            ${PROJECT_SOURCE_DIR}/src/tables/table_edit.cpp
            ${PROJECT_SOURCE_DIR}/src/markup/blank_selection.cpp
            ${PROJECT_SOURCE_DIR}/src/transform/whitespace.cpp
            ${PROJECT_SOURCE_DIR}/src/app/scripted_prompter.cpp
            ${PROJECT_SOURCE_DIR}/src/editor/memory_buffer.cpp
            ${PROJECT_SOURCE_DIR}/src/editor/line_breaks.cpp
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus_cell_merge)
