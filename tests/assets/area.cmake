# The pictures come from the `assets` library; the photograph's encoding is
# checked with libjpeg itself.
target_link_libraries(${target} PRIVATE assets JPEG::JPEG)
