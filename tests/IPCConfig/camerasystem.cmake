# The maintenance, device settings and TCP/IP pages of the camera
# configuration window against simulated cameras on loopback.
kelvo_add_test(tst_camerasystem SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_camerasystem.cpp
    ${CMAKE_SOURCE_DIR}/tests/cms/DevicePagesTestUtil.h
    LIBS cms simdevice GUI TIMEOUT 240)
target_include_directories(tst_camerasystem PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
