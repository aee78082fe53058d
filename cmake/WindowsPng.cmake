# zlib and libpng for the Windows build of the command-line tool, compiled from
# Debian's sources (scripts/install-windows-deps.sh unpacks them) into static
# libraries, so that atelier.exe needs no further DLL. Their own build scripts
# would add example programs and tests of theirs; the sources alone are enough.

set(zlib_source ${SUITE_WINDOWS_DEPS_DIR}/zlib)
set(png_source ${SUITE_WINDOWS_DEPS_DIR}/libpng1.6)
foreach(source zlib_source png_source)
  if(NOT EXISTS ${${source}}/.unpacked)
    message(FATAL_ERROR "The sources in ${${source}} are missing: run scripts/install-windows-deps.sh")
  endif()
endforeach()

set(zlib_files adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate inftrees
  trees uncompr zutil)
list(TRANSFORM zlib_files PREPEND ${zlib_source}/)
list(TRANSFORM zlib_files APPEND .c)
add_library(suite_zlib STATIC EXCLUDE_FROM_ALL ${zlib_files})
target_include_directories(suite_zlib SYSTEM PUBLIC ${zlib_source})
add_library(ZLIB::ZLIB ALIAS suite_zlib)

# libpng's default configuration, as its release ships it ready-made.
set(png_config_dir ${CMAKE_BINARY_DIR}/_deps/libpng)
configure_file(${png_source}/scripts/pnglibconf.h.prebuilt ${png_config_dir}/pnglibconf.h COPYONLY)
set(png_files png pngerror pngget pngmem pngpread pngread pngrio pngrtran pngrutil pngset pngtrans pngwio
  pngwrite pngwtran pngwutil)
list(TRANSFORM png_files PREPEND ${png_source}/)
list(TRANSFORM png_files APPEND .c)
add_library(suite_png STATIC EXCLUDE_FROM_ALL ${png_files})
target_include_directories(suite_png SYSTEM PUBLIC ${png_source} ${png_config_dir})
target_link_libraries(suite_png PUBLIC ZLIB::ZLIB)
add_library(PNG::PNG ALIAS suite_png)
