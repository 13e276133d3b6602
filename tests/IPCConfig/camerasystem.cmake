# The maintenance, device settings and TCP/IP pages of the camera
# configuration window against simulated cameras on loopback; a moved camera's
# recording against the loopback RTSP server.
kelvo_add_test(tst_camerasystem SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_camerasystem.cpp
    ${CMAKE_SOURCE_DIR}/tests/cms/DevicePagesTestUtil.h
    LIBS cms simdevice GUI TIMEOUT 240)
target_include_directories(tst_camerasystem PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms ${CMAKE_SOURCE_DIR}/tests/player)
target_compile_definitions(tst_camerasystem PRIVATE KELVO_RTSP_SERVER="$<TARGET_FILE:kelvo_rtspserver>")
add_dependencies(tst_camerasystem kelvo_rtspserver)
