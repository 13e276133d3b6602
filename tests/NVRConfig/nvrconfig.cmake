# The NVR configuration window and its pages against a simulated NVR over
# loopback; the shell opens it.
kelvo_add_test(tst_nvrconfigwindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_nvrconfigwindow.cpp
    LIBS cms NVRConfig simdevice GUI TIMEOUT 240)
target_include_directories(tst_nvrconfigwindow PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
