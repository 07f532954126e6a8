# Reads the header of the built Quorvel.exe straight from its bytes: the
# machine and header format of its platform (win32: i386, PE32; win64: x64,
# PE32+), the hardening bits in DllCharacteristics, a relocation table that
# is really there, the time stamp of the release, the size limit, and no
# path of the build machine anywhere in the file.
#   cmake -DEXECUTABLE=... -DEPOCH=... -DPLATFORM=win32|win64 -DSOURCE_DIR=... -DBINARY_DIR=...
#         -P check_pe_image.cmake
set(size_limit 12288)
set(failures "")

# Per platform: the machine, the optional header's magic, where its data
# directories begin, and the hardening bits besides DYNAMIC_BASE, NX_COMPAT
# and TERMINAL_SERVER_AWARE. NO_SEH has no meaning on x64, whose exception
# handling is table-based; HIGH_ENTROPY_VA has none on a 32-bit image.
if(PLATFORM STREQUAL "win64")
  set(machine_expected 34404)                      # IMAGE_FILE_MACHINE_AMD64
  set(magic_expected 523)                          # PE32+
  set(directories 112)
  set(platform_flags "HIGH_ENTROPY_VA;32")
elseif(PLATFORM STREQUAL "win32")
  set(machine_expected 332)                        # IMAGE_FILE_MACHINE_I386
  set(magic_expected 267)                          # PE32
  set(directories 96)
  set(platform_flags "NO_SEH;1024")
else()
  message(FATAL_ERROR "PLATFORM must be win32 or win64, not '${PLATFORM}'")
endif()

# Unsigned little-endian integer of `size` bytes at `offset`.
function(read_le offset size out)
  file(READ ${EXECUTABLE} hex OFFSET ${offset} LIMIT ${size} HEX)
  set(value 0)
  math(EXPR last "${size} - 1")
  foreach(i RANGE ${last} 0 -1)
    math(EXPR at "${i} * 2")
    string(SUBSTRING "${hex}" ${at} 2 byte)
    math(EXPR value "${value} * 256 + 0x${byte}")
  endforeach()
  set(${out} ${value} PARENT_SCOPE)
endfunction()

# expect(MESSAGE CONDITION...): the condition as if() takes it.
macro(expect message)
  if(${ARGN})
    message(STATUS "ok: ${message}")
  else()
    list(APPEND failures "${message}")
    message(STATUS "FAIL: ${message}")
  endif()
endmacro()

read_le(60 4 pe)                                   # e_lfanew
read_le(${pe} 4 signature)
if(NOT signature EQUAL 17744)                      # "PE\0\0"
  message(FATAL_ERROR "${EXECUTABLE} is not a PE image")
endif()
math(EXPR file_header "${pe} + 4")
math(EXPR optional "${pe} + 24")
read_le(${file_header} 2 machine)
read_le(${optional} 2 magic)
math(EXPR at "${file_header} + 4")
read_le(${at} 4 time_stamp)
math(EXPR at "${file_header} + 18")
read_le(${at} 2 characteristics)
math(EXPR at "${optional} + 70")
read_le(${at} 2 dll_characteristics)
math(EXPR at "${optional} + ${directories} + 5 * 8")  # base relocation directory
read_le(${at} 4 reloc_rva)
math(EXPR at "${at} + 4")
read_le(${at} 4 reloc_size)

expect("machine ${machine} is ${PLATFORM}'s ${machine_expected}" machine EQUAL machine_expected)
expect("optional header magic ${magic} is ${magic_expected}" magic EQUAL magic_expected)
foreach(flag "DYNAMIC_BASE;64" "NX_COMPAT;256" "TERMINAL_SERVER_AWARE;32768" "${platform_flags}")
  list(GET flag 0 name)
  list(GET flag 1 bit)
  math(EXPR set_bit "${dll_characteristics} & ${bit}")
  expect("DllCharacteristics has ${name}" set_bit)
endforeach()
math(EXPR stripped "${characteristics} & 1")
expect("relocations are not stripped" NOT stripped)
expect("a relocation table of ${reloc_size} bytes" reloc_rva GREATER 0 AND reloc_size GREATER 8)
expect("time stamp ${time_stamp} is the release's ${EPOCH}" time_stamp EQUAL EPOCH)

file(SIZE ${EXECUTABLE} size)
expect("${size} bytes, at most ${size_limit}" size LESS_EQUAL size_limit)

file(READ ${EXECUTABLE} content HEX)
foreach(dir ${SOURCE_DIR} ${BINARY_DIR})
  string(HEX "${dir}" dir_hex)
  string(FIND "${content}" "${dir_hex}" found)
  expect("no '${dir}' in the file" found EQUAL -1)
endforeach()

if(failures)
  message(FATAL_ERROR "Quorvel.exe: ${failures}")
endif()
