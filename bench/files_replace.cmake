list(APPEND HX_BENCH_SOURCES bench_files_replace.cpp)
