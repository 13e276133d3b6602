# Schedule, linkage and detection-area fragments of the detection pages.
kelvo_add_test(tst_ipcfragments SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_ipcfragments.cpp LIBS IPCConfig GUI)
