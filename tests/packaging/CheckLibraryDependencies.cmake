# Script mode: fails unless every library named in EXPECTED needs exactly the
# libraries listed for it, no more and no fewer, as READER reads them: readelf
# -d (its NEEDED entries) or objdump -p (the DLLs of its import table).
#
# EXPECTED is a file that sets `libraries` to the names of the libraries and,
# for each library L, `file_L` to its file and `needs_L` to the file names of
# what it needs. For a Windows DLL it may also set `ordinal_imports_L` to
# entries "<DLL>=<ordinal>,<ordinal>...": L must import from each of those DLLs
# these ordinals and nothing else, none of them by name. In a sanitizer build
# it may set `served_by_sanitizer` to libraries that the sanitizer's runtime
# can stand in for: whether a library needs them is not compared.
include(${EXPECTED})

# The lines of `text`, as a list.
function(lines_of text out)
  string(REPLACE ";" "\\;" text "${text}")
  string(REPLACE "\n" ";" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The libraries `file` needs, sorted; in `imports_<DLL>` (parent scope), for
# each DLL of an import table, its entries: "#<ordinal>" for an import by
# ordinal alone, the name for an import by name.
function(read_dependencies file out)
  execute_process(COMMAND ${READER} ${file} OUTPUT_VARIABLE report RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${READER} cannot read ${file}")
  endif()
  lines_of("${report}" report_lines)
  set(needs)
  set(dll)
  foreach(line IN LISTS report_lines)
    if(line MATCHES "\\(NEEDED\\)[ \t]+Shared library: \\[([^]]+)\\]")
      list(APPEND needs ${CMAKE_MATCH_1})
    elseif(line MATCHES "^[ \t]*DLL Name: (.+)$")
      set(dll ${CMAKE_MATCH_1})
      list(APPEND needs ${dll})
      set(imports_${dll})
    elseif(dll AND line MATCHES "^\t80*([0-9a-f]+)\t +[0-9]+  <none>")
      # The high bit of the entry marks an import by ordinal; the rest is the ordinal.
      math(EXPR ordinal "0x${CMAKE_MATCH_1}")
      list(APPEND imports_${dll} "#${ordinal}")
    elseif(dll AND line MATCHES "^\t[0-9a-f]+\t +[0-9]+  (.+)$")
      list(APPEND imports_${dll} "${CMAKE_MATCH_1}")
    elseif(line STREQUAL "")
      set(dll)
    endif()
  endforeach()
  foreach(dll IN LISTS needs)
    set(imports_${dll} "${imports_${dll}}" PARENT_SCOPE)
  endforeach()
  list(SORT needs)
  set(${out} "${needs}" PARENT_SCOPE)
endfunction()

set(faults)
foreach(library IN LISTS libraries)
  get_filename_component(name ${file_${library}} NAME)
  read_dependencies(${file_${library}} needs)
  set(expected ${needs_${library}})
  if(served_by_sanitizer)
    list(REMOVE_ITEM needs ${served_by_sanitizer})
    list(REMOVE_ITEM expected ${served_by_sanitizer})
  endif()
  list(SORT expected)
  if(NOT "${needs}" STREQUAL "${expected}")
    string(APPEND faults "${name} needs [${needs}], it should need [${expected}]\n")
  endif()
  foreach(entry IN LISTS ordinal_imports_${library})
    string(REGEX MATCH "^([^=]+)=(.+)$" entry "${entry}")
    set(dll ${CMAKE_MATCH_1})
    string(REPLACE "," ";" ordinals "${CMAKE_MATCH_2}")
    list(TRANSFORM ordinals PREPEND "#")
    if(NOT "${imports_${dll}}" STREQUAL "${ordinals}")
      string(APPEND faults "${name} imports [${imports_${dll}}] from ${dll}, it should import [${ordinals}]"
        " (# and an ordinal: by ordinal alone)\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "${faults}")
endif()
list(LENGTH libraries count)
message("${count} libraries need exactly their dependencies")
