# The session every Windows test runs in: an Xvfb screen and one persistent
# wineserver in the build's prefix, started before the first test and stopped
# after the last. A warm server makes each test program start in a fraction
# of a second instead of booting Wine afresh.

# One X display per build tree, so that two trees can run their tests side by
# side: a number drawn from the tree's path, moved on past displays in use.
if(NOT QUORVEL_TEST_DISPLAY)
  string(MD5 tree_hash "${CMAKE_BINARY_DIR}")
  string(SUBSTRING "${tree_hash}" 0 4 tree_hash)
  math(EXPR display_number "200 + 0x${tree_hash} % 700")
  while(EXISTS "/tmp/.X${display_number}-lock" OR EXISTS "/tmp/.X11-unix/X${display_number}")
    math(EXPR display_number "${display_number} + 1")
  endwhile()
  set(QUORVEL_TEST_DISPLAY ":${display_number}")
endif()

set(session_dir ${CMAKE_BINARY_DIR}/wine-session)
set(session ${PROJECT_SOURCE_DIR}/scripts/display-session)

add_test(NAME wine.session.start
  COMMAND ${session} start ${session_dir} ${QUORVEL_WINEPREFIX} ${QUORVEL_TEST_DISPLAY})
add_test(NAME wine.session.stop COMMAND ${session} stop ${session_dir} ${QUORVEL_WINEPREFIX})
# Serial: stopping ends every Wine process of the shared prefix, and starting
# must find no other wineserver there.
set_tests_properties(wine.session.start PROPERTIES
  FIXTURES_SETUP quorvel_wine_session RUN_SERIAL TRUE TIMEOUT 180)
set_tests_properties(wine.session.stop PROPERTIES
  FIXTURES_CLEANUP quorvel_wine_session RUN_SERIAL TRUE TIMEOUT 60)

# What every test program run under Wine carries.
set(QUORVEL_WINE_TEST_PROPERTIES
  FIXTURES_REQUIRED quorvel_wine_session
  ENVIRONMENT "DISPLAY=${QUORVEL_TEST_DISPLAY}")
