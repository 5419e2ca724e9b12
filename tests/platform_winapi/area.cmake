# A small shared library the loader tests find by its bare name through
# LD_LIBRARY_PATH; the test program exports SetLastError for it.
set(vx_test_lib_dir ${CMAKE_CURRENT_BINARY_DIR}/platform_winapi_lib)
add_library(VxTestLib SHARED ${area_dir}/VxTestLib.c)
set_target_properties(VxTestLib PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${vx_test_lib_dir} AUTOMOC OFF)
add_dependencies(${target} VxTestLib)
set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
target_compile_definitions(${target} PRIVATE VX_TEST_LIB_FILE="$<TARGET_FILE:VxTestLib>")
set(TEST_AREA_ENVIRONMENT_${area} "LD_LIBRARY_PATH=${vx_test_lib_dir}")
