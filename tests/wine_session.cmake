# The sessions the Windows tests run in: an Xvfb screen and one persistent
# wineserver per Wine prefix, started before the first test and stopped after
# the last. A warm server makes each test program start in a fraction of a
# second instead of booting Wine afresh. Each session's Xvfb picks a free
# display itself; scripts/wine-run shows the prefix's programs on it.

set(QUORVEL_SESSION_SCRIPT ${PROJECT_SOURCE_DIR}/scripts/display-session)

# Where this machine cannot run the build's programs, scripts/wine-run says
# why and exits with 77 instead of starting Wine: such a test is skipped.
set(QUORVEL_WINE_SKIP_PROPERTIES "")
if(NOT QUORVEL_RUNS_PROGRAMS)
  set(QUORVEL_WINE_SKIP_PROPERTIES SKIP_RETURN_CODE 77)
endif()

# Adds the start and stop tests of a session in PREFIX under the Unix locale
# LOCALE, as the test fixture FIXTURE.
function(quorvel_add_wine_session fixture prefix locale)
  set(state ${CMAKE_BINARY_DIR}/wine-session/${fixture})
  add_test(NAME ${fixture}.start
    COMMAND ${QUORVEL_SESSION_SCRIPT} start ${state} ${prefix} ${locale}
            ${QUORVEL_WINDOWS_PLATFORM})
  add_test(NAME ${fixture}.stop COMMAND ${QUORVEL_SESSION_SCRIPT} stop ${state} ${prefix})
  # Serial: stopping ends every Wine process of the prefix, and starting
  # must find no other wineserver there.
  set_tests_properties(${fixture}.start PROPERTIES
    FIXTURES_SETUP ${fixture} RUN_SERIAL TRUE TIMEOUT 180 ${QUORVEL_WINE_SKIP_PROPERTIES})
  set_tests_properties(${fixture}.stop PROPERTIES
    FIXTURES_CLEANUP ${fixture} RUN_SERIAL TRUE TIMEOUT 60)
endfunction()

# The build's own prefix, where every Windows test runs (Chinese, Simplified).
quorvel_add_wine_session(wine.session ${QUORVEL_WINEPREFIX} ${QUORVEL_WINE_LOCALE})

# What every test program run under Wine in the build's prefix carries.
set(QUORVEL_WINE_TEST_PROPERTIES FIXTURES_REQUIRED wine.session ${QUORVEL_WINE_SKIP_PROPERTIES})
