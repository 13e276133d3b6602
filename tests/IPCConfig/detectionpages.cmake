# Detection panel and arming-time editor on their own, and the motion, face and
# crying pages through the window against a simulated camera.
kelvo_add_test(tst_detectionpages SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_detectionpages.cpp
    ${CMAKE_SOURCE_DIR}/tests/cms/DevicePagesTestUtil.h
    LIBS IPCConfig simdevice GUI)
target_include_directories(tst_detectionpages PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
