# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (its POSIX thread model, which
# std::thread and Qt need). Qt for Windows itself is built with this file too, so the
# program and the Qt it links were made by one compiler with one set of flags.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries and headers for Windows only: MinGW's own, and any prefix the build names in
# CMAKE_FIND_ROOT_PATH, such as that of Qt for Windows.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests and other cross-built programs run under Wine.
find_program(KRAFTFELD_WINE NAMES wine64 wine)
if(KRAFTFELD_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KRAFTFELD_WINE})
endif()
