// The release's version as the programs, the resource script and the tests
// write it, from the numbers the build defines from the project's VERSION
// (cmake/Release.cmake).
#pragma once

#if !defined(QUORVEL_VERSION_MAJOR) || !defined(QUORVEL_VERSION_MINOR) || \
    !defined(QUORVEL_VERSION_PATCH)
#error "the build defines the version's numbers (cmake/Release.cmake)"
#endif

#define QUORVEL_VERSION_TEXT_OF_(number) #number
#define QUORVEL_VERSION_TEXT_OF(number) QUORVEL_VERSION_TEXT_OF_(number)

// "1.0": the release as the About box names it.
#define QUORVEL_VERSION_SHORT                      \
    QUORVEL_VERSION_TEXT_OF(QUORVEL_VERSION_MAJOR) \
    "." QUORVEL_VERSION_TEXT_OF(QUORVEL_VERSION_MINOR)
// "1.0.0": the release, as the packages and --version name it.
#define QUORVEL_VERSION_THREE_PARTS \
    QUORVEL_VERSION_SHORT "." QUORVEL_VERSION_TEXT_OF(QUORVEL_VERSION_PATCH)
// "1.0.0.0": the version block's four parts.
#define QUORVEL_VERSION_FOUR_PARTS QUORVEL_VERSION_THREE_PARTS ".0"
