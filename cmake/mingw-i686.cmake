# Cross-compiling for 32-bit Windows; tests run under Wine in 32-bit prefixes.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUORVEL_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
