# Every page of both configuration windows, the user dialogs and the channel
# dialog against a simulated camera and NVR that answer with hostile replies.
kelvo_add_test(tst_hostilereplies SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_hostilereplies.cpp
    ${CMAKE_SOURCE_DIR}/tests/cms/DevicePagesTestUtil.h
    LIBS NVRConfig IPCConfig simdevice GUI TIMEOUT 600)
target_include_directories(tst_hostilereplies PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
