# The camera configuration window opened by the shell against simulated
# cameras and the loopback RTSP server: tree, reply routing, port page, preview.
kelvo_add_test(tst_remoteconfig SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_remoteconfig.cpp
    ${CMAKE_SOURCE_DIR}/tests/cms/DevicePagesTestUtil.h
    LIBS cms IPCConfig simdevice GUI TIMEOUT 300)
target_include_directories(tst_remoteconfig PRIVATE ${CMAKE_SOURCE_DIR}/tests/player ${CMAKE_SOURCE_DIR}/tests/cms)
target_compile_definitions(tst_remoteconfig PRIVATE KELVO_RTSP_SERVER="$<TARGET_FILE:kelvo_rtspserver>")
add_dependencies(tst_remoteconfig kelvo_rtspserver)
