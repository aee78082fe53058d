# atelier matte and atelier image: four-colour PNGs and the stored image form.
set(images_sample ${PROJECT_SOURCE_DIR}/examples/images/lakeside.png)
set(images_out ${CMAKE_CURRENT_BINARY_DIR}/images)
set(images_colors 1E2846,6E5078,F0A064,FFF0C8)
file(MAKE_DIRECTORY ${images_out})

add_test(NAME tools.images.reduce_writes_an_indexed_png
  COMMAND ${atelier} matte reduce ${images_sample} ${images_out}/matte.png --colors ${images_colors})
set_tests_properties(tools.images.reduce_writes_an_indexed_png PROPERTIES
  LABELS tools FIXTURES_SETUP images_matte
  PASS_REGULAR_EXPRESSION "^wrote .*matte.png: 320 x 240 pixels in four colours 1E2846,6E5078,F0A064,FFF0C8\n$")

add_test(NAME tools.images.expand_reads_the_indices_back
  COMMAND ${atelier} matte expand ${images_out}/matte.png ${images_out}/expanded.png
          --colors 000000,555555,AAAAAA,FFFFFF)
set_tests_properties(tools.images.expand_reads_the_indices_back PROPERTIES
  LABELS tools FIXTURES_REQUIRED images_matte
  PASS_REGULAR_EXPRESSION "^wrote .*expanded.png: 320 x 240 true-colour pixels\n$")

add_test(NAME tools.images.expand_refuses_a_true_colour_png
  COMMAND sh -c "\"$1\" matte expand \"$2\" \"$3\" --colors ${images_colors}; echo exit=$?"
          sh ${atelier} ${images_sample} ${images_out}/refused.png)
set_tests_properties(tools.images.expand_refuses_a_true_colour_png PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "not a palette \\(indexed\\) PNG\nexit=1")

add_test(NAME tools.images.malformed_colours_are_refused
  COMMAND sh -c "\"$1\" matte reduce \"$2\" \"$3\" --colors 1E2846,6E5078,F0A06; echo exit=$?"
          sh ${atelier} ${images_sample} ${images_out}/refused.png)
set_tests_properties(tools.images.malformed_colours_are_refused PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "takes four colours RRGGBB,RRGGBB,RRGGBB,RRGGBB.*\nexit=2")

add_test(NAME tools.images.matte_help_names_the_colours_option
  COMMAND ${atelier} matte reduce --help)
set_tests_properties(tools.images.matte_help_names_the_colours_option PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "--colors")

add_test(NAME tools.images.pack_stores_size_and_pixels
  COMMAND ${atelier} image pack ${images_sample} ${images_out}/packed.bin)
set_tests_properties(tools.images.pack_stores_size_and_pixels PROPERTIES
  LABELS tools FIXTURES_SETUP images_packed
  PASS_REGULAR_EXPRESSION "^wrote .*packed.bin: 320 x 240 pixels, 307208 bytes\n$")

# Unpacking and packing again must give the same bytes: nothing is lost either way.
add_test(NAME tools.images.unpack_then_pack_gives_the_same_bytes
  COMMAND sh -c "\"$1\" image unpack \"$2/packed.bin\" \"$2/unpacked.png\" && \"$1\" image pack \"$2/unpacked.png\" \"$2/repacked.bin\" && cmp \"$2/packed.bin\" \"$2/repacked.bin\" && echo identical"
          sh ${atelier} ${images_out})
set_tests_properties(tools.images.unpack_then_pack_gives_the_same_bytes PROPERTIES
  LABELS tools FIXTURES_REQUIRED images_packed PASS_REGULAR_EXPRESSION "identical\n$")

add_test(NAME tools.images.unpack_refuses_a_truncated_image
  COMMAND sh -c "head -c 100 \"$2/packed.bin\" > \"$2/short.bin\"; \"$1\" image unpack \"$2/short.bin\" \"$2/short.png\"; echo exit=$?"
          sh ${atelier} ${images_out})
