# Video encoding and audio pages: capability handling on the page alone, and
# the pages through the window against a simulated camera.
kelvo_add_test(tst_encodingpages SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_encodingpages.cpp
    ${CMAKE_SOURCE_DIR}/tests/cms/DevicePagesTestUtil.h
    LIBS IPCConfig simdevice GUI)
target_include_directories(tst_encodingpages PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
