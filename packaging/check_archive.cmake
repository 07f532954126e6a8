# Packs the release archive, unpacks it afresh and compares its contents with
# the build: the same Quorvel.exe, byte for byte, and the read-me beside it.
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G ZIP --config ${BUILD_DIR}/CPackConfig.cmake
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE packed OUTPUT_QUIET)
if(NOT packed EQUAL 0 OR NOT EXISTS ${ARCHIVE})
  message(FATAL_ERROR "cpack did not produce ${ARCHIVE}")
endif()

set(unpacked ${BUILD_DIR}/release-check)
file(REMOVE_RECURSE ${unpacked})
file(MAKE_DIRECTORY ${unpacked})
file(ARCHIVE_EXTRACT INPUT ${ARCHIVE} DESTINATION ${unpacked})

file(GLOB_RECURSE contents RELATIVE ${unpacked} ${unpacked}/*)
list(SORT contents)
if(NOT contents STREQUAL "Quorvel.exe;README.txt")
  message(FATAL_ERROR "unexpected archive contents: ${contents}")
endif()

file(SHA256 ${EXECUTABLE} built)
file(SHA256 ${unpacked}/Quorvel.exe shipped)
if(NOT built STREQUAL shipped)
  message(FATAL_ERROR "the archive's Quorvel.exe (${shipped}) is not the tested one (${built})")
endif()
message(STATUS "Quorvel-1.0.0-win32.zip holds the tested Quorvel.exe (sha256 ${built})")
