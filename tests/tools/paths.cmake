# atelier on files and folders whose names are not ASCII: the names reach the
# file system as given, and the tool prints them back as given.
add_test(NAME atelier_reads_writes_and_names_files_whose_names_are_not_ascii
  COMMAND sh -c "set -e; d=$(mktemp -d)/Zoë☃; mkdir \"$d\"; cp \"$1\" \"$d/nöte.xml\"
    \"$0\" xml \"$d/nöte.xml\" | head -n 1
    \"$0\" image pack \"$2\" \"$d/bïld.bin\"
    \"$0\" decode \"$d/nöne.txt\" 2>&1 || true
    ls \"$d\""
    ${atelier} ${PROJECT_SOURCE_DIR}/examples/xml/note.xml ${PROJECT_SOURCE_DIR}/examples/images/lakeside.png)
set_tests_properties(atelier_reads_writes_and_names_files_whose_names_are_not_ascii PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^<\\?xml version='1.0'\\?><note [^\n]*\nwrote [^\n]*/Zoë☃/bïld\\.bin: 320 x 240 pixels, 307208 bytes\natelier: [^\n]*/Zoë☃/nöne\\.txt: No such file or directory\nbïld\\.bin\nnöte\\.xml\n$")
