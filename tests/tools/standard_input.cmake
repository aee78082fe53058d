# "-" as an input path: xml, decode, plist show and get, image pack and unpack
# read standard input, which may be a pipe that cannot be set back.
set(stdin_examples ${PROJECT_SOURCE_DIR}/examples)

# Redirected from a file, standard input gives what the file gives.
add_test(NAME tools.standard_input.a_dash_reads_what_the_file_gives
  COMMAND sh -c "set -e; d=$(mktemp -d)
    \"$0\" xml \"$1/xml/note.xml\" > \"$d/file\"; \"$0\" xml - < \"$1/xml/note.xml\" > \"$d/dash\"; cmp \"$d/file\" \"$d/dash\"
    \"$0\" decode \"$1/text/utf16le-bom.txt\" > \"$d/file\"; \"$0\" decode - < \"$1/text/utf16le-bom.txt\" > \"$d/dash\"; cmp \"$d/file\" \"$d/dash\"
    \"$0\" plist show \"$1/settings/app-settings.xml\" > \"$d/file\"; \"$0\" plist show - < \"$1/settings/app-settings.xml\" > \"$d/dash\"; cmp \"$d/file\" \"$d/dash\"
    \"$0\" plist get - Window/Left < \"$1/settings/app-settings.xml\"
    \"$0\" image pack \"$1/images/lakeside.png\" \"$d/file.bin\" 2> /dev/null; \"$0\" image pack - \"$d/dash.bin\" < \"$1/images/lakeside.png\" 2> /dev/null; cmp \"$d/file.bin\" \"$d/dash.bin\"
    \"$0\" image unpack \"$d/file.bin\" \"$d/file.png\" 2> /dev/null; \"$0\" image unpack - \"$d/dash.png\" < \"$d/file.bin\" 2> /dev/null; cmp \"$d/file.png\" \"$d/dash.png\"
    echo same; rm -rf \"$d\""
    ${atelier} ${stdin_examples})
set_tests_properties(tools.standard_input.a_dash_reads_what_the_file_gives PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^-8\nsame\n$")

if(NOT CMAKE_CROSSCOMPILING)
  # A pipe, which cannot be set back, into every command that reads "-".
  add_test(NAME tools.standard_input.a_pipe_is_read_whole
    COMMAND sh -c "echo '<a/>' | \"$0\" xml -
      printf 'caf\\303\\251\\n' | \"$0\" decode -
      cat \"$1/settings/app-settings.xml\" | \"$0\" plist get - Window/Width
      cat \"$1/images/lakeside.png\" | \"$0\" image pack - - 2> /dev/null | \"$0\" image unpack - - 2> /dev/null | \"$0\" image pack - - 2>&1 > /dev/null"
      ${atelier} ${stdin_examples})
  set_tests_properties(tools.standard_input.a_pipe_is_read_whole PROPERTIES LABELS tools
    PASS_REGULAR_EXPRESSION "^<\\?xml version='1.0'\\?><a />\ncafé\n1280\nwrote -: 320 x 240 pixels, 307208 bytes\n$")

  # Faults in standard input are reported as "-", as a file's are by its name,
  # and the copy a library reads from is gone afterwards, also after a fault.
  add_test(NAME tools.standard_input.faults_name_standard_input_and_leave_nothing_behind
    COMMAND sh -c "d=$(mktemp -d); export TMPDIR=\"$d\"
      printf '<a></b>' | \"$0\" xml - 2>&1; echo exit=$?
      printf 'ab\\300z' | \"$0\" decode - 2>&1; echo \" exit=$?\"
      printf '<svg/>' | \"$0\" plist show - 2>&1; echo exit=$?
      printf 'not a png' | \"$0\" image pack - out.bin 2>&1; echo exit=$?
      : | \"$0\" xml - 2>&1; echo exit=$?
      ls -A \"$d\"; rm -rf \"$d\""
      ${atelier})
  set_tests_properties(tools.standard_input.faults_name_standard_input_and_leave_nothing_behind PROPERTIES LABELS tools
    PASS_REGULAR_EXPRESSION "^atelier: -:1:6: mismatched tag \\(XMLParseTagMismatch\\)\nexit=1\nabatelier: -: overlong or malformed UTF-8 sequence at byte 2\n exit=1\natelier: -: the root element is <svg>, not <prop\\.map>; not a property list\nexit=1\natelier: -: [^\n]+\nexit=1\natelier: -[^\n]*: XMLParse[A-Za-z]+\nexit=1\n$")
endif()
