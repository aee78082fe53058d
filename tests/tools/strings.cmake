# atelier strings: check, get and locate over the sample folders in examples/strings.
set(strings_examples ${PROJECT_SOURCE_DIR}/examples/strings)
set(strings_folder ${strings_examples}/resources/en)
# A folder separator in the tool's output: "\" where Windows joins the names.
set(separator "(/|\\\\)")

# The sample folder repeats a key on purpose: the later entry is named.
add_test(NAME atelier_strings_check_counts_a_good_folder
  COMMAND ${atelier} strings check ${strings_folder})
set_tests_properties(atelier_strings_check_counts_a_good_folder PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^atelier: [^\n]*${separator}messages\\.str:11: warning: the key /menu/file is already held by [^\n]*${separator}menu\\.str:2; this entry is ignored\n4 string files, 14 entries, 11 named keys\n$")

add_test(NAME atelier_strings_check_names_file_and_editor_line_of_a_bad_entry
  COMMAND sh -c "\"${atelier}\" strings check \"$0\" 2>&1; echo \"exit=$?\""
          ${strings_examples}/broken/bad-line)
set_tests_properties(atelier_strings_check_names_file_and_editor_line_of_a_bad_entry PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^[^\n]*/broken/bad-line${separator}menu\\.str:3: bad string entry - invalid key\nexit=1\n$")

add_test(NAME atelier_strings_check_names_the_file_of_a_decoding_fault
  COMMAND sh -c "\"${atelier}\" strings check \"$0\" 2>&1; echo \"exit=$?\""
          ${strings_examples}/broken/bad-encoding)
set_tests_properties(atelier_strings_check_names_the_file_of_a_decoding_fault PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "/broken/bad-encoding${separator}latin1\\.str: malformed UTF-8 sequence\nexit=1\n$")

# An absent key is named, like plist get's, and fails the command once the
# other keys are printed; an empty text is still printed as an empty line.
add_test(NAME atelier_strings_get_prints_texts_and_fails_for_absent_keys
  COMMAND sh -c "\"$0\" strings get \"$1\" /dialog/about /missing /menu/file 100 /status/done 2>&1; echo exit=$?"
          ${atelier} ${strings_folder})
set_tests_properties(atelier_strings_get_prints_texts_and_fails_for_absent_keys PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^À propos d'Atelier\natelier: no key /missing in [^\n]*\nFile\natelier: no key 100 in [^\n]*\nDone 🎉\nexit=1\n$")

# Every bad line of every file, then a warning for each entry whose key an
# earlier one holds (both places named) and for each .STR file Init skips.
add_test(NAME atelier_strings_check_reports_every_problem_and_warns_about_lost_entries
  COMMAND sh -c "d=$(mktemp -d); printf '/a \"A\"\\n/b x\\n/a \"again\"\\n/c\\n' > \"$d/a.str\"
    printf 'k \"K\"\\n/a \"B\"\\n' > \"$d/b.str\"; printf '/c \"C\"\\n' > \"$d/c.STR\"; printf 'x' > \"$d/notes.txt\"
    \"$0\" strings check \"$d\" 2>&1; echo exit=$?; rm -rf \"$d\""
          ${atelier})
set_tests_properties(atelier_strings_check_reports_every_problem_and_warns_about_lost_entries PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^atelier: [^\n]*${separator}a\\.str:2: bad string entry - value not quoted\natelier: [^\n]*${separator}a\\.str:4: bad string entry - invalid key\natelier: [^\n]*${separator}b\\.str:1: bad string entry - invalid key\natelier: [^\n]*${separator}a\\.str:3: warning: the key /a is already held by [^\n]*${separator}a\\.str:1; this entry is ignored\natelier: [^\n]*${separator}b\\.str:2: warning: the key /a is already held by [^\n]*${separator}a\\.str:1; this entry is ignored\natelier: [^\n]*${separator}c\\.STR: warning: skipped: string files end in exactly \"\\.str\", in lower case\nexit=1\n$")

add_test(NAME atelier_strings_get_reports_a_bad_folder
  COMMAND ${atelier} strings get ${strings_examples}/broken/bad-line /menu/file)
set_tests_properties(atelier_strings_get_reports_a_bad_folder PROPERTIES LABELS tools WILL_FAIL TRUE)

add_test(NAME atelier_strings_locate_finds_the_marker_folder
  COMMAND ${atelier} strings locate ${strings_examples} strings.marker)
set_tests_properties(atelier_strings_locate_finds_the_marker_folder PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "/examples/strings${separator}resources${separator}en\n$")

add_test(NAME atelier_strings_locate_reports_an_absent_marker
  COMMAND sh -c "\"${atelier}\" strings locate \"$0\" Strings.marker 2>&1; echo \"exit=$?\""
          ${strings_examples})
set_tests_properties(atelier_strings_locate_reports_an_absent_marker PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "can't find string files\nexit=1\n$")

add_test(NAME atelier_strings_demo_shows_texts_from_every_encoding
  COMMAND ${atelier} demo)
set_tests_properties(atelier_strings_demo_shows_texts_from_every_encoding PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "/dialog/greet = \"Καλημέρα # not a comment inside quotes\"\n  /status/ready = \"Ready ✓\"")
