# What hears every device message, fed by hand and through a simulated NVR.
kelvo_add_test(tst_messagelisteners SOURCES tst_messagelisteners.cpp DevicePagesTestUtil.h
    LIBS cms simdevice GUI TIMEOUT 120)
