# The release's facts for everything that states them, from the one place
# each is kept: the version from the project (CMakeLists.txt), the maker from
# res/maker.h. Compiled code (programs, resource scripts, tests) reads the
# version's numbers as QUORVEL_VERSION_MAJOR, _MINOR and _PATCH, written out by
# res/version.h; the documents the build writes (configure_file) read
# PROJECT_VERSION and QUORVEL_MAKER_NAME and QUORVEL_MAKER_EMAIL.
add_compile_definitions(QUORVEL_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  QUORVEL_VERSION_MINOR=${PROJECT_VERSION_MINOR} QUORVEL_VERSION_PATCH=${PROJECT_VERSION_PATCH})

set(maker_header ${CMAKE_CURRENT_LIST_DIR}/../res/maker.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${maker_header})
foreach(fact IN ITEMS NAME EMAIL)
  file(STRINGS ${maker_header} definition ENCODING UTF-8
       REGEX "^#define QUORVEL_MAKER_${fact} \"[^\"]+\"$")
  string(REGEX REPLACE ".*\"(.+)\"$" "\\1" QUORVEL_MAKER_${fact} "${definition}")
  if(NOT QUORVEL_MAKER_${fact})
    message(FATAL_ERROR "res/maker.h defines no QUORVEL_MAKER_${fact} \"...\"")
  endif()
endforeach()
