#!/usr/bin/env python3
"""Writes CaseTableData.cpp, the rows of Glyphwerk's case mapping table.

The keys are a fixed list of 1446 BMP code units (KEY_RUNS below). Their
values come from two files of the Unicode Character Database:

  lower  the simple lowercase mapping of UnicodeData.txt, else the key;
  upper  the unconditional full uppercase mapping of SpecialCasing.txt, else
         the simple uppercase mapping of UnicodeData.txt, else the key;
  fold   the lower of each unit of upper in turn (a unit that is no key
         stands for itself).

A few values are pinned (PINNED_VALUES) because stored data and callers rely
on them where later database revisions or the derivation above differ.

The script refuses to write a table whose key list or value counts differ
from the ones the library was built around, so a changed database or a
broken edit shows up here instead of as a silently different mapping.

Usage:
  generate_case_table.py [--ucd DIR] [--output FILE]
DIR defaults to /usr/share/unicode (Debian's unicode-data package); FILE to
CaseTableData.cpp next to this script.
"""

import argparse
import pathlib
import re
import sys

# Inclusive ranges of the keys, in ascending order.
KEY_RUNS = [
    (0x0041, 0x005A), (0x0061, 0x007A), (0x00B5, 0x00B5), (0x00C0, 0x00D6),
    (0x00D8, 0x00F6), (0x00F8, 0x0137), (0x0139, 0x017F), (0x0181, 0x018C),
    (0x018E, 0x0199), (0x019C, 0x019D), (0x019F, 0x01A9), (0x01AC, 0x01B9),
    (0x01BC, 0x01BD), (0x01BF, 0x01BF), (0x01C4, 0x021F), (0x0222, 0x0233),
    (0x0253, 0x0254), (0x0256, 0x0257), (0x0259, 0x0259), (0x025B, 0x025B),
    (0x0260, 0x0260), (0x0263, 0x0263), (0x0268, 0x0269), (0x026F, 0x026F),
    (0x0272, 0x0272), (0x0275, 0x0275), (0x0280, 0x0280), (0x0283, 0x0283),
    (0x0288, 0x0288), (0x028A, 0x028B), (0x0292, 0x0292), (0x0345, 0x0345),
    (0x0386, 0x0386), (0x0388, 0x038A), (0x038C, 0x038C), (0x038E, 0x03A1),
    (0x03A3, 0x03CE), (0x03D0, 0x03D1), (0x03D5, 0x03D6), (0x03DA, 0x03F2),
    (0x0400, 0x0481), (0x048C, 0x04BF), (0x04C1, 0x04C4), (0x04C7, 0x04C8),
    (0x04CB, 0x04CC), (0x04D0, 0x04F5), (0x04F8, 0x04F9), (0x0531, 0x0556),
    (0x0561, 0x0587), (0x1E00, 0x1E9B), (0x1EA0, 0x1EF9), (0x1F00, 0x1F15),
    (0x1F18, 0x1F1D), (0x1F20, 0x1F45), (0x1F48, 0x1F4D), (0x1F50, 0x1F57),
    (0x1F59, 0x1F59), (0x1F5B, 0x1F5B), (0x1F5D, 0x1F5D), (0x1F5F, 0x1F7D),
    (0x1F80, 0x1FB4), (0x1FB6, 0x1FBC), (0x1FBE, 0x1FBE), (0x1FC2, 0x1FC4),
    (0x1FC6, 0x1FCC), (0x1FD0, 0x1FD3), (0x1FD6, 0x1FDB), (0x1FE0, 0x1FEC),
    (0x1FF2, 0x1FF4), (0x1FF6, 0x1FFC), (0x2126, 0x2126), (0x212A, 0x212B),
    (0x2160, 0x217F), (0x24B6, 0x24E9), (0xFB00, 0xFB06), (0xFB13, 0xFB17),
    (0xFF21, 0xFF3A), (0xFF41, 0xFF5A),
]

FINAL_SIGMA = 0x03C2

# (key, field) -> value that holds whatever the database or the rules say.
# Every sigma folds to final sigma, and the lunate sigma keeps the uppercase
# it had before the database gave it a capital of its own (U+03F9).
PINNED_VALUES = {
    (0x03A3, "fold"): (FINAL_SIGMA,),
    (0x03C2, "fold"): (FINAL_SIGMA,),
    (0x03C3, "fold"): (FINAL_SIGMA,),
    (0x03F2, "fold"): (FINAL_SIGMA,),
    (0x03F2, "upper"): (0x03A3,),
}

EXPECTED_KEYS = 1446
EXPECTED_RUNS = 78
EXPECTED_OWN_LOWER = 750
EXPECTED_OWN_UPPER = 665
EXPECTED_OWN_FOLD = 661
EXPECTED_MULTI_UNIT = 102

FIELDS = ("lower", "upper", "fold")


class RefusedTable(Exception):
    """The derived table does not have the shape the library relies on."""


def parse_units(text):
    return tuple(int(unit, 16) for unit in text.split())


def read_unicode_data(path):
    """Returns (simple lower, simple upper) maps of every BMP character."""
    lower, upper = {}, {}
    for line in path.read_text(encoding="utf-8").splitlines():
        fields = line.split(";")
        if len(fields) != 15:
            continue
        code = int(fields[0], 16)
        if code > 0xFFFF:
            continue
        if fields[12]:
            upper[code] = int(fields[12], 16)
        if fields[13]:
            lower[code] = int(fields[13], 16)
    return lower, upper


