# Cross-compiles the Windows program with MinGW-w64 (Debian: g++-mingw-w64-x86-64).
# Use: cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VIDOMAT_MINGW_PREFIX x86_64-w64-mingw32)
# The win32 thread model: the program has one thread, and no DLL of the winpthreads
# library is needed.
find_program(CMAKE_C_COMPILER NAMES ${VIDOMAT_MINGW_PREFIX}-gcc-win32 ${VIDOMAT_MINGW_PREFIX}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${VIDOMAT_MINGW_PREFIX}-g++-win32 ${VIDOMAT_MINGW_PREFIX}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${VIDOMAT_MINGW_PREFIX}-windres REQUIRED)
find_program(VIDOMAT_OBJDUMP NAMES ${VIDOMAT_MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${VIDOMAT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in statically: the program needs no DLL beyond Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