set_tests_properties(tools.images.unpack_refuses_a_truncated_image PROPERTIES
  LABELS tools FIXTURES_REQUIRED images_packed
  PASS_REGULAR_EXPRESSION "stored image size 320 x 240 needs 307200 bytes of pixels, but the stream holds only 92\nexit=1")

add_test(NAME tools.images.demo_reduces_the_sample_photograph
  COMMAND ${atelier} demo)
set_tests_properties(tools.images.demo_reduces_the_sample_photograph PROPERTIES
  LABELS tools PASS_REGULAR_EXPRESSION "reduced .*lakeside.png \\(320 x 240\\) to four colours:.*result: [^\n]*lakeside-four-colors.png")

# A file that cannot be written is an error, never "wrote": here the output is
# an existing folder, which a file cannot replace. Nothing is left behind.
add_test(NAME tools.images.writing_over_a_folder_fails_and_keeps_the_folder
  COMMAND sh -c "d=$(mktemp -d); mkdir \"$d/pack.out\" \"$d/matte.out\"; touch \"$d/pack.out/kept\" \"$d/matte.out/kept\"
    \"$1\" image pack \"$2\" \"$d/pack.out\" 2>&1; echo exit=$?
    \"$1\" matte reduce \"$2\" \"$d/matte.out\" --colors ${images_colors} 2>&1; echo exit=$?
    ls -A \"$d\" \"$d/pack.out\" \"$d/matte.out\"; rm -rf \"$d\""
    sh ${atelier} ${images_sample})
