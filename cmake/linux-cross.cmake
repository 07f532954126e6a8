# Shared part of the Linux cross toolchains: Debian's cross compiler for
# QUORVEL_CROSS_TRIPLET, its libraries (and multiarch ones, MPFR among them)
# for the target, and the test programs run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)

set(CMAKE_C_COMPILER ${QUORVEL_CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${QUORVEL_CROSS_TRIPLET}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEL_CROSS_TRIPLET})
set(CMAKE_LIBRARY_ARCHITECTURE ${QUORVEL_CROSS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Debian's multiarch packages put the target's libraries under the host's
# /usr/lib/<triplet> and its headers under /usr/include(/<triplet>).
list(APPEND CMAKE_FIND_ROOT_PATH /)

# Test programs are linked statically: the cross C library and the target's
# multiarch one (pulled in by MPFR) may be different releases, and a program
# loading one's ld.so with the other's libc crashes under qemu.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORVEL_QEMU} -L /usr/${QUORVEL_CROSS_TRIPLET})
