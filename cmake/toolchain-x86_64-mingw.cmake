# Cross-compiles for 64-bit Windows with MinGW-w64, for the end-to-end tests
# on machines that cannot run 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
