# atelier case: full mappings of arguments and of standard input, whose line
# ends pass through as they are.
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
  COMMAND sh -c "printf 'one\\r\\nStraße\\n' | \"$1\" case upper | tr '\\r' '@'" sh ${atelier})
set_tests_properties(tools.case.reads_standard_input_lines_without_arguments PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "^ONE@\nSTRASSE\n$")

# Text that is not what it claims to be is refused with its place, never
# mapped with replacement characters; the text before the fault is mapped.
add_test(NAME tools.case.invalid_input_is_refused_with_its_offset
  COMMAND sh -c "printf 'caf\\351' | \"$0\" case upper 2>&1; echo \" exit=$?\"
    printf '\\377\\376a\\000\\000\\330b\\000' | \"$0\" case upper 2>&1; echo \" exit=$?\"
    printf '\\377\\376\\000\\000a\\000\\000\\000' | \"$0\" case upper 2>&1; echo \" exit=$?\"
    printf '\\376\\377\\000a\\000\\r\\000\\n' | \"$0\" case upper 2>&1 | tr '\\r' '@'; echo \" exit=$?\""
    ${atelier})
set_tests_properties(tools.case.invalid_input_is_refused_with_its_offset PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^CAFatelier: standard input: text ends inside a UTF-8 sequence at byte 3\n exit=1\nAatelier: standard input: unpaired surrogate U\\+D800 at byte 4\n exit=1\natelier: standard input: UTF-32LE byte-order mark \\(UTF-32 is not read\\) at byte 0\n exit=1\nA@\n exit=0\n$")

# Arguments reach the tool as bytes only outside Windows.
if(NOT CMAKE_CROSSCOMPILING)
  add_test(NAME tools.case.an_argument_that_is_not_utf8_is_refused
    COMMAND sh -c "\"$0\" case upper ok \"$(printf 'caf\\351')\" 2>&1; echo exit=$?" ${atelier})
  set_tests_properties(tools.case.an_argument_that_is_not_utf8_is_refused PROPERTIES LABELS tools
    PASS_REGULAR_EXPRESSION "^OK\natelier: argument 2: text ends inside a UTF-8 sequence at byte 3\nexit=1\n$")
endif()

add_test(NAME tools.case.unknown_mapping_is_refused
  COMMAND ${atelier} case title "x")
set_tests_properties(tools.case.unknown_mapping_is_refused PROPERTIES
  LABELS tools WILL_FAIL TRUE)

add_test(NAME tools.case.demo_shows_the_full_mappings
  COMMAND ${atelier} demo)
set_tests_properties(tools.case.demo_shows_the_full_mappings PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "Straße  ->  STRASSE")
