# Where atelier's output goes: through symbolic links to the file they name,
# never over a device or FIFO, to standard output for "-", and a failure to
# write standard output is an error.
set(writing_sample ${PROJECT_SOURCE_DIR}/examples/images/lakeside.png)

# "-" is standard output for every command that writes a file; what was
# written is reported on standard error, and no file named "-" appears.
add_test(NAME tools.writing.a_dash_as_output_path_writes_standard_output
  COMMAND sh -c "set -e; d=$(mktemp -d); cd \"$d\"
    \"$0\" image pack \"$1\" file.bin 2> /dev/null; \"$0\" image pack \"$1\" - > std.bin 2> report
    cmp file.bin std.bin && echo pack-same; cat report
    \"$0\" image unpack file.bin file.png 2> /dev/null; \"$0\" image unpack file.bin - > std.png 2> report
    cmp file.png std.png && echo unpack-same; cat report
    \"$0\" matte reduce \"$1\" file.png --colors 000000,0000FF,00FF00,FF0000 2> /dev/null
    \"$0\" matte reduce \"$1\" - --colors 000000,0000FF,00FF00,FF0000 > std.png 2> report
    cmp file.png std.png && echo reduce-same; cat report
    \"$0\" matte expand std.png - --colors 000000,0000FF,00FF00,FF0000 2> report | head -c 4 | od -An -c | tr -d ' '; cat report
    \"$0\" plist set - k u16 1 2>&1 || echo exit=$?
    ls -A; cd /; rm -rf \"$d\""
    ${atelier} ${writing_sample})
set_tests_properties(tools.writing.a_dash_as_output_path_writes_standard_output PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^pack-same\nwrote -: 320 x 240 pixels, 307208 bytes\nunpack-same\nwrote -: 320 x 240 pixels\nreduce-same\nwrote -: 320 x 240 pixels in four colours [^\n]*\n211PNG\nwrote -: 320 x 240 true-colour pixels\natelier: plist set rewrites FILE in place, so FILE cannot be - \\(standard output\\)\nexit=2\nfile\\.bin\nfile\\.png\nreport\nstd\\.bin\nstd\\.png\n$")

# Symbolic links, FIFOs and /dev/full belong to the host; Wine shows them otherwise.
if(NOT CMAKE_CROSSCOMPILING)
  # The link stays a link, and the file it names gets the change.
  add_test(NAME tools.writing.saving_through_a_symbolic_link_changes_the_file_it_names
    COMMAND sh -c "set -e; d=$(mktemp -d); mkdir \"$d/real\"
      \"$0\" plist set \"$d/real/target.xml\" a u16 1; chmod 640 \"$d/real/target.xml\"
      ln -s real/target.xml \"$d/link.xml\"; \"$0\" plist set \"$d/link.xml\" b u16 2
      test -L \"$d/link.xml\" && echo still-a-link; stat -c %a \"$d/real/target.xml\"
      \"$0\" plist get \"$d/real/target.xml\" a; \"$0\" plist get \"$d/real/target.xml\" b; rm -rf \"$d\""
      ${atelier})
  set_tests_properties(tools.writing.saving_through_a_symbolic_link_changes_the_file_it_names PROPERTIES LABELS tools
    PASS_REGULAR_EXPRESSION "^still-a-link\n640\n1\n2\n$")

  # A device or FIFO is refused, and stays what it is.
  add_test(NAME tools.writing.a_fifo_as_output_is_refused_and_kept
    COMMAND sh -c "d=$(mktemp -d); mkfifo \"$d/pipe\"
      \"$0\" image pack \"$1\" \"$d/pipe\" 2>&1; echo exit=$?
      \"$0\" plist set \"$d/pipe\" k u16 1 2>&1; echo exit=$?
      test -p \"$d/pipe\" && echo still-a-fifo; ls -A \"$d\"; rm -rf \"$d\""
      ${atelier} ${writing_sample})
  set_tests_properties(tools.writing.a_fifo_as_output_is_refused_and_kept PROPERTIES LABELS tools
    PASS_REGULAR_EXPRESSION "^atelier: cannot write '[^\n]*/pipe': it is a device, FIFO or socket, not a regular file, and is left as it is\nexit=1\natelier: [^\n]*/pipe: not a regular file; nothing was changed\nexit=1\nstill-a-fifo\npipe\n$")

  # Every command that prints: a full standard output is a failure, named.
  add_test(NAME tools.writing.output_that_cannot_be_written_is_an_error
    COMMAND sh -c "\"$0\" xml \"$1\" > /dev/full; echo exit=$?
      \"$0\" decode \"$2\" > /dev/full; echo exit=$?
      \"$0\" plist show \"$3\" > /dev/full; echo exit=$?
      \"$0\" case upper abc > /dev/full; echo exit=$?
      \"$0\" strings get \"$4\" /menu/file > /dev/full; echo exit=$?
      \"$0\" image pack \"$5\" - > /dev/full; echo exit=$?
      \"$0\" --help > /dev/full; echo exit=$?"
      ${atelier} ${PROJECT_SOURCE_DIR}/examples/xml/note.xml ${PROJECT_SOURCE_DIR}/examples/text/utf8.txt
      ${PROJECT_SOURCE_DIR}/examples/settings/app-settings.xml ${PROJECT_SOURCE_DIR}/examples/strings/resources/en
      ${writing_sample})
  string(REPEAT "atelier: error writing standard output: No space left on device\nexit=1\n" 7 every_command_failed)
  set_tests_properties(tools.writing.output_that_cannot_be_written_is_an_error PROPERTIES LABELS tools
    PASS_REGULAR_EXPRESSION "^${every_command_failed}$")
endif()
