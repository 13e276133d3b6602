# Every camera page saved untouched against a simulated camera that reports
# values outside the client's lists; failed, missing and offline reads.
kelvo_add_test(tst_untouchedsave SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_untouchedsave.cpp
    ${CMAKE_SOURCE_DIR}/tests/cms/DevicePagesTestUtil.h
    LIBS IPCConfig simdevice GUI TIMEOUT 300)
target_include_directories(tst_untouchedsave PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
