#include "EncodingAliases.h"

#include <array>

#include "platform/LegacyTextDecoder.h"

namespace platform::internal {
namespace {

struct Entry {
  KnownEncoding encoding;
  // Further names, separated by single spaces.
  std::string_view aliases;
};

// Names as registered for the encoding, as other converters accept them and
// as documents found in the wild spell them.
constexpr std::array kEntries{
    Entry{{"WINDOWS-1250", 1250, true}, "cp1250 x-cp1250 ms-ee"},
    Entry{{"WINDOWS-1251", 1251, true}, "cp1251 x-cp1251 ms-cyrl"},
    Entry{{"WINDOWS-1252", 1252, true}, "cp1252 x-cp1252 ms-ansi"},
    Entry{{"WINDOWS-1253", 1253, true}, "cp1253 x-cp1253 ms-greek"},
    Entry{{"WINDOWS-1254", 1254, true}, "cp1254 x-cp1254 ms-turk"},
    Entry{{"WINDOWS-1255", 1255, true}, "cp1255 x-cp1255 ms-hebr"},
    Entry{{"WINDOWS-1256", 1256, true}, "cp1256 x-cp1256 ms-arab"},
    Entry{{"WINDOWS-1257", 1257, true}, "cp1257 x-cp1257 winbaltrim"},
    Entry{{"WINDOWS-1258", 1258, true}, "cp1258 x-cp1258"},
    Entry{{"TIS-620", 874, true}, "tis620 tis-620.2533 windows-874 cp874 x-windows-874 iso-8859-11 dos-874"},
    Entry{{"ISO-8859-1", 28591, true}, "iso8859-1 iso_8859-1 latin1 l1 cp819 ibm819 csisolatin1"},
    Entry{{"ISO-8859-2", 28592, true}, "iso8859-2 iso_8859-2 latin2 l2 csisolatin2"},
    Entry{{"ISO-8859-3", 28593, true}, "iso8859-3 iso_8859-3 latin3 l3 csisolatin3"},
    Entry{{"ISO-8859-4", 28594, true}, "iso8859-4 iso_8859-4 latin4 l4 csisolatin4"},
    Entry{{"ISO-8859-5", 28595, true}, "iso8859-5 iso_8859-5 cyrillic csisolatincyrillic"},
    Entry{{"ISO-8859-6", 28596, true}, "iso8859-6 iso_8859-6 arabic csisolatinarabic"},
    Entry{{"ISO-8859-7", 28597, true}, "iso8859-7 iso_8859-7 greek greek8 csisolatingreek"},
    Entry{{"ISO-8859-8", 28598, true}, "iso8859-8 iso_8859-8 hebrew csisolatinhebrew"},
    Entry{{"ISO-8859-9", 28599, true}, "iso8859-9 iso_8859-9 latin5 l5 csisolatin5"},
    Entry{{"ISO-8859-13", 28603, true}, "iso8859-13 iso_8859-13 latin7 l7"},
    Entry{{"ISO-8859-15", 28605, true}, "iso8859-15 iso_8859-15 latin9 latin-9 l9"},
    Entry{{"KOI8-R", 20866, true}, "koi8r cskoi8r"},
    Entry{{"KOI8-U", 21866, true}, "koi8u"},
    Entry{{"IBM437", 437, true}, "cp437 437 cspc8codepage437"},
    Entry{{"IBM850", 850, true}, "cp850 850 cspc850multilingual"},
    Entry{{"IBM855", 855, true}, "cp855 855 csibm855"},
    Entry{{"IBM866", 866, true}, "cp866 866 csibm866"},
    Entry{{"MACINTOSH", 10000, true}, "mac macroman mac-roman x-mac-roman csmacintosh"},
    Entry{{"MACCYRILLIC", 10007, true}, "mac-cyrillic x-mac-cyrillic"},
    Entry{{"SHIFT_JIS", 932, false}, "shift-jis sjis x-sjis ms_kanji csshiftjis"},
    Entry{{"CP932", 932, false}, "windows-31j ms932 x-ms-cp932 cswindows31j"},
    Entry{{"EUC-JP", 20932, false}, "eucjp x-euc-jp cseucpkdfmtjapanese"},
    Entry{{"EUC-KR", 949, false}, "euckr cseuckr"},
    Entry{{"CP949", 949, false}, "uhc windows-949 ks_c_5601-1987 ks_c_5601-1989 ksc_5601 korean"},
    Entry{{"BIG5", 950, false}, "big-5 cn-big5 x-x-big5 csbig5"},
    Entry{{"CP950", 950, false}, "windows-950"},
    Entry{{"GB2312", 936, false}, "euc-cn euccn csgb2312 gb_2312-80 chinese"},
    Entry{{"GBK", 936, false}, "cp936 windows-936 x-gbk"},
    Entry{{"GB18030", 54936, false}, ""},
    Entry{{"US-ASCII", 20127, true}, "ascii us ansi_x3.4-1968 iso646-us csascii"},
};

bool ListHolds(std::string_view aliases, std::string_view name) {
  while (!aliases.empty()) {
    const std::size_t space = aliases.find(' ');
    if (SameEncodingName(aliases.substr(0, space), name)) return true;
    if (space == std::string_view::npos) break;
    aliases.remove_prefix(space + 1);
  }
  return false;
}

}  // namespace

const KnownEncoding* FindKnownEncoding(std::string_view name) {
  for (const Entry& entry : kEntries) {
    if (SameEncodingName(entry.encoding.iconvName, name) || ListHolds(entry.aliases, name)) return &entry.encoding;
  }
  return nullptr;
}

}  // namespace platform::internal

namespace platform {

bool SameEncodingName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace platform
