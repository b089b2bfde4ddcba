hx_add_fuzzer(fuzz_style_lookup
    SOURCES fuzz_style_lookup.cpp
            ${PROJECT_SOURCE_DIR}/src/markup/css_markup.cpp
            ${PROJECT_SOURCE_DIR}/src/markup/div_markup.cpp
            ${PROJECT_SOURCE_DIR}/src/tables/text_search.cpp
            ${PROJECT_SOURCE_DIR}/src/app/case_rules.cpp
            ${PROJECT_SOURCE_DIR}/src/editor/memory_buffer.cpp
            ${PROJECT_SOURCE_DIR}/src/editor/line_breaks.cpp
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus_style_lookup)
