# The shell reaches the IPCConfig pages once the library exists.
target_link_libraries(cms PUBLIC $<TARGET_NAME_IF_EXISTS:IPCConfig>)
