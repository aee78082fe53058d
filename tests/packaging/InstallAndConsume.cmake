# Script mode: installs BUILD_DIR into WORK_DIR/prefix, then builds and runs,
# against that prefix, the program in CONSUMER_DIR/main.cpp twice: with the
# CMake project that README shows under "Using a library", taken verbatim and
# configured with the compiler's default standard, and, where PKG_CONFIG is
# given, with the compiler and pkg-config alone. Then it runs the installed
# tool's demo, which must find its sample data under the prefix.
# With TOOLCHAIN_FILE everything is cross-built, and EMULATOR runs it.
# STEP is all (the default), build (install and build only) or run (run what
# an earlier build step made).
if(NOT STEP)
  set(STEP all)
endif()

function(run)
  execute_process(COMMAND ${ARGV} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGV}")
  endif()
endfunction()

set(prefix ${WORK_DIR}/prefix)
set(libraries glyphwerk arborix verbosa pixmorautils tethra)

set(cross_options)
set(launch)
if(TOOLCHAIN_FILE)
  # The toolchain confines package searches to its own root: name the package's folder.
  set(cross_options -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN_FILE} -DAtelier_DIR=${prefix}/lib/cmake/Atelier)
  # Windows finds the installed DLLs on the search path, as it would an installed application's.
  set(launch ${CMAKE_COMMAND} -E env WINEPATH=Z:${prefix}/bin ${EMULATOR})
endif()

# The README's project, as a reader would paste it.
include(${CMAKE_CURRENT_LIST_DIR}/../support/FencedBlock.cmake)
function(write_readme_project folder)
  fenced_block_after(${README} "## Using a library" project)
  file(WRITE ${folder}/CMakeLists.txt "${project}")
  file(COPY ${CONSUMER_DIR}/main.cpp DESTINATION ${folder})
endfunction()

if(NOT STEP STREQUAL "run")
  file(REMOVE_RECURSE ${WORK_DIR})
  run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
  write_readme_project(${WORK_DIR}/project)
  run(${CMAKE_COMMAND} -S ${WORK_DIR}/project -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}"
    ${cross_options})
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
  # A misspelt component is named, with the components there are.
  file(WRITE ${WORK_DIR}/misspelt/CMakeLists.txt
    "cmake_minimum_required(VERSION 3.25)\nproject(misspelt LANGUAGES CXX)\n"
    "find_package(Atelier CONFIG REQUIRED COMPONENTS Glyfwerk)\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${WORK_DIR}/misspelt -B ${WORK_DIR}/misspelt/build
      -G ${GENERATOR} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX_COMPILER} ${cross_options}
    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
  string(REGEX REPLACE "[ \t\n]+" " " output "${output}")
  if(result EQUAL 0 OR NOT output MATCHES "Atelier has no component Glyfwerk; its components are [^;]*Glyphwerk")
    message(FATAL_ERROR "a misspelt component was not named: ${output}")
  endif()
  if(PKG_CONFIG)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${prefix}/lib/pkgconfig
        ${PKG_CONFIG} --cflags --libs ${libraries}
      OUTPUT_VARIABLE pkg_flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "pkg-config does not know ${libraries}")
    endif()
    separate_arguments(pkg_flags UNIX_COMMAND "${pkg_flags}")
    separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")
    separate_arguments(linker_flags UNIX_COMMAND "${LINKER_FLAGS}")
    run(${CXX_COMPILER} -std=c++20 ${cxx_flags} ${CONSUMER_DIR}/main.cpp ${pkg_flags} ${linker_flags}
      -o ${WORK_DIR}/pkg_config_app)
  endif()
endif()
if(NOT STEP STREQUAL "build")
  run(${launch} ${WORK_DIR}/build/my_app${EXECUTABLE_SUFFIX})
  if(PKG_CONFIG)
    run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${prefix}/lib ${WORK_DIR}/pkg_config_app)
  endif()
  run(${launch} ${prefix}/bin/atelier${EXECUTABLE_SUFFIX} demo)
endif()