def read_special_casing(path):
    """Returns the unconditional full uppercase mappings of BMP characters,
    and the file's version line."""
    upper = {}
    version = None
    for line in path.read_text(encoding="utf-8").splitlines():
        if version is None:
            match = re.match(r"#\s*(SpecialCasing-[\d.]+\.txt)", line)
            if match:
                version = match.group(1)
        data = line.split("#", 1)[0].strip()
        if not data:
            continue
        fields = [field.strip() for field in data.split(";")]
        code = int(fields[0], 16)
        conditions = fields[4] if len(fields) > 4 else ""
        if conditions or code > 0xFFFF:
            continue
        upper[code] = parse_units(fields[3])
    return upper, version


def keys_from_runs(runs):
    keys = []
    for first, last in runs:
        keys.extend(range(first, last + 1))
    return keys


def count_runs(keys):
    return sum(1 for index, key in enumerate(keys) if index == 0 or keys[index - 1] != key - 1)


def derive_rows(keys, simple_lower, simple_upper, special_upper):
    key_set = set(keys)
    lower = {key: (simple_lower.get(key, key),) for key in keys}
    rows = []
    for key in keys:
        upper = special_upper.get(key) or (simple_upper.get(key, key),)
        upper = PINNED_VALUES.get((key, "upper"), upper)
        fold = tuple(lower[unit][0] if unit in key_set else unit for unit in upper)
        fold = PINNED_VALUES.get((key, "fold"), fold)
        rows.append((key, lower[key], upper, fold))
    return rows


def check_rows(rows):
    """Raises RefusedTable unless the rows have the agreed shape."""
    keys = [row[0] for row in rows]
    problems = []
    if len(keys) != EXPECTED_KEYS or len(set(keys)) != EXPECTED_KEYS:
        problems.append(f"{len(keys)} keys ({len(set(keys))} distinct), expected {EXPECTED_KEYS}")
    if keys != sorted(keys):
        problems.append("keys are not in ascending order")
    if count_runs(keys) != EXPECTED_RUNS:
        problems.append(f"{count_runs(keys)} runs of keys, expected {EXPECTED_RUNS}")
    for key in keys:
        if 0xD800 <= key <= 0xDFFF:
            problems.append(f"surrogate U+{key:04X} is a key")

    own = {field: 0 for field in FIELDS}
    multi_upper, multi_fold = set(), set()
    for key, *values in rows:
        for field, value in zip(FIELDS, values):
            if not 1 <= len(value) <= 3 or 0 in value:
                problems.append(f"U+{key:04X} {field} has {len(value)} units")
            if value == (key,):
                own[field] += 1
        lower, upper, fold = values
        if len(lower) != 1:
            problems.append(f"U+{key:04X} lower is not one unit")
        if lower == upper == fold == (key,):
            problems.append(f"U+{key:04X} maps to itself in every field")
        if len(upper) > 1:
            multi_upper.add(key)
        if len(fold) > 1:
            multi_fold.add(key)

    for field, expected in zip(FIELDS, (EXPECTED_OWN_LOWER, EXPECTED_OWN_UPPER, EXPECTED_OWN_FOLD)):
        if own[field] != expected:
            problems.append(f"{own[field]} keys are their own {field}, expected {expected}")
    if len(multi_upper) != EXPECTED_MULTI_UNIT:
        problems.append(f"{len(multi_upper)} keys have a multi-unit upper, expected {EXPECTED_MULTI_UNIT}")
    if multi_fold != multi_upper:
        problems.append("the keys with a multi-unit fold are not those with a multi-unit upper")
    if problems:
        raise RefusedTable("; ".join(problems))


def format_units(units):
    return "{" + ", ".join(f"0x{unit:04X}" for unit in units) + "}"


def render(rows, special_casing_version):
    lines = [
        "// Generated by unicode/casemap/generate_case_table.py from the Unicode Character",
        f"// Database files UnicodeData.txt and SpecialCasing.txt ({special_casing_version}).",
        "// Do not edit: change the script and run it again.",
        "//",
        "// One row per key: key, lower, upper, fold; unused trailing units are zero.",
        '#include "CaseTableRows.h"',
        "",
        "namespace glyphwerk_internal {",
        "",
        "const CaseTableRow kCaseTableRows[kCaseTableRowCount] = {",
    ]
    for key, lower, upper, fold in rows:
        lines.append(f"    {{0x{key:04X}, {format_units(lower)}, {format_units(upper)}, {format_units(fold)}}},")
    lines += ["};", "", "}  // namespace glyphwerk_internal", ""]
    return "\n".join(lines)


def main(argv):
    here = pathlib.Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--ucd", type=pathlib.Path, default=pathlib.Path("/usr/share/unicode"),
                        help="folder holding UnicodeData.txt and SpecialCasing.txt")
    parser.add_argument("--output", type=pathlib.Path, default=here / "CaseTableData.cpp")
    args = parser.parse_args(argv)

    simple_lower, simple_upper = read_unicode_data(args.ucd / "UnicodeData.txt")
    special_upper, version = read_special_casing(args.ucd / "SpecialCasing.txt")
    rows = derive_rows(keys_from_runs(KEY_RUNS), simple_lower, simple_upper, special_upper)
    try:
        check_rows(rows)
    except RefusedTable as refusal:
        print(f"generate_case_table.py: refusing to write {args.output}: {refusal}", file=sys.stderr)
        return 1
    args.output.write_text(render(rows, version or "SpecialCasing.txt of unknown version"), encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
