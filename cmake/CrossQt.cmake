# The Linux program for another processor, on Debian's multiarch Qt for it.
# That Qt comes as shared libraries only, so the program and its tests drop
# the cross build's -static and run under qemu-user on the target's libraries
# under /, whose ld.so and C library come from one release with Qt's. Its
# tools (moc, rcc) are the host's own, shared by every architecture's Qt.
string(REPLACE "-static" "" CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS}")
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORVEL_QEMU} -L /)
# The preset asked for the program: no quiet build without it.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
