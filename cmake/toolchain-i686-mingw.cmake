# Cross-compiles for 32-bit Windows with MinGW-w64: the shipped Lumaric.exe.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
