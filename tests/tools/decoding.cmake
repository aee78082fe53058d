# atelier decode: every encoding form to UTF-8, and faults with their offsets.
set(decoding_examples ${PROJECT_SOURCE_DIR}/examples/text)

foreach(form utf8 utf8-bom utf16le-bom utf16be-bom)
  add_test(NAME tools.decode.${form}_prints_the_text_as_utf8
    COMMAND ${atelier} decode ${decoding_examples}/${form}.txt)
  set_tests_properties(tools.decode.${form}_prints_the_text_as_utf8 PROPERTIES
    LABELS tools PASS_REGULAR_EXPRESSION "^Grüße aus Köln — Привет из Москвы — こんにちは東京 — Καλημέρα 😀\nSecond line: naïve café, 5 €.\n$")
endforeach()

add_test(NAME tools.decode.fault_names_the_fault_and_where_it_starts
  COMMAND ${atelier} decode ${decoding_examples}/malformed-utf8.txt)
set_tests_properties(tools.decode.fault_names_the_fault_and_where_it_starts PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "malformed-utf8.txt: overlong or malformed UTF-8 sequence at byte 23")

add_test(NAME tools.decode.fault_keeps_the_text_decoded_before_it
  COMMAND sh -c "\"$1\" decode \"$2\" \"$3\" 2>/dev/null" sh ${atelier}
    ${decoding_examples}/utf8.txt ${decoding_examples}/malformed-utf8.txt)
set_tests_properties(tools.decode.fault_keeps_the_text_decoded_before_it PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "naïve café, 5 €.\nRead up to here: café ")

add_test(NAME tools.decode.fault_exits_with_1
  COMMAND ${atelier} decode ${decoding_examples}/malformed-utf8.txt)
set_tests_properties(tools.decode.fault_exits_with_1 PROPERTIES LABELS tools WILL_FAIL TRUE)

add_test(NAME tools.decode.missing_file_is_reported
  COMMAND ${atelier} decode ${decoding_examples}/no-such-file.txt)
set_tests_properties(tools.decode.missing_file_is_reported PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "^atelier: [^\n]*no-such-file\\.txt: No such file or directory\n$")

# UTF-16 with an unpaired surrogate and UTF-32 are refused with their place,
# never printed with replacement characters or NULs.
add_test(NAME tools.decode.unpaired_surrogates_and_utf32_are_refused
  COMMAND sh -c "d=$(mktemp -d); printf '\\377\\376a\\000\\000\\334' > \"$d/lone.txt\"
    printf '\\000\\000\\376\\377\\000\\000\\000a' > \"$d/utf32.txt\"; printf 'ab' > \"$d/two.txt\"
    \"$0\" decode \"$d/lone.txt\" 2>&1; echo \" exit=$?\"; \"$0\" decode \"$d/utf32.txt\" 2>&1; echo \" exit=$?\"
    \"$0\" decode \"$d/two.txt\" 2>&1; echo \" exit=$?\"; rm -rf \"$d\""
    ${atelier})
set_tests_properties(tools.decode.unpaired_surrogates_and_utf32_are_refused PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^aatelier: [^\n]*lone\\.txt: unpaired surrogate U\\+DC00 at byte 4\n exit=1\natelier: [^\n]*utf32\\.txt: UTF-32BE byte-order mark \\(UTF-32 is not read\\) at byte 0\n exit=1\nab exit=0\n$")
