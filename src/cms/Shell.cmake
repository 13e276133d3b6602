# The application shell and the live view: main window, local login, splash,
# pane grid. The panes play through the media engine.
target_link_libraries(cms PUBLIC player func widgets orm Common Qt5::Widgets)
