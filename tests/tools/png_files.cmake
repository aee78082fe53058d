# The tool's PNG reading, below the command line: memory use and pixels.
suite_add_test(atelier_png_files_tests LABEL tools
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PngFilesTest.cpp
  LIBS AtelierFiles)
target_compile_definitions(atelier_png_files_tests PRIVATE
  ATELIER_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
