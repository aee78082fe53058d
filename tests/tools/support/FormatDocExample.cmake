# Script mode: checks the example of a format page under docs/. DOC is the
# page; its block after "<!-- example-input -->" is written to INPUT (made in
# a fresh folder), then ATELIER runs with ARGS (a list, in which @INPUT@ and
# @FOLDER@ stand for the file and its folder), and what it prints must be the
# page's block after "<!-- example-output ... -->", byte for byte. With
# RESAVE_ARGS, the tool then rewrites a copy of the input with those arguments
# and the copy must come out the same bytes as the input.
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/../../support/FencedBlock.cmake)

function(atelier_output out)
  list(TRANSFORM ARGN REPLACE "@INPUT@" "${input}")
  list(TRANSFORM ARGN REPLACE "@FOLDER@" "${folder}")
  execute_process(COMMAND ${ATELIER} ${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "atelier ${ARGN} failed (${result}): ${errors}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

set(folder ${WORK_DIR}/example)
set(input ${folder}/${INPUT})
file(REMOVE_RECURSE ${folder})
fenced_block_after(${DOC} "<!-- example-input" example)
file(WRITE ${input} "${example}")
fenced_block_after(${DOC} "<!-- example-output" expected)
atelier_output(output ${ARGS})
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "atelier ${ARGS} printed\n${output}\ninstead of the page's\n${expected}")
endif()
if(RESAVE_ARGS)
  atelier_output(ignored ${RESAVE_ARGS})
  file(READ ${input} after)
  if(NOT after STREQUAL example)
    message(FATAL_ERROR "saving the example again gave\n${after}")
  endif()
endif()
message("the example of ${DOC} holds")
