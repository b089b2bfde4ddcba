list(APPEND HX_BENCH_SOURCES bench_search.cpp)
