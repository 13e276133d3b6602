# The main window and the live view against simulated devices and the
# loopback RTSP server.
kelvo_add_test(tst_mainwindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_mainwindow.cpp
    LIBS cms simdevice GUI TIMEOUT 300)
target_include_directories(tst_mainwindow PRIVATE ${CMAKE_SOURCE_DIR}/tests/player)
target_compile_definitions(tst_mainwindow PRIVATE KELVO_RTSP_SERVER="$<TARGET_FILE:kelvo_rtspserver>")
add_dependencies(tst_mainwindow kelvo_rtspserver)
kelvo_add_test(tst_livepanes SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_livepanes.cpp
    LIBS cms GUI TIMEOUT 180)
target_include_directories(tst_livepanes PRIVATE ${CMAKE_SOURCE_DIR}/tests/player)
target_compile_definitions(tst_livepanes PRIVATE KELVO_RTSP_SERVER="$<TARGET_FILE:kelvo_rtspserver>")
add_dependencies(tst_livepanes kelvo_rtspserver)
kelvo_add_test(tst_shelllogin SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_shelllogin.cpp LIBS cms GUI)
