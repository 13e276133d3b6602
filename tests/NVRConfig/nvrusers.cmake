# The NVR user dialog with its account and rights dialogs, opened from the
# shell against simulated NVRs on loopback.
kelvo_add_test(tst_nvrusers SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_nvrusers.cpp
    ${CMAKE_SOURCE_DIR}/tests/cms/DevicePagesTestUtil.h
    LIBS cms simdevice GUI TIMEOUT 240)
target_include_directories(tst_nvrusers PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
