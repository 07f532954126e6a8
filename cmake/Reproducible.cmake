# Two builds of one commit, in any two directories, give the same bytes for
# what is released: Quorvel.exe with its archive, and the Linux program with
# its .deb. Every time stamp they carry is SOURCE_DATE_EPOCH (the commit time
# unless the environment sets it), and no path of the source or build tree
# reaches them.

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

# The builds that release something name their files relative to the trees
# (__FILE__, debug information). The sanitizer build and the cross-CPU builds
# without the Linux program release nothing and keep full paths for their
# reports and debuggers.
if(WIN32 OR QUORVEL_CROSS_QT OR NOT (CMAKE_CROSSCOMPILING OR QUORVEL_SANITIZE))
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                      -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
endif()
