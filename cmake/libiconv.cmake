# GNU libiconv as the static library target `gnu_iconv`.
#
# Debian does not package GNU libiconv, and glibc's iconv writes other bytes
# (GBK 0x80 as the euro sign, "UCS-2" little-endian), so the sources come from
# the npm registry package iconv@3.0.1, whose tarball carries libiconv. The
# tarball is checked against its published integrity hash before it is
# unpacked into the build tree; nothing of it is kept in the source tree.

set(LUMETRA_ICONV_PACKAGE "iconv@3.0.1")
set(LUMETRA_ICONV_TARBALL "iconv-3.0.1.tgz")
# The registry's integrity value, sha512-lJnFLxVc0d82R7GfU7a9RujKVUQ3Eee19tPKWZWBJtAEGRHVEyFzCtbNl3GPKuDnHBBRT4/nDS4Ru9AIDT72qA==,
# written as hex.
set(LUMETRA_ICONV_SHA512
    "9499c52f155cd1df3647b19f53b6bd46e8ca55443711e7b5f6d3ca59958126d0041911d51321730ad6cd97718f2ae0e71c10514f8fe70d2e11bbd0080d3ef6a8")

if(LUMETRA_SYSTEM_ICONV)
  find_path(GNU_ICONV_INCLUDE_DIR iconv.h REQUIRED)
  find_library(GNU_ICONV_LIBRARY NAMES iconv libiconv REQUIRED)
  add_library(gnu_iconv UNKNOWN IMPORTED)
  set_target_properties(gnu_iconv PROPERTIES
    IMPORTED_LOCATION "${GNU_ICONV_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${GNU_ICONV_INCLUDE_DIR}")
  message(STATUS "GNU libiconv: installed ${GNU_ICONV_LIBRARY}")
  return()
endif()

# Shared by the builds of one machine, so the tarball is fetched once.
if(DEFINED ENV{LUMETRA_CACHE_DIR})
  set(cache_default "$ENV{LUMETRA_CACHE_DIR}")
elseif(DEFINED ENV{XDG_CACHE_HOME})
  set(cache_default "$ENV{XDG_CACHE_HOME}/lumetra")
elseif(DEFINED ENV{HOME})
  set(cache_default "$ENV{HOME}/.cache/lumetra")
else()
  set(cache_default "${CMAKE_BINARY_DIR}/_downloads")
endif()
set(LUMETRA_DOWNLOAD_DIR "${cache_default}" CACHE PATH "Where the libiconv tarball is kept")

set(tarball "${LUMETRA_DOWNLOAD_DIR}/${LUMETRA_ICONV_TARBALL}")

function(lumetra_iconv_hash_ok path out)
  file(SHA512 "${path}" actual)
  if(actual STREQUAL LUMETRA_ICONV_SHA512)
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

set(hash_ok FALSE)
if(EXISTS "${tarball}")
  lumetra_iconv_hash_ok("${tarball}" hash_ok)
  if(NOT hash_ok)
    message(STATUS "GNU libiconv: cached ${tarball} fails its hash check; fetching it again")
    file(REMOVE "${tarball}")
  endif()
endif()

if(NOT hash_ok)
  find_program(NPM_EXECUTABLE npm)
  if(NOT NPM_EXECUTABLE)
    message(FATAL_ERROR
      "GNU libiconv: npm was not found, so ${LUMETRA_ICONV_PACKAGE} cannot be downloaded.\n"
      "Install Node.js with npm (on Debian: apt-get install npm), or configure with "
      "-DLUMETRA_SYSTEM_ICONV=ON to link an installed GNU libiconv.")
  endif()
  file(MAKE_DIRECTORY "${LUMETRA_DOWNLOAD_DIR}")
  message(STATUS "GNU libiconv: downloading ${LUMETRA_ICONV_PACKAGE} with npm pack")
  execute_process(
    COMMAND "${NPM_EXECUTABLE}" pack "${LUMETRA_ICONV_PACKAGE}" --silent
    WORKING_DIRECTORY "${LUMETRA_DOWNLOAD_DIR}"
    RESULT_VARIABLE npm_result
    OUTPUT_VARIABLE npm_output
    ERROR_VARIABLE npm_error)
  if(NOT npm_result EQUAL 0 OR NOT EXISTS "${tarball}")
    message(FATAL_ERROR
      "GNU libiconv: 'npm pack ${LUMETRA_ICONV_PACKAGE}' failed (${npm_result}):\n${npm_error}\n"
      "Check the network connection and npm's registry setting (npm config get registry), "
      "then configure again.")
  endif()
  lumetra_iconv_hash_ok("${tarball}" hash_ok)
  if(NOT hash_ok)
    file(SHA512 "${tarball}" actual)
    file(REMOVE "${tarball}")
    message(FATAL_ERROR
      "GNU libiconv: ${LUMETRA_ICONV_TARBALL} does not match its integrity hash.\n"
      "  expected sha512 ${LUMETRA_ICONV_SHA512}\n  got      ${actual}\n"
      "The download was removed and nothing was unpacked. Configure again; if it keeps "
      "failing, the registry serves other content than the pinned package.")
  endif()
endif()

set(iconv_root "${CMAKE_BINARY_DIR}/_deps/iconv-3.0.1")
if(NOT EXISTS "${iconv_root}/package/deps/libiconv/lib/iconv.c")
  file(REMOVE_RECURSE "${iconv_root}")
  file(ARCHIVE_EXTRACT INPUT "${tarball}" DESTINATION "${iconv_root}")
endif()
set(iconv_lib "${iconv_root}/package/deps/libiconv/lib")
set(iconv_support "${iconv_root}/package/support")

add_library(gnu_iconv STATIC "${iconv_lib}/iconv.c" "${iconv_support}/localcharset.c")
target_include_directories(gnu_iconv SYSTEM PUBLIC "${iconv_support}" PRIVATE "${iconv_lib}")
target_compile_definitions(gnu_iconv PUBLIC ICONV_CONST=const PRIVATE ENABLE_EXTRA=1)
target_compile_options(gnu_iconv PRIVATE -w)
set_target_properties(gnu_iconv PROPERTIES C_STANDARD 99 POSITION_INDEPENDENT_CODE ON)
message(STATUS "GNU libiconv: built from ${LUMETRA_ICONV_PACKAGE}")
