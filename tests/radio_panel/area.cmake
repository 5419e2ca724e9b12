# The board-tour controls under test.
target_link_libraries(${target} PRIVATE setupctrls)
