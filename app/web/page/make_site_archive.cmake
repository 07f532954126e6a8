# Packs the site into Quorvel-<version>-web.zip the same way on every
# machine: its files in sorted order, with fixed permissions and the release's
# time stamp (SOURCE_DATE_EPOCH), so one commit always gives the same bytes.
#   cmake -DSITE_DIR=... -DFILES=a;b;... -DARCHIVE=... -DEPOCH=... -P make_site_archive.cmake
set(staging ${ARCHIVE}.staging)
file(REMOVE_RECURSE ${staging})
file(MAKE_DIRECTORY ${staging})
list(SORT FILES)
foreach(name IN LISTS FILES)
  file(COPY ${SITE_DIR}/${name} DESTINATION ${staging}
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()

# zip -X keeps out the Unix extra fields (access and change times, owner);
# what remains is the DOS time, which is local time: pin the zone to UTC.
file(REMOVE ${ARCHIVE})
execute_process(COMMAND touch -d @${EPOCH} ${FILES}
                COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY ${staging})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -X -q ${ARCHIVE} ${FILES}
                WORKING_DIRECTORY ${staging} RESULT_VARIABLE failed)
file(REMOVE_RECURSE ${staging})
if(failed)
  message(FATAL_ERROR "could not pack ${ARCHIVE} (zip: ${failed})")
endif()
