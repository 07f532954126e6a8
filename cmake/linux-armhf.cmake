# Cross-compiling for armhf Linux; tests run under qemu-arm.
set(CMAKE_SYSTEM_PROCESSOR arm)
set(QUORVEL_CROSS_TRIPLET arm-linux-gnueabihf)
set(QUORVEL_QEMU qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
