# Body texts of the camera pages and the simulated camera's per-command faults
# and per-channel store, over loopback.
kelvo_add_test(tst_ipcbody SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_ipcbody.cpp ${CMAKE_SOURCE_DIR}/tests/KelvoSDK/SdkTestSupport.h
    LIBS IPCConfig simdevice)
target_include_directories(tst_ipcbody PRIVATE ${CMAKE_SOURCE_DIR}/tests/KelvoSDK)
