# Scheduled recording: the plan's texts, the schedule and the thread against
# the loopback RTSP server (no widgets shown); the page and its dialog inside
# the main window against simulated devices.
kelvo_add_test(tst_recordplan SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_recordplan.cpp LIBS cms TIMEOUT 240)
target_include_directories(tst_recordplan PRIVATE ${CMAKE_SOURCE_DIR}/tests/player)
target_compile_definitions(tst_recordplan PRIVATE KELVO_RTSP_SERVER="$<TARGET_FILE:kelvo_rtspserver>")
add_dependencies(tst_recordplan kelvo_rtspserver)
kelvo_add_test(tst_recordschedule SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_recordschedule.cpp DevicePagesTestUtil.h
    LIBS cms simdevice GUI TIMEOUT 300)
target_include_directories(tst_recordschedule PRIVATE ${CMAKE_SOURCE_DIR}/tests/player)
target_compile_definitions(tst_recordschedule PRIVATE KELVO_RTSP_SERVER="$<TARGET_FILE:kelvo_rtspserver>")
add_dependencies(tst_recordschedule kelvo_rtspserver)
