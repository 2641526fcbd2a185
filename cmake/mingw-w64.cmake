# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads):
# the layers below the windows, kelvaro-cli and their unit tests. The tests
# run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELVARO_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KELVARO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVARO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KELVARO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KELVARO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The build type of the preset: without optimisation and debug information,
# which keeps the build short (the tests are short too) and the programs small.
set(CMAKE_CXX_FLAGS_MINGW "" CACHE STRING "")
set(CMAKE_EXE_LINKER_FLAGS_MINGW "" CACHE STRING "")

# One self-contained .exe each: no MinGW runtime DLLs to carry along.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest runs the test programs through Wine.
find_program(KELVARO_WINE NAMES wine)
if(KELVARO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KELVARO_WINE})
endif()
