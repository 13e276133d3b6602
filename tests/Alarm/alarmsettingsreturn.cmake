# The alarm settings page inside the main window, against simulated cameras
# over loopback and a real database file.
kelvo_add_test(tst_alarmsettingsreturn SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_alarmsettingsreturn.cpp
    LIBS cms Alarm simdevice GUI TIMEOUT 180)
