# The Linux program for another processor, on Debian's multiarch Qt for it.
# That Qt comes as shared libraries only, so the program and its tests drop
# the cross build's -static and run under qemu-user on the target's libraries
# under /, whose ld.so and C library come from one release with Qt's. The
# host's Qt tools (moc, rcc) generate code for any processor.
string(REPLACE "-static" "" CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS}")
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORVEL_QEMU} -L /)
set(QT_HOST_PATH /usr)
find_package(Qt6 REQUIRED COMPONENTS Widgets)
