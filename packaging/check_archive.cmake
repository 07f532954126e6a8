# Unpacks the release archive afresh and compares it with the build: the
# same Quorvel.exe, byte for byte, and the read-me beside it, in that order,
# every entry stamped with the release time.
cmake_minimum_required(VERSION 3.25)
if(NOT EXISTS ${ARCHIVE})
  message(FATAL_ERROR "${ARCHIVE} was not built")
endif()

set(unpacked ${BUILD_DIR}/release-check)
file(REMOVE_RECURSE ${unpacked})
file(MAKE_DIRECTORY ${unpacked})
file(ARCHIVE_EXTRACT INPUT ${ARCHIVE} DESTINATION ${unpacked})

# Entries in archive order with their times, as zipinfo shows them in UTC.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC unzip -Z -T ${ARCHIVE}
                OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "unzip cannot list ${ARCHIVE}")
endif()
string(REGEX MATCHALL "[0-9]+\\.[0-9]+ [^ \n]+\n" entries "${listing}")
string(REPLACE "\n" "" entries "${entries}")
# DOS times keep even seconds: an odd release second may be rounded either way.
set(allowed "")
foreach(offset 0 1 -1)
  math(EXPR second "${EPOCH} + ${offset}")
  set(ENV{SOURCE_DATE_EPOCH} ${second})
  string(TIMESTAMP stamp "%Y%m%d.%H%M%S" UTC)
  list(APPEND allowed "${stamp} Quorvel.exe|${stamp} README.txt")
endforeach()
string(REPLACE ";" "|" found "${entries}")
if(NOT found IN_LIST allowed)
  message(FATAL_ERROR "archive entries '${entries}', expected Quorvel.exe then README.txt at the release time ${EPOCH}")
endif()

file(SHA256 ${EXECUTABLE} built)
file(SHA256 ${unpacked}/Quorvel.exe shipped)
if(NOT built STREQUAL shipped)
  message(FATAL_ERROR "the archive's Quorvel.exe (${shipped}) is not the tested one (${built})")
endif()
get_filename_component(archive_name ${ARCHIVE} NAME)
message(STATUS "${archive_name} holds the tested Quorvel.exe (sha256 ${built}), entries ${entries}")
