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

# --from ENCODING reads a legacy encoding through the platform's converters.
add_test(NAME tools.decode.from_reads_legacy_encodings
  COMMAND sh -c "d=$(mktemp -d); printf '\\317\\360\\350\\342\\345\\362\\n' > \"$d/cp1251.txt\"
    printf '\\360\\322\\311\\327\\305\\324\\n' > \"$d/koi8r.txt\"; printf '\\223\\372\\226\\173\\n' > \"$d/sjis.txt\"
    \"$0\" decode --from windows-1251 \"$d/cp1251.txt\"; \"$0\" decode --from KOI8-R \"$d/koi8r.txt\"
    \"$0\" decode --from shift_jis \"$d/sjis.txt\"; echo exit=$?; rm -rf \"$d\""
    ${atelier})
set_tests_properties(tools.decode.from_reads_legacy_encodings PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^Привет\nПривет\n日本\nexit=0\n$")

# A byte that is no character of the encoding ends the decoding where it
# stands, after the text before it: at once, and past the first block the
# decoder is given.
add_test(NAME tools.decode.from_names_the_file_and_offset_of_a_fault
  COMMAND sh -c "d=$(mktemp -d); printf 'ab\\230cd' > \"$d/single.txt\"
    { head -c 70000 /dev/zero | tr '\\0' a; printf '\\230'; } > \"$d/late.txt\"
    \"$0\" decode --from windows-1251 \"$d/single.txt\" 2>&1; echo \" exit=$?\"
    \"$0\" decode --from windows-1251 \"$d/late.txt\" > \"$d/out\" 2>&1; echo \" exit=$?\" >> \"$d/out\"
    test -z \"$(head -c 70000 \"$d/out\" | tr -d a)\" && printf '[70000 a]'; tail -c +70001 \"$d/out\"; rm -rf \"$d\""
    ${atelier})
set_tests_properties(tools.decode.from_names_the_file_and_offset_of_a_fault PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^abatelier: [^\n]*/single\\.txt: not a character of windows-1251 at byte 2\n exit=1\n\\[70000 a\\]atelier: [^\n]*/late\\.txt: not a character of windows-1251 at byte 70000\n exit=1\n$")

# In a multi-byte encoding the fault starts at the lead byte of a bad pair,
# and at the first byte of a character cut off by the end. (Windows converts
# Shift_JIS up to a byte that surely ends a character, so it places such a
# fault at the start of that run instead.)
if(NOT WIN32)
  add_test(NAME tools.decode.from_places_a_multibyte_fault_at_its_lead_byte
    COMMAND sh -c "d=$(mktemp -d); printf '\\223\\372\\223 ' > \"$d/trail.txt\"
      printf '\\223\\372\\226\\173\\202' > \"$d/cut.txt\"
      \"$0\" decode --from Shift_JIS \"$d/trail.txt\" 2>&1; echo \" exit=$?\"
      \"$0\" decode --from Shift_JIS \"$d/cut.txt\" 2>&1; echo \" exit=$?\"; rm -rf \"$d\""
      ${atelier})
  set_tests_properties(tools.decode.from_places_a_multibyte_fault_at_its_lead_byte PROPERTIES LABELS tools
    PASS_REGULAR_EXPRESSION "^日atelier: [^\n]*/trail\\.txt: not a character of Shift_JIS at byte 2\n exit=1\n日本atelier: [^\n]*/cut\\.txt: not a character of Shift_JIS at byte 4\n exit=1\n$")
endif()

# An encoding the system cannot decode is a usage error, told before any file
# is read.
add_test(NAME tools.decode.from_refuses_an_unknown_encoding
  COMMAND sh -c "\"$0\" decode --from no-such-encoding \"$1\" 2>&1; echo exit=$?
    \"$0\" decode --from 'UTF-8//IGNORE' \"$1\" 2>&1; echo exit=$?"
    ${atelier} ${decoding_examples}/utf8.txt)
set_tests_properties(tools.decode.from_refuses_an_unknown_encoding PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^atelier: --from: this system cannot decode the encoding 'no-such-encoding'\nexit=2\natelier: --from: this system cannot decode the encoding 'UTF-8//IGNORE'\nexit=2\n$")
