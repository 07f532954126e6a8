# A Windows program without any C or C++ runtime: its own entry point
# (`ProcessEntry`), imports of system DLLs only, nothing unused kept, 512-byte
# file alignment and no relocation section. Quorvel.exe and the empty dialog
# the size and start-up reports compare it with are built alike.
function(quorvel_no_runtime_program target)
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti
    -fno-asynchronous-unwind-tables -fno-stack-protector -ffunction-sections -fdata-sections)
  target_link_options(${target} PRIVATE
    -nostdlib -nostartfiles -s
    -Wl,--entry=_ProcessEntry
    -Wl,--gc-sections
    -Wl,--file-alignment=512,--section-alignment=4096
    -Wl,--disable-dynamicbase,--disable-reloc-section
    -Wl,--disable-runtime-pseudo-reloc)
endfunction()
