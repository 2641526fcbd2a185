# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# The tests run under Wine.
#
# KELVARO_WINDOWS_PREFIX (a cache variable, or the environment variable of the
# same name at the first configure) lists the folders that hold libraries
# built for Windows: the one scripts/build-windows-libraries prints and,
# for the window program, Qt for Windows (the folder with lib/cmake/Qt6).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELVARO_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KELVARO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVARO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KELVARO_MINGW_PREFIX}-windres)

set(KELVARO_WINDOWS_PREFIX "$ENV{KELVARO_WINDOWS_PREFIX}" CACHE STRING
    "Folders of libraries built for Windows (Qt, the chart libraries, SQLite)")
set(CMAKE_FIND_ROOT_PATH /usr/${KELVARO_MINGW_PREFIX} ${KELVARO_WINDOWS_PREFIX})
foreach(folder IN LISTS KELVARO_WINDOWS_PREFIX)
  if(EXISTS ${folder}/lib/cmake/Qt6)
    # Qt's build tools (moc, uic, rcc) are those of the host's Qt.
    list(APPEND CMAKE_PREFIX_PATH ${folder})
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
  endif()
  if(EXISTS ${folder}/CMake/dateConfig.cmake)
    set(date_DIR ${folder}/CMake)
  endif()
endforeach()
# Qt for Windows is a release build; the empty entry takes the libraries
# found without configurations (SQLite) as they are.
set(CMAKE_MAP_IMPORTED_CONFIG_MINGW "Release;")
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
