# The camera user dialog and its add, edit and contact dialogs, opened from
# the shell against simulated cameras on loopback.
kelvo_add_test(tst_usermanage SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_usermanage.cpp
    ${CMAKE_SOURCE_DIR}/tests/cms/DevicePagesTestUtil.h
    LIBS cms simdevice GUI TIMEOUT 240)
target_include_directories(tst_usermanage PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
