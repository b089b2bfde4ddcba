list(APPEND HX_BENCH_SOURCES bench_entities.cpp)
