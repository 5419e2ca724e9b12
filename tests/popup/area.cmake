# The board-tour controls under test; clicks go through Qt's test events.
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(${target} PRIVATE setupctrls Qt6::Test)
