# A Windows program without any C or C++ runtime: its own entry point
# (`ProcessEntry`), imports of system DLLs only, nothing unused kept, 512-byte
# file alignment. Quorvel.exe and the empty dialog the size and start-up
# reports compare it with are built alike.
#
# The image carries what a current Windows toolchain sets by default: it may
# be loaded anywhere (DYNAMIC_BASE, with a relocation table to make that
# true), its data is never executed (NX_COMPAT) and it is terminal-server
# aware. A 32-bit image also declares that it installs no exception handlers
# (NO_SEH); a 64-bit one may be placed anywhere in the 64-bit address space
# (HIGH_ENTROPY_VA). Neither raises or handles exceptions, so neither
# carries unwind tables (on x64, .pdata and .xdata would take the program
# from 11 to 12 KiB).
#
# The header's time stamp is the release's SOURCE_DATE_EPOCH
# (cmake/Reproducible.cmake).

# The entry symbol: 32-bit C names carry a leading underscore, x64 ones none.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QUORVEL_ENTRY_SYMBOL ProcessEntry)
  set(QUORVEL_PLATFORM_LINK_FLAGS -Wl,--high-entropy-va)
else()
  set(QUORVEL_ENTRY_SYMBOL _ProcessEntry)
  set(QUORVEL_PLATFORM_LINK_FLAGS -Wl,--no-seh)
endif()

function(quorvel_no_runtime_program target)
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti
    -fno-asynchronous-unwind-tables -fno-stack-protector -ffunction-sections -fdata-sections)
  target_link_options(${target} PRIVATE
    -nostdlib -nostartfiles -s
    -Wl,--entry=${QUORVEL_ENTRY_SYMBOL}
    -Wl,--gc-sections
    -Wl,--file-alignment=512,--section-alignment=4096
    -Wl,--dynamicbase,--enable-reloc-section,--nxcompat,--tsaware ${QUORVEL_PLATFORM_LINK_FLAGS}
    -Wl,--insert-timestamp
    -Wl,--disable-runtime-pseudo-reloc)
  # The linker takes the header's time stamp from SOURCE_DATE_EPOCH.
  set(stamp ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${QUORVEL_SOURCE_DATE_EPOCH})
  set_target_properties(${target} PROPERTIES C_LINKER_LAUNCHER "${stamp}"
                                             CXX_LINKER_LAUNCHER "${stamp}")
endfunction()
