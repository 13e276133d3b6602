# The linkage actions against the loopback RTSP server.
kelvo_add_test(tst_alarmlinkage SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_alarmlinkage.cpp
    LIBS Alarm GUI TIMEOUT 300)
target_include_directories(tst_alarmlinkage PRIVATE ${CMAKE_SOURCE_DIR}/tests/player)
target_compile_definitions(tst_alarmlinkage PRIVATE KELVO_RTSP_SERVER="$<TARGET_FILE:kelvo_rtspserver>")
add_dependencies(tst_alarmlinkage kelvo_rtspserver)
