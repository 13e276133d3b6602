# Alarm reception: the filtering rules, and the road from a simulated device's
# alarm through the main window into the database.
kelvo_add_test(tst_alarmhandler SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_alarmhandler.cpp
    LIBS cms Alarm simdevice GUI TIMEOUT 180)
