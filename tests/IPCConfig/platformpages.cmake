# Platform access, version and contact pages against a simulated camera.
kelvo_add_test(tst_platformpages SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_platformpages.cpp
    ${CMAKE_SOURCE_DIR}/tests/cms/DevicePagesTestUtil.h
    LIBS IPCConfig simdevice GUI)
target_include_directories(tst_platformpages PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
