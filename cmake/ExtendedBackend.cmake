# QUORVEL_EXTENDED picks the arithmetic behind quorvel_core:
#   auto - the x87 unit on i686/x86-64 with GCC or Clang, software elsewhere
#   x87  - the unit itself, through inline assembly
#   soft - the portable software model
set(QUORVEL_EXTENDED auto CACHE STRING "Extended-precision backend: auto, x87 or soft")
set_property(CACHE QUORVEL_EXTENDED PROPERTY STRINGS auto x87 soft)

# Asked of the compiler itself, not of CMAKE_SYSTEM_PROCESSOR: a cross
# compiler named alone on the command line leaves the processor at the host's.
include(CheckCXXSourceCompiles)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
check_cxx_source_compiles([=[
#if !defined(__i386__) && !defined(__x86_64__)
#error not an x86 target
#endif
#if !defined(__GNUC__)
#error no GCC-style inline assembly
#endif
int main() { return 0; }
]=] QUORVEL_TARGET_IS_X86)
unset(CMAKE_TRY_COMPILE_TARGET_TYPE)
if(QUORVEL_TARGET_IS_X86)
  set(QUORVEL_HAVE_X87 ON)
else()
  set(QUORVEL_HAVE_X87 OFF)
endif()

if(QUORVEL_EXTENDED STREQUAL "auto")
  if(QUORVEL_HAVE_X87)
    set(QUORVEL_BACKEND x87)
  else()
    set(QUORVEL_BACKEND soft)
  endif()
elseif(QUORVEL_EXTENDED MATCHES "^(x87|soft)$")
  set(QUORVEL_BACKEND ${QUORVEL_EXTENDED})
else()
  message(FATAL_ERROR "QUORVEL_EXTENDED must be auto, x87 or soft, not '${QUORVEL_EXTENDED}'")
endif()
if(QUORVEL_BACKEND STREQUAL "x87" AND NOT QUORVEL_HAVE_X87)
  message(FATAL_ERROR "QUORVEL_EXTENDED=x87 needs an i686 or x86-64 target and GCC or Clang")
endif()
message(STATUS "Quorvel extended-precision backend: ${QUORVEL_BACKEND}")
if(NOT QUORVEL_HAVE_X87)
  message(STATUS "No x87 unit on this target: the x87 backend and the tests against the unit are left out")
endif()
