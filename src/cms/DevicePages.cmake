# The device management page and its dialogs reach the registry, the device
# protocol, ONVIF, the database and the shared widgets.
target_link_libraries(cms PUBLIC widgets func KelvoSDK onvif orm Common Qt5::Network)
# Some dialogs hold their Designer form by value, so users of their headers see
# the generated form headers too.
target_include_directories(cms PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/cms_autogen/include)
