kelvo_add_test(tst_devicetree SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_devicetree.cpp LIBS cms GUI)
