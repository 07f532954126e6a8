# WebAssembly through Clang's own wasm32-wasi target and Debian's packages:
# wasi-libc's and libc++'s headers, compiler-rt's builtins, lld's wasm-ld.
# Programs built with it have no C or C++ runtime and no entry point; they
# are modules of exported functions (app/web/module/wasm).
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)

set(QUORVEL_WASM_TRIPLE wasm32-wasi)
set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET ${QUORVEL_WASM_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${QUORVEL_WASM_TRIPLE})
set(CMAKE_AR llvm-ar-14 CACHE FILEPATH "")
set(CMAKE_RANLIB llvm-ranlib-14 CACHE FILEPATH "")
set(CMAKE_CXX_COMPILER_AR llvm-ar-14 CACHE FILEPATH "")
set(CMAKE_CXX_COMPILER_RANLIB llvm-ranlib-14 CACHE FILEPATH "")
set(CMAKE_C_COMPILER_AR llvm-ar-14 CACHE FILEPATH "")
set(CMAKE_C_COMPILER_RANLIB llvm-ranlib-14 CACHE FILEPATH "")

# The checks link nothing: there is no C library start-up to link against.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

# What a module links besides its own objects: the builtins (128-bit
# arithmetic of the software core) and, of the C library, only what the
# compiler itself calls (memcpy, memset); the archive gives no more than is
# referenced.
set(QUORVEL_WASM_BUILTINS /usr/lib/llvm-14/lib/clang/14.0.6/lib/wasi/libclang_rt.builtins-wasm32.a)
set(QUORVEL_WASM_LIBC /usr/lib/wasm32-wasi/libc.a)
