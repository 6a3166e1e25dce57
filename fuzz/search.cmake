# Scarrow: the history file reader and the matcher (against the plain reference).
suite_add_fuzzer(scarrow_history_fuzzer ${CMAKE_CURRENT_LIST_DIR}/search/HistoryFuzzer.cpp
                 scarrow_core)
suite_add_fuzzer(scarrow_matcher_fuzzer ${CMAKE_CURRENT_LIST_DIR}/search/MatcherFuzzer.cpp
                 scarrow_core)
target_include_directories(scarrow_matcher_fuzzer PRIVATE ${PROJECT_SOURCE_DIR}/search/tests)
