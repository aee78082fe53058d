#!/usr/bin/env bash
# Makes the documents of this folder in legacy encodings from the UTF-8
# sources beside them: SOURCE.NAME.xml is SOURCE.xml converted with iconv,
# its declaration naming the encoding NAME (an alias where one is listed).
# Each line: source, iconv's name of the encoding, the name in the declaration.
set -euo pipefail
cd "$(dirname "$0")"
while read -r source encoding declared; do
  sed "1s/encoding=\"UTF-8\"/encoding=\"$declared\"/" "$source.xml" | iconv -f UTF-8 -t "$encoding" >"$source.$declared.xml"
done <<'LIST'
latin WINDOWS-1250 windows-1250
latin WINDOWS-1252 windows-1252
latin CP1252 cp1252
latin ISO-8859-2 ISO-8859-2
latin ISO-8859-2 latin2
latin ISO-8859-9 ISO-8859-9
cyrillic WINDOWS-1251 windows-1251
cyrillic ISO-8859-5 ISO-8859-5
cyrillic KOI8-R KOI8-R
cyrillic IBM866 IBM866
cyrillic IBM855 IBM855
cyrillic MACCYRILLIC MacCyrillic
cyrillic MACCYRILLIC x-mac-cyrillic
greek ISO-8859-7 ISO-8859-7
hebrew WINDOWS-1255 windows-1255
hebrew-points WINDOWS-1255 windows-1255
vietnamese WINDOWS-1258 windows-1258
thai TIS-620 TIS-620
cjk SHIFT_JIS Shift_JIS
cjk SHIFT_JIS SJIS
cjk CP932 windows-31j
cjk EUC-JP EUC-JP
cjk EUC-KR EUC-KR
cjk BIG5 Big5
cjk GB2312 GB2312
LIST
