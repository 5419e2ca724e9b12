# The rings are drawn by the board-tour controls.
target_link_libraries(${target} PRIVATE setupctrls)
