# The libraries of a cross build (MinGW-w64), where Debian ships no packages
# for the target.

# CLI11 is header-only: the host's headers serve any target. They are copied
# so that no other host header comes into reach of the cross compiler.
file(COPY /usr/include/CLI DESTINATION ${CMAKE_BINARY_DIR}/host-headers)
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/host-headers)

# GoogleTest from Debian's sources (package googletest), built with the
# cross compiler; it provides GTest::gtest and GTest::gtest_main.
if(KELVARO_BUILD_TESTS)
  set(KELVARO_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${KELVARO_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# pkg-config looks only at the libraries built for Windows.
set(kelvaro_pkg_config_dirs)
foreach(folder IN LISTS KELVARO_WINDOWS_PREFIX)
  list(APPEND kelvaro_pkg_config_dirs ${folder}/lib/pkgconfig)
endforeach()
string(REPLACE ";" ":" kelvaro_pkg_config_dirs "${kelvaro_pkg_config_dirs}")
set(ENV{PKG_CONFIG_LIBDIR} "${kelvaro_pkg_config_dirs}")
