# The progress line of a large input (over 50 MB) for decode, xml --noout and
# image: shown on a terminal only, cleared at the end, never with --quiet. The
# inputs are sparse 51 MB files that are damaged at their start, so that the
# work stops at once.
if(NOT CMAKE_CROSSCOMPILING)
  add_test(NAME tools.progress.no_progress_line_when_standard_error_is_not_a_terminal
    COMMAND sh -c "d=$(mktemp -d); printf '\\377\\377' > \"$d/big.txt\"; truncate -s 51M \"$d/big.txt\"
      \"$0\" decode \"$d/big.txt\" 2>&1; echo exit=$?; rm -rf \"$d\""
      ${atelier})
  set_tests_properties(tools.progress.no_progress_line_when_standard_error_is_not_a_terminal PROPERTIES LABELS tools
    PASS_REGULAR_EXPRESSION "^atelier: [^\n]*/big\\.txt: overlong or malformed UTF-8 sequence at byte 0\nexit=1\n$")

  find_program(script_program script)
  if(script_program)
    # `script` runs the tool with a terminal as its standard error.
    add_test(NAME tools.progress.a_terminal_shows_the_progress_of_a_large_input_and_clears_it
      COMMAND sh -c "d=$(mktemp -d); printf '\\377\\377' > \"$d/big.txt\"; truncate -s 51M \"$d/big.txt\"
        printf 'ab' > \"$d/small.txt\"; cd \"$d\"
        \"$1\" -qc \"'$0' decode big.txt\" /dev/null | tr '\\r' '|'; echo
        \"$1\" -qc \"'$0' decode --quiet big.txt\" /dev/null | tr '\\r' '|'; echo
        \"$1\" -qc \"'$0' decode small.txt\" /dev/null | tr '\\r' '|'; echo
        printf '<a></b>' > big.xml; truncate -s 51M big.xml; cp big.xml big.png
        \"$1\" -qc \"'$0' xml --noout big.xml\" /dev/null | tr '\\r' '|'; echo
        \"$1\" -qc \"'$0' xml --noout --quiet big.xml\" /dev/null | tr '\\r' '|'; echo
        \"$1\" -qc \"'$0' image pack big.png out.bin\" /dev/null | tr '\\r' '|'; echo
        \"$1\" -qc \"'$0' image pack --quiet big.png out.bin\" /dev/null | tr '\\r' '|'; echo; cd /; rm -rf \"$d\""
        ${atelier} ${script_program})
    set_tests_properties(tools.progress.a_terminal_shows_the_progress_of_a_large_input_and_clears_it PROPERTIES
      LABELS tools
      PASS_REGULAR_EXPRESSION "^\\|atelier: big\\.txt: 0\\.0 MB of 51\\.0 MB[^|]*\\| +\\|atelier: big\\.txt: overlong or malformed UTF-8 sequence at byte 0\\|?\n\natelier: big\\.txt: overlong or malformed UTF-8 sequence at byte 0\\|?\n\nab\n\\|atelier: big\\.xml: [0-9.]+ MB of 51\\.0 MB[^|]*\\| +\\|atelier: big\\.xml:1:6: mismatched tag \\(XMLParseTagMismatch\\)\\|?\n\natelier: big\\.xml:1:6: mismatched tag \\(XMLParseTagMismatch\\)\\|?\n\n\\|atelier: big\\.png: [0-9.]+ MB of 51\\.0 MB[^|]*\\| +\\|atelier: big\\.png: [^|\n]+\\|?\n\natelier: big\\.png: [^|\n]+\\|?\n\n$")
  endif()
endif()
