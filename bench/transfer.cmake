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
