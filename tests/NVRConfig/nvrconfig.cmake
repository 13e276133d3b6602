# The NVR configuration window and its pages against a simulated NVR over
# loopback; the shell opens it.
kelvo_add_test(tst_nvrconfigwindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_nvrconfigwindow.cpp ${CMAKE_CURRENT_LIST_DIR}/NvrWindowTestUtil.h
    LIBS cms NVRConfig simdevice GUI TIMEOUT 240)
target_include_directories(tst_nvrconfigwindow PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
# The NVR channel dialogs against the simulated NVR's channels and camera search.
kelvo_add_test(tst_nvrchannels SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_nvrchannels.cpp
    LIBS cms NVRConfig simdevice GUI TIMEOUT 240)
target_include_directories(tst_nvrchannels PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
# The NVR date and record schedule pages: their pure parts alone, the rest
# through the window against the simulated NVR's clock and schedules.
kelvo_add_test(tst_nvrdateplan SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_nvrdateplan.cpp ${CMAKE_CURRENT_LIST_DIR}/NvrWindowTestUtil.h
    LIBS NVRConfig simdevice GUI TIMEOUT 240)
target_include_directories(tst_nvrdateplan PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
# Every NVR page and dialog saved untouched against a simulated NVR seeded with
# values the client has no item for, after a language change, a failed read
# and with the NVR offline; in every language nothing cut (pictures when
# KELVO_SCREENSHOT_DIR is set); the bodies without a window.
kelvo_add_test(tst_nvrsurfaces SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_nvrsurfaces.cpp ${CMAKE_CURRENT_LIST_DIR}/NvrWindowTestUtil.h
    LIBS NVRConfig simdevice GUI TIMEOUT 300)
target_include_directories(tst_nvrsurfaces PRIVATE ${CMAKE_SOURCE_DIR}/tests/cms)
