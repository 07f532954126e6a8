# Cross-compiling for s390x Linux; tests run under qemu-s390x.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(QUORVEL_CROSS_TRIPLET s390x-linux-gnu)
set(QUORVEL_QEMU qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
