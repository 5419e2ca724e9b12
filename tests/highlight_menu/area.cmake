# The real main window with the product's board description.
target_link_libraries(${target} PRIVATE app_main)
