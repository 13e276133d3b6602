# The login dialog and the tree use the shared widgets (dialog base, toasts, icons).
target_link_libraries(iot PUBLIC widgets)
