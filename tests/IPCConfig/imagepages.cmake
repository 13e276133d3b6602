# Image settings and on-screen display pages: geometry and patterns on the
# page alone, saves through the window against a simulated camera.
kelvo_add_test(tst_imagepages SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_imagepages.cpp
    ${CMAKE_SOURCE_DIR}/tests/cms/DevicePagesTestUtil.h
    LIBS IPCConfig simdevice GUI)
target_include_directories(tst_imagepages PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
