# The same sources give the same executable, byte for byte, whatever folder
# they are built in and whenever, so that anyone can rebuild a release and
# compare its SHA-256 (scripts/release builds twice and compares).
#
# - The linker writes no time into the PE header (its field stays 0). It
#   still writes the header's checksum over the bytes as they are.
# - Source and build paths are written as "." and "build" wherever the
#   compiler would record them: __FILE__, and debug information when a build
#   type carries it.
# - __DATE__, __TIME__ and __TIMESTAMP__ are errors: they would put the
#   build's time into the program.
# - Static libraries carry no times, owners or modes: ar and ranlib are asked
#   for deterministic archives, which Debian's binutils make by default but
#   other builds of binutils may not.
#
# windres records no time in the resource directory (its field is 0).

add_compile_options(
  "$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.>"
  "$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>"
  "$<$<COMPILE_LANGUAGE:CXX>:-Werror=date-time>")
add_link_options(-Wl,--no-insert-timestamp)
set(CMAKE_CXX_ARCHIVE_CREATE "<CMAKE_AR> qcD <TARGET> <LINK_FLAGS> <OBJECTS>")
set(CMAKE_CXX_ARCHIVE_APPEND "<CMAKE_AR> qD <TARGET> <LINK_FLAGS> <OBJECTS>")
set(CMAKE_CXX_ARCHIVE_FINISH "<CMAKE_RANLIB> -D <TARGET>")
