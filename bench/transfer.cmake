# Sendrik: the line processor's throughput (Google Benchmark) and the CPU time of a
# receive while the line is idle (a pseudo-terminal pair, no hardware needed):
#   build/bin/sendrik-stream-bench
#   build/bin/sendrik-receive-idle 10
add_executable(sendrik-stream-bench ${CMAKE_CURRENT_LIST_DIR}/transfer/StreamBench.cpp)
target_link_libraries(sendrik-stream-bench PRIVATE sendrik_core benchmark::benchmark)
suite_warnings(sendrik-stream-bench)

add_executable(sendrik-receive-idle ${CMAKE_CURRENT_LIST_DIR}/transfer/ReceiveIdle.cpp)
target_link_libraries(sendrik-receive-idle PRIVATE sendrik_port util)
suite_warnings(sendrik-receive-idle)

# sendrik serve with 8, 32 and 64 machines on pseudo-terminals (programs in, requests
# answered): bytes lost, CPU per machine and answer latency:
#   build/bin/sendrik-serve-bench [MACHINES...]
add_executable(sendrik-serve-bench ${CMAKE_CURRENT_LIST_DIR}/transfer/ServeBench.cpp)
target_link_libraries(sendrik-serve-bench PRIVATE sendrik_core util)
target_compile_definitions(sendrik-serve-bench PRIVATE SENDRIK_PROGRAM="$<TARGET_FILE:sendrik>")
add_dependencies(sendrik-serve-bench sendrik)
suite_warnings(sendrik-serve-bench)