set_tests_properties(tools.images.writing_over_a_folder_fails_and_keeps_the_folder PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^atelier: cannot replace '[^\n]*pack\\.out': [^\n]*\nexit=1\natelier: cannot replace '[^\n]*matte\\.out': [^\n]*\nexit=1\n[^\n]*:\nmatte\\.out\npack\\.out\n\n[^\n]*:\nkept\n\n[^\n]*:\nkept\n$")

# The disk fills while the last bytes are written (they are held in the
# buffer until then): an error, and the old file stays as it was. Linux only:
# it mounts a tiny tmpfs of its own, which takes root (skipped otherwise).
if(NOT CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
  add_test(NAME tools.images.a_disk_that_fills_at_the_last_write_fails_and_keeps_the_old_file
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/with-a-full-disk.sh 8192
      "echo old > \"$disk/packed.bin\"; echo old > \"$disk/matte.png\"
       \"$1\" image pack \"$2\" \"$disk/packed.bin\" 2>&1; echo exit=$?
       \"$1\" matte reduce \"$3\" \"$disk/matte.png\" --colors ${images_colors} 2>&1; echo exit=$?
       cat \"$disk/packed.bin\" \"$disk/matte.png\"; ls -A \"$disk\""
      ${atelier} ${CMAKE_CURRENT_SOURCE_DIR}/data/gradient-48x48.png ${images_sample})
  set_tests_properties(tools.images.a_disk_that_fills_at_the_last_write_fails_and_keeps_the_old_file PROPERTIES
    LABELS tools SKIP_RETURN_CODE 77
    PASS_REGULAR_EXPRESSION "^atelier: cannot write '[^\n]*packed\\.bin': No space left on device\nexit=1\natelier: cannot write '[^\n]*matte\\.png': No space left on device\nexit=1\nold\nold\nfiller\nmatte\\.png\npacked\\.bin\n$")
endif()

# A 68-byte PNG that claims 16000 x 16000 pixels fails when its data ends, as
# a damaged file (its memory use is checked in atelier_png_files_tests).
add_test(NAME tools.images.pack_refuses_a_png_whose_data_ends_early
  COMMAND sh -c "\"$1\" image pack \"$2\" \"$3/never.bin\" 2>&1; echo exit=$?; ls -A \"$3\" | grep -c never"
          sh ${atelier} ${CMAKE_CURRENT_SOURCE_DIR}/data/claims-16000x16000.png ${images_out})
set_tests_properties(tools.images.pack_refuses_a_png_whose_data_ends_early PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^atelier: [^\n]*claims-16000x16000\\.png: [^\n]+\nexit=1\n0\n$")

# Without --colors, expand takes the colours of the matte's own palette: the
# same pixels as when the colours it was reduced to are given again.
# "#RRGGBB" is the same colour as "RRGGBB", in either case of the letters.
add_test(NAME tools.images.expand_without_colours_uses_the_mattes_own_palette
  COMMAND sh -c "set -e; d=$(mktemp -d)
    \"$1\" matte reduce \"$2\" \"$d/plain.png\" --colors ${images_colors} 2> /dev/null
    \"$1\" matte reduce \"$2\" \"$d/hash.png\" --colors '#1e2846,#6E5078,F0A064,#fff0c8' 2> /dev/null
    cmp \"$d/plain.png\" \"$d/hash.png\" && echo hash-same
    \"$1\" matte expand \"$d/plain.png\" \"$d/given.png\" --colors ${images_colors} 2> /dev/null
    \"$1\" matte expand \"$d/plain.png\" \"$d/own.png\" 2> /dev/null
    cmp \"$d/given.png\" \"$d/own.png\" && echo own-same
    \"$1\" matte expand \"$d/plain.png\" \"$d/grey.png\" --colors 000000,555555,AAAAAA,FFFFFF 2> /dev/null
    cmp -s \"$d/given.png\" \"$d/grey.png\" || echo colours-given-win; rm -rf \"$d\""
    sh ${atelier} ${images_sample})
set_tests_properties(tools.images.expand_without_colours_uses_the_mattes_own_palette PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^hash-same\nown-same\ncolours-given-win\n$")

# One '#' before a colour, no more, and reduce still needs its colours.
add_test(NAME tools.images.colours_take_one_hash_at_most
  COMMAND sh -c "\"$1\" matte reduce \"$2\" \"$3/x.png\" --colors '##1E2846,6E5078,F0A064,FFF0C8' 2>&1; echo exit=$?
    \"$1\" matte reduce \"$2\" \"$3/x.png\" --colors '#,6E5078,F0A064,FFF0C8' 2>&1; echo exit=$?
    \"$1\" matte reduce \"$2\" \"$3/x.png\" > /dev/null 2>&1; echo exit=$?"
    sh ${atelier} ${images_sample} ${images_out})
set_tests_properties(tools.images.colours_take_one_hash_at_most PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^atelier: --colors takes four colours [^\n]*; got '##1E2846,6E5078,F0A064,FFF0C8'\nexit=2\natelier: --colors takes four colours [^\n]*; got '#,6E5078,F0A064,FFF0C8'\nexit=2\nexit=2\n$")

# What was written is reported on standard error, so that standard output
# carries only results.
add_test(NAME tools.images.reports_of_what_was_written_go_to_standard_error
  COMMAND sh -c "d=$(mktemp -d)
    \"$1\" image pack \"$2\" \"$d/a.bin\" 2> /dev/null; \"$1\" image unpack \"$d/a.bin\" \"$d/a.png\" 2> /dev/null
    \"$1\" matte reduce \"$2\" \"$d/m.png\" --colors ${images_colors} 2> /dev/null
    \"$1\" matte expand \"$d/m.png\" \"$d/e.png\" 2> /dev/null; echo stdout-empty
    \"$1\" image pack \"$2\" \"$d/b.bin\" 2>&1 > /dev/null; rm -rf \"$d\""
    sh ${atelier} ${images_sample})
set_tests_properties(tools.images.reports_of_what_was_written_go_to_standard_error PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^stdout-empty\nwrote [^\n]*b\\.bin: 320 x 240 pixels, 307208 bytes\n$")
