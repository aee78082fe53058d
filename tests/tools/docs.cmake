# The examples of the format pages under docs/ are what the tool does.

add_test(NAME tools.docs.property_list_example_reads_and_saves_as_shown
  COMMAND ${CMAKE_COMMAND} -DDOC=${PROJECT_SOURCE_DIR}/docs/property-list-format.md -DATELIER=${atelier}
    -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/docs-plist -DINPUT=settings.xml
    "-DARGS=plist;show;@INPUT@" "-DRESAVE_ARGS=plist;set;@INPUT@;Open;bool;true"
    -P ${CMAKE_CURRENT_SOURCE_DIR}/support/FormatDocExample.cmake)
set_tests_properties(tools.docs.property_list_example_reads_and_saves_as_shown PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "the example of .* holds")

add_test(NAME tools.docs.string_file_example_gives_the_texts_shown
  COMMAND ${CMAKE_COMMAND} -DDOC=${PROJECT_SOURCE_DIR}/docs/string-file-format.md -DATELIER=${atelier}
    -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/docs-strings -DINPUT=menu.str
    "-DARGS=strings;get;@FOLDER@;/menu/file;/msg/path"
    -P ${CMAKE_CURRENT_SOURCE_DIR}/support/FormatDocExample.cmake)
set_tests_properties(tools.docs.string_file_example_gives_the_texts_shown PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "the example of .* holds")
