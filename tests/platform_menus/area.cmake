# The user-path tests click the real menu bar and menus.
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(${target} PRIVATE Qt6::Test)
