# The DLLs a Qt program built with MinGW-w64 needs beside it on Windows:
# those of the Qt modules named and the compiler's runtime, which the Qt
# DLLs link. kelvaro_windows_dlls(<out-var> <Qt module>...)
function(kelvaro_windows_dlls out)
  set(dlls)
  foreach(module IN LISTS ARGN)
    list(APPEND dlls ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}/Qt6${module}.dll)
  endforeach()
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE location OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND dlls ${location})
  endforeach()
  set(${out} ${dlls} PARENT_SCOPE)
endfunction()

# The program's own fonts (see print/program_fonts.h), which a Windows need
# not have, from Debian's fonts-liberation2, with their licence.
set(KELVARO_FONTS_SOURCE /usr/share/fonts/truetype/liberation2)
file(GLOB KELVARO_PROGRAM_FONTS ${KELVARO_FONTS_SOURCE}/LiberationMono-*.ttf
     ${KELVARO_FONTS_SOURCE}/LiberationSans-*.ttf)
set(KELVARO_PROGRAM_FONTS_LICENCE /usr/share/doc/fonts-liberation2/copyright)
