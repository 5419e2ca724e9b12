# The drawing routine, and the main window whose paint box uses it.
target_link_libraries(${target} PRIVATE app_main)
