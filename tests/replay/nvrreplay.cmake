# Device playback and download against simulated NVRs over loopback, with
# access units of clips made by the ffmpeg tool.
kelvo_add_test(tst_nvrreplay SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_nvrreplay.cpp LIBS replay simdevice GUI TIMEOUT 300)
target_include_directories(tst_nvrreplay PRIVATE ${CMAKE_SOURCE_DIR}/tests/player ${CMAKE_SOURCE_DIR}/tests/cms)
target_compile_definitions(tst_nvrreplay PRIVATE KELVO_RTSP_SERVER="$<TARGET_FILE:kelvo_rtspserver>")
