# The left-panel toggles of the playback tabs.
kelvo_add_test(tst_replaypanels SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_replaypanels.cpp LIBS replay GUI)
