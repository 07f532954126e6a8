# A Windows program without any C or C++ runtime: its own entry point
# (`ProcessEntry`), imports of system DLLs only, nothing unused kept, 512-byte
# file alignment. Quorvel.exe and the empty dialog the size and start-up
# reports compare it with are built alike.
#
# The image carries what a current Windows toolchain sets by default: it may
# be loaded anywhere (DYNAMIC_BASE, with a relocation table to make that
# true), its data is never executed (NX_COMPAT), it installs no exception
# handlers (NO_SEH) and it is terminal-server aware.
#
# Two builds of one commit give the same bytes: the time stamp in the file
# header is SOURCE_DATE_EPOCH (the commit time unless the environment sets
# it), and no path of the source or build tree reaches the file.

# The time the release is stamped with, in seconds since 1970.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(QUORVEL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE QUORVEL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_failed ERROR_QUIET)
  if(git_failed OR NOT QUORVEL_SOURCE_DATE_EPOCH)
    set(QUORVEL_SOURCE_DATE_EPOCH 0)
  endif()
  # A new commit moves the time stamp: configure again when HEAD moves.
  execute_process(COMMAND git rev-parse --absolute-git-dir
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(git_dir AND EXISTS ${git_dir}/logs/HEAD)
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                 ${git_dir}/logs/HEAD)
  endif()
endif()

if(WIN32)
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                      -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
endif()

function(quorvel_no_runtime_program target)
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti
    -fno-asynchronous-unwind-tables -fno-stack-protector -ffunction-sections -fdata-sections)
  target_link_options(${target} PRIVATE
    -nostdlib -nostartfiles -s
    -Wl,--entry=_ProcessEntry
    -Wl,--gc-sections
    -Wl,--file-alignment=512,--section-alignment=4096
    -Wl,--dynamicbase,--enable-reloc-section,--nxcompat,--no-seh,--tsaware
    -Wl,--insert-timestamp
    -Wl,--disable-runtime-pseudo-reloc)
  # The linker takes the header's time stamp from SOURCE_DATE_EPOCH.
  set(stamp ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${QUORVEL_SOURCE_DATE_EPOCH})
  set_target_properties(${target} PROPERTIES C_LINKER_LAUNCHER "${stamp}"
                                             CXX_LINKER_LAUNCHER "${stamp}")
endfunction()
