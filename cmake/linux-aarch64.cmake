# Cross-compiling for aarch64 Linux; tests run under qemu-aarch64.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(QUORVEL_CROSS_TRIPLET aarch64-linux-gnu)
set(QUORVEL_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
