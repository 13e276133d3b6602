# The playback page's own widgets: time line, control bar, calendar, tab frame.
kelvo_add_test(tst_replaywidgets SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_replaywidgets.cpp LIBS replay GUI)
