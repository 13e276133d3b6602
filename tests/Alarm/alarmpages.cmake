# The alarm settings page with its copy dialog, and the alarm record browser,
# over a real database file and devices registered without a network.
kelvo_add_test(tst_alarmsettings SOURCES tst_alarmsettings.cpp LIBS Alarm GUI)
kelvo_add_test(tst_alarmrecords SOURCES tst_alarmrecords.cpp LIBS Alarm GUI)
