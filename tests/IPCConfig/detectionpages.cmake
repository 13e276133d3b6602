# Detection panel and arming-time editor on their own, and the detection pages
# through the window against a simulated camera and the loopback RTSP server.
kelvo_add_test(tst_detectionpages SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_detectionpages.cpp
    ${CMAKE_SOURCE_DIR}/tests/cms/DevicePagesTestUtil.h
    LIBS IPCConfig simdevice GUI TIMEOUT 300)
target_include_directories(tst_detectionpages PRIVATE ${CMAKE_SOURCE_DIR}/tests/player ${CMAKE_SOURCE_DIR}/tests/cms)
target_compile_definitions(tst_detectionpages PRIVATE KELVO_RTSP_SERVER="$<TARGET_FILE:kelvo_rtspserver>")
add_dependencies(tst_detectionpages kelvo_rtspserver)
