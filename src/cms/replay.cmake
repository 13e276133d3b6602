# The shell reaches the replay pages once the library exists.
target_link_libraries(cms PUBLIC $<TARGET_NAME_IF_EXISTS:replay>)
