# What a cross build for Windows needs beyond the compilers: dependencies built
# from source (Expat, zlib, libpng, GoogleTest), the GCC runtime DLLs beside
# our own, and Wine to run the tests.
#
# Every DLL and executable lands in one folder (bin/), because Windows, and so
# Wine, looks for a program's DLLs beside it. The GCC runtime stays shared:
# with a static copy of libgcc in each module, an exception thrown in one DLL
# could not unwind through the frames of another.

set(SUITE_WINDOWS_DEPS_DIR ${PROJECT_SOURCE_DIR}/build/_deps CACHE PATH
  "Sources fetched by scripts/install-windows-deps.sh")
add_link_options(-shared-libgcc)

# Expat, from Debian's source package, linked statically into QURParser.dll.
set(expat_source ${SUITE_WINDOWS_DEPS_DIR}/expat/expat)
if(NOT EXISTS ${expat_source}/CMakeLists.txt)
  message(FATAL_ERROR "Expat's sources are missing from ${expat_source}: run scripts/install-windows-deps.sh")
endif()
foreach(option BUILD_TOOLS BUILD_EXAMPLES BUILD_TESTS BUILD_DOCS BUILD_PKGCONFIG SHARED_LIBS)
  set(EXPAT_${option} OFF CACHE BOOL "" FORCE)
endforeach()
add_subdirectory(${expat_source} ${CMAKE_BINARY_DIR}/_deps/expat EXCLUDE_FROM_ALL SYSTEM)
add_library(EXPAT::EXPAT ALIAS expat)

include(WindowsPng)

# CLI11 is made of headers only: the host's copy serves the cross build too.
# It gets a folder of its own, so that no other host header can be found
# through it.
file(COPY /usr/include/CLI DESTINATION ${CMAKE_BINARY_DIR}/_deps/cli11/include)
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/_deps/cli11/include)

# GoogleTest, from the sources Debian ships in /usr/src/googletest.
if(SUITE_BUILD_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# The GCC runtime DLLs our modules import.
foreach(runtime libstdc++-6.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${runtime_path}")
    find_file(runtime_path ${runtime} PATHS /usr/${SUITE_MINGW_PREFIX}/lib NO_DEFAULT_PATH NO_CACHE)
  endif()
  if(NOT EXISTS "${runtime_path}")
    message(FATAL_ERROR "The GCC runtime ${runtime} was not found")
  endif()
  file(COPY ${runtime_path} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  install(FILES ${runtime_path} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# Wine runs every Windows program of the build, in a prefix of the build's own.
find_program(SUITE_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(NOT SUITE_WINE)
  message(WARNING "Wine was not found: the Windows programs build, but ctest cannot run them")
  set(SUITE_WINE wine)
endif()
find_program(SUITE_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(NOT SUITE_WINESERVER)
  set(SUITE_WINESERVER wineserver)
endif()
set(SUITE_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(SUITE_WINE_MMAP_SHIM_DIR ${SUITE_WINDOWS_DEPS_DIR}/wine-mmap-shim)
set(SUITE_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
# wine-session brings the prefix's server up before the tests and down after them.
set(SUITE_WINE_SESSION ${CMAKE_BINARY_DIR}/wine-session)
foreach(script wine-run wine-session)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${script}.sh.in ${CMAKE_BINARY_DIR}/${script} @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endforeach()
set(CMAKE_CROSSCOMPILING_EMULATOR ${SUITE_WINE_RUN})
