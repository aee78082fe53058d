# atelier xml and plist over files in legacy encodings: read through the
# platform's converters, printed as UTF-8.
set(encoding_corpus ${PROJECT_SOURCE_DIR}/tests/xml/parsing/encodings)

add_test(NAME atelier_xml_prints_a_shift_jis_document_as_utf8
  COMMAND ${atelier} xml ${encoding_corpus}/cjk.Shift_JIS.xml)
set_tests_properties(atelier_xml_prints_a_shift_jis_document_as_utf8 PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "^<\\?xml version='1.0'\\?><天地 中=\"大山\">\n  <文 表=\"日本\" 人=\"水\">日本人 上下 木火土金 表 αβγ</文>")

add_test(NAME atelier_xml_prints_a_koi8r_document_as_utf8
  COMMAND ${atelier} xml ${encoding_corpus}/cyrillic.KOI8-R.xml)
set_tests_properties(atelier_xml_prints_a_koi8r_document_as_utf8 PROPERTIES LABELS tools
  PASS_REGULAR_EXPRESSION "<Документ язык=\"русский\">\n  <Заголовок вид=\"ёлка\">Съешь же ещё")
