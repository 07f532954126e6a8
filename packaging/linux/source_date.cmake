# Read by cpack before it packs: the package's times are the release's.
set(ENV{SOURCE_DATE_EPOCH} ${CPACK_QUORVEL_SOURCE_DATE_EPOCH})
