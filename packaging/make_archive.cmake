# Packs Quorvel-<version>-win32.zip (or -win64) the same way on every machine: the
# program first, then its read-me, both with fixed permissions and the
# release's time stamp (SOURCE_DATE_EPOCH), so that one commit always gives
# the same archive bytes.
#   cmake -DEXECUTABLE=... -DREADME=... -DARCHIVE=... -DEPOCH=... -P make_archive.cmake
set(staging ${ARCHIVE}.staging)
file(REMOVE_RECURSE ${staging})
file(MAKE_DIRECTORY ${staging})
file(COPY ${EXECUTABLE} DESTINATION ${staging}
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                      WORLD_READ WORLD_EXECUTE)
file(COPY ${README} DESTINATION ${staging}
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

get_filename_component(program ${EXECUTABLE} NAME)
get_filename_component(readme ${README} NAME)
# zip -X keeps out the Unix extra fields (access and change times, owner);
# what remains is the DOS time, which is local time: pin the zone to UTC.
file(REMOVE ${ARCHIVE})
execute_process(COMMAND touch -d @${EPOCH} ${program} ${readme}
                COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY ${staging})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -X -q ${ARCHIVE} ${program} ${readme}
                WORKING_DIRECTORY ${staging} RESULT_VARIABLE failed)
file(REMOVE_RECURSE ${staging})
if(failed)
  message(FATAL_ERROR "could not pack ${ARCHIVE} (zip: ${failed})")
endif()
