# The board image is one of the board-tour controls.
target_link_libraries(${target} PRIVATE setupctrls)
