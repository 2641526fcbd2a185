# Shared settings and helpers for every Kelvaro target.

include(GoogleTest OPTIONAL)

set(KELVARO_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(KELVARO_WARNINGS_AS_ERRORS)
  list(APPEND KELVARO_WARNINGS -Werror)
endif()

# The folder of the sample transit files, the one way tests and benchmarks
# find them: their sources see it as KELVARO_SAMPLES_DIR.
set(KELVARO_SAMPLES_DIR ${PROJECT_SOURCE_DIR}/samples)

# The libraries of the program compiled a few files at a time (one
# translation unit of several sources), which halves the time of a build
# that is made once and not worked in: the package's and the Windows one
# (their presets set it). The checked build compiles file by file, so that
# every file stands on its own and the lint reads each one.
option(KELVARO_UNITY_BUILD "Compile the program's libraries a few files at a time" OFF)

# kelvaro_library(<name> SOURCES ... [DEPS ...])
# A static library whose headers are included as "<folder>/<file>.h" from src/.
function(kelvaro_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES UNITY_BUILD ${KELVARO_UNITY_BUILD})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${KELVARO_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# kelvaro_gtest(<name> SOURCES ... [DEPS ...])
# A GoogleTest executable registered with CTest, one test per case.
function(kelvaro_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE ${KELVARO_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  if(CMAKE_CROSSCOMPILING)
    # One test per program: listing the cases would start the emulator at build time.
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  else()
    gtest_discover_tests(${name} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  endif()
endfunction()

# kelvaro_qtest(<name> SOURCES ... [DEPS ...])
# A QtTest executable for the windows, registered with CTest and run
# without a display (offscreen platform).
function(kelvaro_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE ${KELVARO_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} Qt6::Test)
  # Under Wine in the build folder, where the offscreen screen's file goes
  # (see ui/platform/offscreen_screen.h).
  if(WIN32)
    set(folder ${CMAKE_BINARY_DIR})
  else()
    set(folder ${PROJECT_SOURCE_DIR})
  endif()
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${folder})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${KELVARO_QTEST_ENVIRONMENT}")
endfunction()

# The environment of the window tests. On Windows the offscreen platform
# finds fonts only in one folder: Debian's DejaVu fonts, which the Linux
# tests get through fontconfig, so that texts are measured alike. Wine hands
# QT_* variables to the program only when they are spelled WINEQT_*.
set(KELVARO_QTEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
if(WIN32)
  list(APPEND KELVARO_QTEST_ENVIRONMENT "WINEQT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/dejavu")
endif()
