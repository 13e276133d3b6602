# Local playback against recordings made by the ffmpeg tool and by the
# scheduled recorder from the loopback RTSP server.
kelvo_add_test(tst_localreplay SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_localreplay.cpp LIBS replay GUI TIMEOUT 300)
target_include_directories(tst_localreplay PRIVATE ${CMAKE_SOURCE_DIR}/tests/player ${CMAKE_SOURCE_DIR}/tests/cms)
target_compile_definitions(tst_localreplay PRIVATE KELVO_RTSP_SERVER="$<TARGET_FILE:kelvo_rtspserver>")
add_dependencies(tst_localreplay kelvo_rtspserver)
