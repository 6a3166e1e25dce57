# Sendrik: the configuration file reader and the line processor.
suite_add_fuzzer(sendrik_config_fuzzer ${CMAKE_CURRENT_LIST_DIR}/transfer/ConfigFuzzer.cpp
                 sendrik_core)
suite_add_fuzzer(sendrik_stream_fuzzer ${CMAKE_CURRENT_LIST_DIR}/transfer/StreamFuzzer.cpp
                 sendrik_core)
