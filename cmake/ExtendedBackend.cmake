# QUORVEL_EXTENDED picks the arithmetic behind quorvel_core:
#   auto - the x87 unit on i686/x86-64 with GCC or Clang, software elsewhere
#   x87  - the unit itself, through inline assembly
#   soft - the portable software model
set(QUORVEL_EXTENDED auto CACHE STRING "Extended-precision backend: auto, x87 or soft")
set_property(CACHE QUORVEL_EXTENDED PROPERTY STRINGS auto x87 soft)

string(TOLOWER "${CMAKE_SYSTEM_PROCESSOR}" quorvel_cpu)
if(quorvel_cpu MATCHES "^(i.86|x86|x86_64|amd64)$"
   AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
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
