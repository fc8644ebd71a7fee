# Unit tests of the logic against in-memory fakes, and the benchmarks.
find_package(GTest REQUIRED)

file(GLOB KELVO_FAKE_SOURCES CONFIGURE_DEPENDS tests/fakes/*.cpp)
add_library(kelvo_fakes STATIC ${KELVO_FAKE_SOURCES})
target_include_directories(kelvo_fakes PUBLIC tests)
target_link_libraries(kelvo_fakes PUBLIC kelvo_logic)

file(GLOB KELVO_UNIT_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(unit_tests ${KELVO_UNIT_SOURCES})
target_link_libraries(unit_tests PRIVATE kelvo_fakes kelvo_warnings GTest::gtest GTest::gtest_main GTest::gmock)
include(GoogleTest)
gtest_discover_tests(unit_tests)

find_package(benchmark QUIET)
# Benchmarks of the logic; the other files of bench/ are Windows programs.
file(GLOB KELVO_BENCH_SOURCES CONFIGURE_DEPENDS bench/logic_*.cpp)
if(benchmark_FOUND AND KELVO_BENCH_SOURCES)
  add_executable(logic_bench ${KELVO_BENCH_SOURCES})
  target_link_libraries(logic_bench PRIVATE kelvo_fakes benchmark::benchmark benchmark::benchmark_main)
endif()

# The fuzz target, built with the ordinary compiler and replayed over its
# corpus, so that it keeps building and every input that once failed stays
# tested.
add_executable(stored_lists_replay fuzz/StoredListsFuzz.cpp fuzz/ReplayCorpus.cpp)
target_link_libraries(stored_lists_replay PRIVATE kelvo_fakes kelvo_warnings)
add_test(NAME fuzz_corpus_replay COMMAND stored_lists_replay ${PROJECT_SOURCE_DIR}/fuzz/corpus)
