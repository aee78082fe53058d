# fenced_block_after(<markdown file> <marker> <out>): sets <out> to the text
# of the first fenced code block (```) that follows the first occurrence of
# <marker> in the file; a missing marker or block fails the script.
function(fenced_block_after file marker out)
  file(READ ${file} page)
  string(FIND "${page}" "${marker}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${file} has no ${marker}")
  endif()
  string(SUBSTRING "${page}" ${at} -1 page)
  if(NOT page MATCHES "```[a-z]*\n([^`]*)```")
    message(FATAL_ERROR "${file} shows no code block after ${marker}")
  endif()
  set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()
