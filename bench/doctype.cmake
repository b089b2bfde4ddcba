list(APPEND HX_BENCH_SOURCES bench_remove_format.cpp)
