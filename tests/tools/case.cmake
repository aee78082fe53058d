# atelier case: full mappings of arguments and of standard input lines.
add_test(NAME tools.case.upper_expands_sharp_s_and_ligature
  COMMAND ${atelier} case upper "Straße" "ﬃ")
set_tests_properties(tools.case.upper_expands_sharp_s_and_ligature PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "^STRASSE\nFFI\n$")

add_test(NAME tools.case.fold_gives_final_sigma_for_every_sigma
  COMMAND ${atelier} case fold "ΣσςϲK")
set_tests_properties(tools.case.fold_gives_final_sigma_for_every_sigma PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "^ςςςςk\n$")

add_test(NAME tools.case.lower_keeps_each_argument_on_its_own_line
  COMMAND ${atelier} case lower "İSTANBUL" "ǅ")
set_tests_properties(tools.case.lower_keeps_each_argument_on_its_own_line PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "^istanbul\nǆ\n$")

add_test(NAME tools.case.reads_standard_input_lines_without_arguments
  COMMAND sh -c "printf 'one\\r\\nStraße\\n' | \"$1\" case upper" sh ${atelier})
set_tests_properties(tools.case.reads_standard_input_lines_without_arguments PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "^ONE\nSTRASSE\n$")

add_test(NAME tools.case.unknown_mapping_is_refused
  COMMAND ${atelier} case title "x")
set_tests_properties(tools.case.unknown_mapping_is_refused PROPERTIES
  LABELS tools WILL_FAIL TRUE)

add_test(NAME tools.case.demo_shows_the_full_mappings
  COMMAND ${atelier} demo)
set_tests_properties(tools.case.demo_shows_the_full_mappings PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "Straße  ->  STRASSE")
