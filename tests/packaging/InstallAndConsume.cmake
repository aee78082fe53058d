# Script mode: install BUILD_DIR into WORK_DIR/prefix, then configure, build
# and run the consumer project in CONSUMER_DIR against that prefix. With
# TOOLCHAIN_FILE the consumer is cross-built, and EMULATOR runs it.
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

set(cross_options)
set(launch)
if(TOOLCHAIN_FILE)
  # The toolchain confines package searches to its own root: name the package's folder.
  set(cross_options -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN_FILE} -DAtelier_DIR=${prefix}/lib/cmake/Atelier)
  # Windows finds the installed DLLs on the search path, as it would an installed application's.
  set(launch ${CMAKE_COMMAND} -E env WINEPATH=Z:${prefix}/bin ${EMULATOR})
endif()
if(NOT STEP STREQUAL "run")
  file(REMOVE_RECURSE ${WORK_DIR})
  run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
  run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}"
    ${cross_options})
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
endif()
if(NOT STEP STREQUAL "build")
  run(${launch} ${WORK_DIR}/build/consumer${EXECUTABLE_SUFFIX})
endif()
