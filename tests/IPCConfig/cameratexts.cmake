# The camera window and user dialogs in every language at 1280x720: no text
# cut; screenshots with KELVO_SCREENSHOT_DIR.
kelvo_add_test(tst_cameratexts SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_cameratexts.cpp
    ${CMAKE_SOURCE_DIR}/tests/cms/DevicePagesTestUtil.h
    LIBS IPCConfig simdevice GUI TIMEOUT 300)
target_include_directories(tst_cameratexts PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
