# atelier xml and plist over the samples in examples/xml and examples/settings.
set(xml_examples ${PROJECT_SOURCE_DIR}/examples/xml)
set(settings_examples ${PROJECT_SOURCE_DIR}/examples/settings)

add_test(NAME atelier_xml_prints_the_tree_with_reserved_characters_escaped
  COMMAND ${atelier} xml ${xml_examples}/note.xml)
set_tests_properties(atelier_xml_prints_the_tree_with_reserved_characters_escaped PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^<\\?xml version='1.0'\\?><note lang=\"en\" title=\"R&amp;D &quot;notes&quot;\">\n  <to>Zo&amp;#235;\\|Zoë</to>")

add_test(NAME atelier_xml_reports_where_and_why_a_broken_file_fails
  COMMAND sh -c "\"${atelier}\" xml \"$0\" 2>&1; echo \"exit=$?\"" ${xml_examples}/broken.xml)
set_tests_properties(atelier_xml_reports_where_and_why_a_broken_file_fails PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^atelier: [^\n]*broken\\.xml:1:16: mismatched tag \\(XMLParseTagMismatch\\)\nexit=1\n$")

# What atelier xml prints reads back as the same tree: carriage returns in
# text, and tabs, line feeds and carriage returns in attribute values, are
# written as character references, which a reader keeps.
add_test(NAME atelier_xml_output_reads_back_as_the_same_tree
  COMMAND sh -c "d=$(mktemp -d); printf '<a t=\"x&#9;y&#10;z&#13;w\">p&#13;q\\r\\nr</a>' > \"$d/in.xml\"
    \"$0\" xml \"$d/in.xml\" > \"$d/once.xml\" && \"$0\" xml \"$d/once.xml\" > \"$d/twice.xml\" &&
    cmp \"$d/once.xml\" \"$d/twice.xml\" && cat \"$d/once.xml\"; rm -rf \"$d\""
    ${atelier})
set_tests_properties(atelier_xml_output_reads_back_as_the_same_tree PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "<a t=\"x&#9;y&#10;z&#13;w\">p&#13;q\nr</a>\n$")

add_test(NAME atelier_plist_show_prints_kinds_as_an_indented_tree
  COMMAND ${atelier} plist show ${settings_examples}/app-settings.xml)
set_tests_properties(atelier_plist_show_prints_kinds_as_an_indented_tree PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^Author \\(ustring\\): \"Zoë Ångström\"\nAutoSave \\(bool\\): true\nRecentFiles \\(string\\[\\]\\): \\[\"/home/zoe/poster.atl\", \"/home/zoe/R&D notes.atl\"\\]\nWindow \\(list\\)\n  Height \\(u32\\): 720\n  Left \\(i32\\): -8\n  Width \\(u32\\): 1280\nZoom \\(ustring\\): \"1.25\"\n$")

add_test(NAME atelier_plist_get_prints_scalars_and_arrays_plainly
  COMMAND sh -c "\"${atelier}\" plist get \"$0\" Window/Left && \"${atelier}\" plist get \"$0\" RecentFiles && \"${atelier}\" plist get \"$0\" AutoSave"
          ${settings_examples}/app-settings.xml)
set_tests_properties(atelier_plist_get_prints_scalars_and_arrays_plainly PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^-8\n/home/zoe/poster.atl\n/home/zoe/R&D notes.atl\ntrue\n$")

add_test(NAME atelier_plist_get_fails_for_an_absent_key
  COMMAND sh -c "\"${atelier}\" plist get \"$0\" Window/Depth 2>&1; echo \"exit=$?\""
          ${settings_examples}/app-settings.xml)
set_tests_properties(atelier_plist_get_fails_for_an_absent_key PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "no key Window/Depth in [^\n]*\nexit=1\n$")

add_test(NAME atelier_plist_set_creates_changes_and_refuses
  COMMAND sh -c "set -e; f=$(mktemp -d)/s.xml; a=\"$0\"
    \"$a\" plist set \"$f\" Window/Size u16[] 3 70
    \"$a\" plist set \"$f\" Name ustring 'A<B'
    \"$a\" plist set \"$f\" Name/x bool true 2>&1 || echo refused-sub
    \"$a\" plist set \"$f\" Width u16 70000 2>&1 || echo refused-value
    \"$a\" plist get \"$f\" Window/Size; \"$a\" plist get \"$f\" Name
    \"$a\" plist get \"$f\" Width 2>&1 || echo absent"
          ${atelier})
set_tests_properties(atelier_plist_set_creates_changes_and_refuses PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "Name holds a ustring value, not a sub-list[^\n]*\nrefused-sub\n[^\n]*'70000' is not a valid u16 value[^\n]*\nrefused-value\n3\n70\nA<B\n[^\n]*no key Width[^\n]*\nabsent\n$")

add_test(NAME atelier_plist_set_never_overwrites_a_damaged_file
  COMMAND sh -c "f=$(mktemp -d)/d.xml; cp \"$1\" \"$f\"; \"$0\" plist set \"$f\" Author ustring x 2>&1; echo \"exit=$?\"; cmp \"$1\" \"$f\" && echo unchanged"
          ${atelier} ${settings_examples}/damaged-settings.xml)
set_tests_properties(atelier_plist_set_never_overwrites_a_damaged_file PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^atelier: [^\n]*d\\.xml:[0-9]+:[0-9]+: [^\n]* \\(XMLParse[A-Za-z]+\\); not a readable property list; [^\n]*d\\.xml was left untouched\nexit=1\nunchanged\n$")

# A well-formed XML file of another kind is no property list: show, get and
# set refuse it and name the root they found. A missing or empty file is a
# new, empty list for set.
add_test(NAME atelier_plist_refuses_a_file_whose_root_is_not_a_property_list
  COMMAND sh -c "d=$(mktemp -d); printf '<svg><rect/></svg>' > \"$d/icon.svg\"; cp \"$d/icon.svg\" \"$d/copy\"
    \"$0\" plist set \"$d/icon.svg\" k u16 1 2>&1; echo exit=$?; cmp \"$d/icon.svg\" \"$d/copy\" && echo unchanged
    \"$0\" plist show \"$d/icon.svg\" 2>&1; echo exit=$?
    \"$0\" plist get \"$d/icon.svg\" k 2>&1; echo exit=$?
    : > \"$d/empty.xml\"; \"$0\" plist set \"$d/empty.xml\" k u16 1; \"$0\" plist get \"$d/empty.xml\" k
    \"$0\" plist set \"$d/new.xml\" k u16 2; \"$0\" plist get \"$d/new.xml\" k; rm -rf \"$d\""
    ${atelier})
set_tests_properties(atelier_plist_refuses_a_file_whose_root_is_not_a_property_list PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^atelier: [^\n]*icon\\.svg: the root element is <svg>, not <prop\\.map>; not a property list; [^\n]*icon\\.svg was left untouched\nexit=1\nunchanged\natelier: [^\n]*icon\\.svg: the root element is <svg>, not <prop\\.map>; not a property list\nexit=1\natelier: [^\n]*icon\\.svg: the root element is <svg>, not <prop\\.map>; not a property list\nexit=1\n1\n2\n$")

# A double is stored as the text typed, all its digits, once it reads as a
# finite number.
add_test(NAME atelier_plist_set_stores_a_double_as_the_text_typed
  COMMAND sh -c "f=$(mktemp -d)/s.xml; \"$0\" plist set \"$f\" d double 3.14159265; \"$0\" plist get \"$f\" d
    \"$0\" plist set \"$f\" e double -1.5e-300; \"$0\" plist get \"$f\" e
    \"$0\" plist set \"$f\" d double inf 2>&1; echo exit=$?; \"$0\" plist set \"$f\" d double '3.1 ' 2>&1; echo exit=$?
    \"$0\" plist show \"$f\"; rm -rf \"$(dirname \"$f\")\""
    ${atelier})
set_tests_properties(atelier_plist_set_stores_a_double_as_the_text_typed PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^3\\.14159265\n-1\\.5e-300\natelier: 'inf' is not a valid double value; nothing was changed\nexit=2\natelier: '3\\.1 ' is not a valid double value; nothing was changed\nexit=2\nd \\(ustring\\): \"3\\.14159265\"\ne \\(ustring\\): \"-1\\.5e-300\"\n$")

add_test(NAME atelier_demo_changes_a_setting_and_saves_it
  COMMAND ${atelier} demo)
set_tests_properties(atelier_demo_changes_a_setting_and_saves_it PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "Window/Width 1280 -> 1920, saved to a temporary file:\n<\\?xml version='1.0' encoding='UTF-8'\\?>\n<prop.map>\n<prop.list>\n<prop.pair>\n<key>Author</key>\n<ustring>Zoë Ångström</ustring>")

# Several files in one run: each is printed or reported in turn, and the run
# fails when any file failed.
add_test(NAME atelier_xml_reports_several_files_in_turn
  COMMAND sh -c "d=$(mktemp -d); printf '<a>1</a>' > \"$d/one.xml\"; printf '<a></b>' > \"$d/bad.xml\"; printf '<b/>' > \"$d/two.xml\"
    \"$0\" xml \"$d/one.xml\" \"$d/bad.xml\" \"$d/missing.xml\" \"$d/two.xml\" 2>&1; echo exit=$?
    \"$0\" xml \"$d/one.xml\" \"$d/two.xml\" 2>&1; echo exit=$?; rm -rf \"$d\""
    ${atelier})
set_tests_properties(atelier_xml_reports_several_files_in_turn PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^<\\?xml version='1.0'\\?><a>1</a>\natelier: [^\n]*/bad\\.xml:1:6: mismatched tag \\(XMLParseTagMismatch\\)\natelier: [^\n]*/missing\\.xml: No such file or directory\n<\\?xml version='1.0'\\?><b />\nexit=1\n<\\?xml version='1.0'\\?><a>1</a>\n<\\?xml version='1.0'\\?><b />\nexit=0\n$")

# --noout checks without printing the tree: "FILE: XMLParseOK" for a file that
# parses, and for one that does not the same report as the tree's parse gives.
add_test(NAME atelier_xml_noout_reports_the_status_the_tree_parse_gives
  COMMAND sh -c "d=$(mktemp -d); : > \"$d/empty.xml\"; printf '<!-- c -->' > \"$d/comment.xml\"
    printf '<a>&x;</a>' > \"$d/entity.xml\"; printf '<a/><b/>' > \"$d/two.xml\"; printf '<a>\\351</a>' > \"$d/bytes.xml\"
    printf '<?xml version=\"1.0\" encoding=\"x-unheard-of\"?><a/>' > \"$d/encoding.xml\"; printf '<a><b>' > \"$d/open.xml\"
    for f in empty comment entity two bytes encoding open; do
      \"$0\" xml \"$d/$f.xml\" > /dev/null 2> \"$d/tree\"; tree=$?; \"$0\" xml --noout \"$d/$f.xml\" > \"$d/out\" 2> \"$d/check\"; check=$?
      cmp -s \"$d/tree\" \"$d/check\" && test $tree = $check && test ! -s \"$d/out\" && echo \"$f same\"
    done
    \"$0\" xml --noout \"$1\" \"$d/open.xml\" \"$1\" 2>&1; echo exit=$?
    \"$0\" xml --noout - < \"$1\"; echo exit=$?; rm -rf \"$d\""
    ${atelier} ${xml_examples}/note.xml)
set_tests_properties(atelier_xml_noout_reports_the_status_the_tree_parse_gives PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^empty same\ncomment same\nentity same\ntwo same\nbytes same\nencoding same\nopen same\n[^\n]*/note\\.xml: XMLParseOK\natelier: [^\n]*/open\\.xml:1:7: [^\n]* \\(XMLParseTagMismatch\\)\n[^\n]*/note\\.xml: XMLParseOK\nexit=1\n-: XMLParseOK\nexit=0\n$")
