# Scarrow: `scarrow search` against GNU grep and ripgrep over a generated corpus of
# G-code programs. Run bench/search/run.sh (builds nothing itself).

add_executable(scarrow-gen-corpus ${CMAKE_CURRENT_LIST_DIR}/search/gen_corpus.cpp)
suite_warnings(scarrow-gen-corpus)

add_executable(scarrow_matcher_bench ${CMAKE_CURRENT_LIST_DIR}/search/matcher_bench.cpp)
target_link_libraries(scarrow_matcher_bench PRIVATE scarrow_core benchmark::benchmark)
suite_warnings(scarrow_matcher_bench)

# The text view on generated programs of short lines: first screen and jumps.
add_executable(scarrow-view-bench ${CMAKE_CURRENT_LIST_DIR}/search/view_bench.cpp)
target_link_libraries(scarrow-view-bench PRIVATE scarrow_ui)
suite_warnings(scarrow-view-bench)

# The window's search against `scarrow search` on the same folder and words.
add_executable(scarrow-window-bench ${CMAKE_CURRENT_LIST_DIR}/search/window_bench.cpp)
target_link_libraries(scarrow-window-bench PRIVATE scarrow_ui)
suite_warnings(scarrow-window-bench)
