list(APPEND HX_BENCH_SOURCES bench_code_check.cpp)
# The corpus generator, run again without the frameset pages for Tidy's full-work figure.
set_source_files_properties(bench_code_check.cpp PROPERTIES
    COMPILE_DEFINITIONS "HX_CORPUS_DIR=\"${PROJECT_SOURCE_DIR}/../shared/corpus\"")
