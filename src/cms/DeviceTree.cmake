target_link_libraries(cms PUBLIC func widgets Common)
