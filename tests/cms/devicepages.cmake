# The device management page and its dialogs, against simulated devices and a
# loopback ONVIF camera, with a fake ping probe.
kelvo_add_test(tst_devicedialogs SOURCES tst_devicedialogs.cpp DevicePagesTestUtil.h
    LIBS cms simdevice GUI TIMEOUT 180)
kelvo_add_test(tst_devicemanagepage SOURCES tst_devicemanagepage.cpp DevicePagesTestUtil.h
    LIBS cms simdevice onvifcam GUI TIMEOUT 240)
