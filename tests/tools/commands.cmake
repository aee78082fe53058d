# atelier as a whole: exit codes and the words it does not know.

# 0 success (help included), 1 the work failed, 2 usage error; --help says so.
add_test(NAME tools.commands.exit_codes_tell_usage_errors_from_failed_work
  COMMAND sh -c "\"$1\" --help | grep -c 'Exit codes: 0 success; 1 the work failed'; echo exit=$?
    \"$1\" xml > /dev/null 2>&1; echo missing-argument=$?
    \"$1\" decode --bogus \"$2\" > /dev/null 2>&1; echo unknown-option=$?
    \"$1\" plist show \"$3\" extra > /dev/null 2>&1; echo extra-argument=$?
    f=$(mktemp); cp \"$3\" \"$f\"; \"$1\" plist set \"$f\" Fresh i32 many > /dev/null 2>&1; echo malformed-value=$?; rm -f \"$f\"
    \"$1\" xml \"$4\" > /dev/null 2>&1; echo parse-failure=$?
    \"$1\" decode \"$2\" > /dev/null 2>&1; echo success=$?"
    sh ${atelier} ${PROJECT_SOURCE_DIR}/examples/xml/note.xml ${PROJECT_SOURCE_DIR}/examples/settings/app-settings.xml
    ${PROJECT_SOURCE_DIR}/examples/xml/broken.xml)
set_tests_properties(tools.commands.exit_codes_tell_usage_errors_from_failed_work PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^1\nexit=0\nmissing-argument=2\nunknown-option=2\nextra-argument=2\nmalformed-value=2\nparse-failure=1\nsuccess=0\n$")

# An unknown command is named, with the commands known at that place.
add_test(NAME tools.commands.an_unknown_command_is_named_with_the_known_ones
  COMMAND sh -c "\"$1\" decod x 2>&1; echo exit=$?; \"$1\" case bogus x 2>&1; echo exit=$?" sh ${atelier})
set_tests_properties(tools.commands.an_unknown_command_is_named_with_the_known_ones PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^atelier: unknown command 'decod'; the commands are: case, decode, demo, image, matte, plist, strings, xml\nexit=2\natelier case: unknown command 'bogus'; the commands of case are: upper, lower, fold\nexit=2\n$")

# --version prints the suite's version, the one the libraries' headers give.
string(REPLACE "." "\\." version_pattern ${PROJECT_VERSION})
add_test(NAME tools.commands.version_is_the_suites
  COMMAND sh -c "\"$1\" --version; echo exit=$?" sh ${atelier})
set_tests_properties(tools.commands.version_is_the_suites PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^atelier ${version_pattern}\nexit=0\n$")

# The demo finds the sample data beside the program's folder, and says where it
# looked when it is not there.
add_test(NAME tools.commands.demo_without_its_sample_data_says_where_it_looked
  COMMAND sh -c "\"$1\" demo --examples \"$2\" 2>&1; echo exit=$?" sh ${atelier} ${CMAKE_CURRENT_BINARY_DIR}/no-such-folder)
set_tests_properties(tools.commands.demo_without_its_sample_data_says_where_it_looked PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "no-such-folder")

# A problem with an input file is a failed work (exit 1), told the same way
# by every command: "atelier: FILE: message".
add_test(NAME tools.commands.every_command_reports_a_missing_input_the_same_way
  COMMAND sh -c "d=$(mktemp -d); cd \"$d\"
    for command in 'decode' 'image pack' 'image unpack' 'plist show' 'plist get'; do
      \"$0\" $command none.in k 2>&1; echo exit=$?
    done
    \"$0\" xml none.in 2>&1; echo exit=$?
    \"$0\" matte reduce none.in out.png --colors 000000,0000FF,00FF00,FF0000 2>&1; echo exit=$?
    for command in 'strings check' 'strings get' 'strings locate'; do
      \"$0\" $command none.dir k 2>&1; echo exit=$?
    done
    mkdir folder; touch file
    \"$0\" xml folder 2>&1; echo exit=$?; \"$0\" decode folder 2>&1; echo exit=$?
    \"$0\" strings check file 2>&1; echo exit=$?; ls -A; cd /; rm -rf \"$d\""
    ${atelier})
string(REPEAT "atelier: none\\.in: No such file or directory\nexit=1\n" 7 missing_files)
string(REPEAT "atelier: none\\.dir: No such file or directory\nexit=1\n" 3 missing_folders)
set_tests_properties(tools.commands.every_command_reports_a_missing_input_the_same_way PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^${missing_files}${missing_folders}atelier: folder: a folder, not a file\nexit=1\natelier: folder: a folder, not a file\nexit=1\natelier: file: not a folder\nexit=1\nfile\nfolder\n$")
