# Cloud access against a local store made at test time with the ffmpeg tool:
# the stand-in library under the sanitizers, the Cloud tab in the main window.
kelvo_add_test(tst_cloudplayback SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_cloudplayback.cpp LIBS cms GUI TIMEOUT 300)
target_include_directories(tst_cloudplayback PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/cloudstore
    ${CMAKE_SOURCE_DIR}/tests/cms)
